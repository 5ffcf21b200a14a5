#include "editor/lists/IpdSharingPage.h"

#include "model/StudyRecord.h"

#include <QComboBox>
#include <cctype>
#include <string_view>

namespace {

using Page = IpdSharingPage;

// Open only while the plan is Yes.
constexpr int kSharedDetails[] = {
    Page::IDC_LABEL_INFO_TYPES,
    Page::IDC_PROTOCOL,
    Page::IDC_SAP,
    Page::IDC_ICF,
    Page::IDC_CSR,
    Page::IDC_ANALYTIC_CODE,
    Page::IDC_LABEL_TIME_FRAME,
    Page::IDC_TIME_FRAME,
    Page::IDC_LABEL_ACCESS_CRITERIA,
    Page::IDC_ACCESS_CRITERIA,
    Page::IDC_LABEL_URL,
    Page::IDC_URL,
};

// The registry writes "Yes"; its schema's own notes write "yes".
bool isYes(std::string_view plan) {
    return plan.size() == 3 && std::tolower(static_cast<unsigned char>(plan[0])) == 'y' &&
           plan.substr(1) == "es";
}

void emptyDetails(IpdSharingStatement& ipd) {
    for (std::string* flag :
         {&ipd.ipd_info_type_protocol, &ipd.ipd_info_type_sap, &ipd.ipd_info_type_icf,
          &ipd.ipd_info_type_csr, &ipd.ipd_info_type_analytic_code, &ipd.ipd_url}) {
        flag->clear();
    }
    ipd.ipd_time_frame.setText("");
    ipd.ipd_access_criteria.setText("");
}

} // namespace

DialogTemplate IpdSharingPage::pageTemplate() {
    using C = ControlShape;
    TemplateColumn col = column();
    col.group(IDC_GROUP, QStringLiteral("IPD Sharing Statement"));
    col.field("Plan to Share Individual Participant Data (IPD)?", IDC_PLAN,
              C::combo({QStringLiteral("Yes"), QStringLiteral("No"), QStringLiteral("Undecided")}),
              {IDC_MARKER_PLAN, QStringLiteral("IPDSharing")});
    col.field("Plan Description", IDC_DESCRIPTION, C::lines(56),
              {IDC_MARKER_DESCRIPTION, QStringLiteral("IPDSharingDescription")});
    col.caption({QStringLiteral("Supporting Information Types"), IDC_LABEL_INFO_TYPES},
                {IDC_MARKER_INFO_TYPES, QStringLiteral("IPDSharingInfoType")});
    const auto type = [](const char* text, int left) {
        return C::checkBox(QString::fromLatin1(text)).left(left).width(100);
    };
    col.row({{IDC_PROTOCOL, type("Study Protocol", 24)},
             {IDC_SAP, type("Statistical Analysis Plan", 128)}},
            2);
    col.row({{IDC_ICF, type("Informed Consent Form", 24)},
             {IDC_CSR, type("Clinical Study Report", 128)}},
            2);
    col.row({{IDC_ANALYTIC_CODE, type("Analytic Code", 24)}});
    col.field({QStringLiteral("Time Frame"), IDC_LABEL_TIME_FRAME}, IDC_TIME_FRAME, C::lines(40),
              {IDC_MARKER_TIME_FRAME, QStringLiteral("IPDSharingTimeFrame")});
    col.field({QStringLiteral("Access Criteria"), IDC_LABEL_ACCESS_CRITERIA}, IDC_ACCESS_CRITERIA,
              C::lines(40).anchors(AnchorGrow),
              {IDC_MARKER_ACCESS_CRITERIA, QStringLiteral("IPDSharingAccessCriteria")});
    col.field({QStringLiteral("URL"), IDC_LABEL_URL}, IDC_URL, C::edit(),
              {IDC_MARKER_URL, QStringLiteral("IPDSharingURL")});
    col.closeGroup(kPageHeight - 4, AnchorGrow);
    return EditorPage::pageTemplate(kTemplateNumber, col);
}

IpdSharingPage::IpdSharingPage(QWidget* parent) : EditorPage(parent) {
    buildPage(pageTemplate());
    for (const int id : {IDC_DESCRIPTION, IDC_TIME_FRAME, IDC_ACCESS_CRITERIA}) {
        addEnterExempt(id);
    }
    // Only the user's choice opens or closes the details, never a load.
    connect(control<QComboBox>(IDC_PLAN), &QComboBox::activated, this,
            [this] { enableSharedDetails(planIsYes()); });
    using R = StudyRecord;
    bind(IDC_PLAN, [](R& r) -> std::string& { return r.ipd_sharing_statement.sharing_ipd; });
    bind(IDC_DESCRIPTION,
         [](R& r) -> BlockText& { return r.ipd_sharing_statement.ipd_description; });
    bind(IDC_PROTOCOL,
         [](R& r) -> std::string& { return r.ipd_sharing_statement.ipd_info_type_protocol; });
    bind(IDC_SAP, [](R& r) -> std::string& { return r.ipd_sharing_statement.ipd_info_type_sap; });
    bind(IDC_ICF, [](R& r) -> std::string& { return r.ipd_sharing_statement.ipd_info_type_icf; });
    bind(IDC_CSR, [](R& r) -> std::string& { return r.ipd_sharing_statement.ipd_info_type_csr; });
    bind(IDC_ANALYTIC_CODE,
         [](R& r) -> std::string& { return r.ipd_sharing_statement.ipd_info_type_analytic_code; });
    bind(IDC_TIME_FRAME, [](R& r) -> BlockText& { return r.ipd_sharing_statement.ipd_time_frame; });
    bind(IDC_ACCESS_CRITERIA,
         [](R& r) -> BlockText& { return r.ipd_sharing_statement.ipd_access_criteria; });
    bind(IDC_URL, [](R& r) -> std::string& { return r.ipd_sharing_statement.ipd_url; });
}

// Loading opens the details by the record's plan; what they hold stays.
void IpdSharingPage::onLoad(StudyRecord& record) {
    enableSharedDetails(isYes(record.ipd_sharing_statement.sharing_ipd));
}

// The registry takes the details only with a Yes: a plan the user changed to
// anything else leaves none behind.
void IpdSharingPage::onStore(StudyRecord& record) {
    if (touched(IDC_PLAN) && !planIsYes()) {
        emptyDetails(record.ipd_sharing_statement);
    }
}

bool IpdSharingPage::planIsYes() const {
    return isYes(text(IDC_PLAN));
}

void IpdSharingPage::enableSharedDetails(bool enabled) {
    enableControls(kSharedDetails, enabled);
}
