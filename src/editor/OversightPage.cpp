#include "editor/OversightPage.h"

#include "editor/LineSplitting.h"
#include "model/StudyRecord.h"

#include <algorithm>

namespace {

bool isIndStudy(const StudyRecord& record) {
    return record.is_ind_study.displayText() == "Yes";
}

} // namespace

DialogTemplate OversightPage::pageTemplate() {
    using C = ControlShape;
    TemplateColumn col = column();
    col.group(IDC_GROUP, QStringLiteral("Oversight"));
    // The status is last in the tab order although it stands at the top.
    col.field(
        "Board Approval Status", IDC_APPROVAL_STATUS,
        C::combo({QStringLiteral("Not yet submitted"), QStringLiteral("Pending"),
                  QStringLiteral("Approved"), QStringLiteral("Exempt"), QStringLiteral("Denied"),
                  QStringLiteral("Not required")})
            .lastInTabOrder(),
        {IDC_MARKER_APPROVAL_STATUS, "IRBApprovalStatus"});
    col.field("Board Approval Number", IDC_APPROVAL_NUMBER, C::edit(),
              {IDC_MARKER_APPROVAL_NUMBER, "IRBApprovalNumber"});
    col.field("Board Name", IDC_BOARD_NAME, C::edit(), {IDC_MARKER_BOARD_NAME, "IRBName"});
    col.field("Board Affiliation", IDC_AFFILIATION, C::edit(),
              {IDC_MARKER_AFFILIATION, "IRBAffiliation"});
    col.fields({{"Business Phone", IDC_PHONE, C::edit().width(100)},
                {"Extension", IDC_PHONE_EXT, C::edit().left(120)}},
               {IDC_MARKER_PHONE, "IRBContact"});
    col.field("Email Address", IDC_EMAIL, C::edit());
    col.field("Business Address", IDC_ADDRESS, C::edit());
    FieldLabel dmc(QStringLiteral("Data Monitoring Committee - Has a group been appointed to "
                                  "monitor safety and scientific integrity of the study?"));
    dmc.lines = 2;
    col.field(dmc, IDC_HAS_DMC, C::combo(yesNo()), {IDC_MARKER_HAS_DMC, "hasDMC"});
    col.field({QStringLiteral("Oversight Authorities (no longer used by the registry; one per "
                              "line, Country: Name)"),
               IDC_LABEL_AUTHORITIES},
              IDC_AUTHORITIES,
              C::lines(64).anchors(AnchorGrow), {IDC_MARKER_AUTHORITIES, "RegulatoryAuthorities"});
    col.closeGroup(329, AnchorGrow);
    return EditorPage::pageTemplate(kTemplateNumber, col);
}

OversightPage::OversightPage(QWidget* parent) : EditorPage(parent) {
    buildPage(pageTemplate());
    addEnterExempt(IDC_AUTHORITIES);
    using R = StudyRecord;
    bind(IDC_APPROVAL_STATUS,
         [](R& r) -> std::string& { return r.oversight_info.irb_info.approval_status; });
    bind(IDC_HAS_DMC, [](R& r) -> std::string& { return r.oversight_info.has_dmc; });
    bind(IDC_APPROVAL_NUMBER,
         [](R& r) -> std::string& { return r.oversight_info.irb_info.approval_number; });
    bind(IDC_BOARD_NAME, [](R& r) -> std::string& { return r.oversight_info.irb_info.name; });
    bind(IDC_AFFILIATION,
         [](R& r) -> std::string& { return r.oversight_info.irb_info.affiliation; });
    bind(IDC_PHONE, [](R& r) -> std::string& { return r.oversight_info.irb_info.phone; });
    bind(IDC_PHONE_EXT, [](R& r) -> std::string& { return r.oversight_info.irb_info.phone_ext; });
    bind(IDC_EMAIL, [](R& r) -> std::string& { return r.oversight_info.irb_info.email; });
    bind(IDC_ADDRESS, [](R& r) -> std::string& { return r.oversight_info.irb_info.full_address; });
}

std::vector<std::string> OversightPage::withFdaAuthority(std::vector<std::string> authorities,
                                                         bool indStudy) {
    if (indStudy && !authorities.empty() && std::ranges::find(authorities, kFdaAuthority) == authorities.end()) {
        authorities.insert(authorities.begin(), kFdaAuthority);
    }
    return authorities;
}

// Shown only: the record gets the FDA entry once the user edits the list or
// answers the IND question anew. The registry no longer reads authorities, so
// the box is there only for a record that lists some.
void OversightPage::onLoad(StudyRecord& record) {
    m_loadedIndStudy = record.is_ind_study.xmlText();
    showControls({IDC_LABEL_AUTHORITIES, IDC_AUTHORITIES, IDC_MARKER_AUTHORITIES},
                 !record.oversight_info.regulatory_authority.empty());
    setText(IDC_AUTHORITIES, LineSplitting::joinLines(withFdaAuthority(
                                 record.oversight_info.regulatory_authority, isIndStudy(record))));
}

void OversightPage::onStore(StudyRecord& record) {
    std::vector<std::string>& authorities = record.oversight_info.regulatory_authority;
    if (touched(IDC_AUTHORITIES)) {
        authorities = withFdaAuthority(LineSplitting::splitAtLineBreaks(text(IDC_AUTHORITIES)),
                                       isIndStudy(record));
    } else if (record.is_ind_study.xmlText() != m_loadedIndStudy) {
        authorities = withFdaAuthority(authorities, isIndStudy(record));
    }
}
