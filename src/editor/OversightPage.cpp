#include "editor/OversightPage.h"

#include "editor/LineSplitting.h"
#include "editor/PageControls.h"
#include "model/StudyRecord.h"

#include <algorithm>

namespace {

bool isIndStudy(const StudyRecord& record) {
    return record.is_ind_study.displayText() == "Yes";
}

} // namespace

DialogTemplate OversightPage::pageTemplate() {
    using P = PageControls;
    std::vector<ControlTemplate> controls = {
        P::groupBox(IDC_GROUP, "Oversight", {4, 2, 254, 327}, AnchorGrow),
        P::label(ControlTemplate::kNoId, "Board Approval Status", 16),
        marker(IDC_MARKER_APPROVAL_STATUS, 16),
        P::label(ControlTemplate::kNoId, "Board Approval Number", 44),
        marker(IDC_MARKER_APPROVAL_NUMBER, 44),
        P::edit(IDC_APPROVAL_NUMBER, 54),
        P::label(ControlTemplate::kNoId, "Board Name", 72),
        marker(IDC_MARKER_BOARD_NAME, 72),
        P::edit(IDC_BOARD_NAME, 82),
        P::label(ControlTemplate::kNoId, "Board Affiliation", 100),
        marker(IDC_MARKER_AFFILIATION, 100),
        P::edit(IDC_AFFILIATION, 110),
        P::label(ControlTemplate::kNoId, "Business Phone", {P::kLeft, 128, 100, P::kLabelHeight}),
        marker(IDC_MARKER_PHONE, 128),
        P::edit(IDC_PHONE, {P::kLeft, 138, 100, P::kControlHeight}, 0),
        P::label(ControlTemplate::kNoId, "Extension", {120, 128, 110, P::kLabelHeight}),
        P::edit(IDC_PHONE_EXT, {120, 138, 110, P::kControlHeight}, AnchorStretchRight),
        P::label(ControlTemplate::kNoId, "Email Address", 156),
        P::edit(IDC_EMAIL, 166),
        P::label(ControlTemplate::kNoId, "Business Address", 184),
        P::edit(IDC_ADDRESS, 194),
        P::label(ControlTemplate::kNoId,
                 "Data Monitoring Committee - Has a group been appointed to monitor safety and "
                 "scientific integrity of the study?",
                 212, 2),
        marker(IDC_MARKER_HAS_DMC, 212),
        P::combo(IDC_HAS_DMC, 230, P::yesNo()),
        P::label(ControlTemplate::kNoId,
                 "Oversight Authorities (one per line, use format Country: Name)", 248),
        marker(IDC_MARKER_AUTHORITIES, 248),
        P::multiLineEdit(IDC_AUTHORITIES, 258, 64, AnchorGrow),
        // Last in the tab order although it stands at the top.
        P::combo(IDC_APPROVAL_STATUS, 26,
                 {QStringLiteral("Request not yet submitted"), QStringLiteral("Submitted, pending"),
                  QStringLiteral("Submitted, approved"), QStringLiteral("Submitted, exempt"),
                  QStringLiteral("Submitted, denied"), QStringLiteral("Submission not required")}),
    };
    return EditorPage::pageTemplate(kTemplateNumber, std::move(controls));
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
    if (indStudy && std::ranges::find(authorities, kFdaAuthority) == authorities.end()) {
        authorities.insert(authorities.begin(), kFdaAuthority);
    }
    return authorities;
}

// Shown only: the record gets the FDA entry once the user edits the list or
// answers the IND question anew.
void OversightPage::onLoad(StudyRecord& record) {
    m_loadedIndStudy = record.is_ind_study.xmlText();
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
