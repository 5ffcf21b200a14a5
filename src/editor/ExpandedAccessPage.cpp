#include "editor/ExpandedAccessPage.h"

#include "model/StudyRecord.h"

#include <QCheckBox>

namespace {

ControlShape typeBox(const char* text) {
    return ControlShape::checkBox(QString::fromLatin1(text)).left(24).width(200);
}

} // namespace

DialogTemplate ExpandedAccessPage::pageTemplate() {
    TemplateColumn col = column();
    col.group(IDC_GROUP, QStringLiteral("Expanded Access"));
    col.caption("Expanded Access Type (select all that apply)", {IDC_MARKER_TYPES, "ExpAccType"});
    col.row({{IDC_INDIVIDUAL, typeBox("Individual Patients (including emergency use)")}}, 2);
    col.row({{IDC_INTERMEDIATE, typeBox("Intermediate-size Population")}}, 2);
    col.row({{IDC_TREATMENT, typeBox("Treatment IND/Protocol")}}, 2);
    col.row({{IDC_NO_TYPE, typeBox("No expanded access type")}});
    col.closeGroup(329, AnchorGrow);
    return EditorPage::pageTemplate(kTemplateNumber, col);
}

ExpandedAccessPage::ExpandedAccessPage(QWidget* parent) : EditorPage(parent) {
    buildPage(pageTemplate());
    m_types.emplace(control<QCheckBox>(IDC_NO_TYPE),
                    std::vector<QCheckBox*>{control<QCheckBox>(IDC_INDIVIDUAL),
                                            control<QCheckBox>(IDC_INTERMEDIATE),
                                            control<QCheckBox>(IDC_TREATMENT)});
    using R = StudyRecord;
    bind(IDC_INDIVIDUAL,
         [](R& r) -> std::string& { return r.study_design.exp_acc_type_individual; });
    bind(IDC_INTERMEDIATE,
         [](R& r) -> std::string& { return r.study_design.exp_acc_type_intermediate; });
    bind(IDC_TREATMENT, [](R& r) -> std::string& { return r.study_design.exp_acc_type_treatment; });
    bind(IDC_NO_TYPE, [](R& r) -> std::string& { return r.study_design.no_exp_acc_type; });
}

// The registry asks for at least one type; "none" is offered only to a record
// that already answers it, so that the user can see and change the answer.
void ExpandedAccessPage::onLoad(StudyRecord& record) {
    showControls({IDC_NO_TYPE}, !record.study_design.no_exp_acc_type.empty());
    m_types->showLoaded();
}

void ExpandedAccessPage::onStore(StudyRecord&) {}
