#include "editor/InterventionalDesignPage.h"

#include "editor/PageControls.h"
#include "model/StudyRecord.h"

#include <QCheckBox>
#include <QComboBox>
#include <QSignalBlocker>
#include <string_view>

namespace {


constexpr int kMaskedRoles[] = {InterventionalDesignPage::IDC_MASKED_SUBJECT,
                                InterventionalDesignPage::IDC_MASKED_CAREGIVER,
                                InterventionalDesignPage::IDC_MASKED_INVESTIGATOR,
                                InterventionalDesignPage::IDC_MASKED_ASSESSOR};

bool isBlind(std::string_view masking) {
    return masking.find("Blind") != std::string_view::npos;
}

// A labelled drop-down list across the page, the label `y` above the box.
void addCombo(std::vector<ControlTemplate>& controls, const char* label, int markerId, int y,
              int id, QStringList entries) {
    controls.push_back(PageControls::label(ControlTemplate::kNoId, label, {14, y, 200, 8}));
    controls.push_back(EditorPage::marker(markerId, y));
    controls.push_back(
        PageControls::combo(id, {14, y + 10, 216, 12}, AnchorStretchRight, std::move(entries)));
}

ControlTemplate checkBox(int id, const char* text, DialogRect rect) {
    return {
        .id = id, .kind = ControlKind::CheckBox, .text = QString::fromLatin1(text), .rect = rect};
}

} // namespace

DialogTemplate InterventionalDesignPage::pageTemplate() {
    std::vector<ControlTemplate> c = {
        {.id = IDC_GROUP,
         .kind = ControlKind::GroupBox,
         .text = QStringLiteral("Interventional Study Design"),
         .rect = {4, 2, 254, 327},
         .anchors = AnchorGrow},
    };
    addCombo(c, "Primary Purpose", IDC_MARKER_PRIMARY_PURPOSE, 16, IDC_PRIMARY_PURPOSE,
             {"Treatment", "Prevention", "Diagnostic", "Supportive Care", "Screening",
              "Health Services Research", "Basic Science", "Other"});
    addCombo(c, "Study Phase", IDC_MARKER_PHASE, 44, IDC_PHASE,
             {"N/A", "Phase 0", "Phase 1", "Phase 1/Phase 2", "Phase 2", "Phase 2/Phase 3",
              "Phase 3", "Phase 4"});
    addCombo(c, "Intervention Model", IDC_MARKER_ASSIGNMENT, 72, IDC_ASSIGNMENT,
             {"Single Group Assignment", "Parallel Assignment", "Cross-over Assignment",
              "Factorial Assignment"});
    c.push_back(PageControls::label(ControlTemplate::kNoId, "Number of Arms", {14, 100, 200, 8}));
    c.push_back(marker(IDC_MARKER_NUMBER_OF_ARMS, 100));
    c.push_back(PageControls::edit(IDC_NUMBER_OF_ARMS, {14, 110, 216, 12}, AnchorStretchRight,
                                   StyleDigitsOnly));
    addCombo(c, "Masking", IDC_MARKER_MASKING, 128, IDC_MASKING,
             {"Open", "Single Blind", "Double Blind"});
    c.push_back(PageControls::label(ControlTemplate::kNoId, "Masked Roles", {14, 156, 200, 8}));
    c.push_back(checkBox(IDC_MASKED_SUBJECT, "Subject", {24, 166, 80, 10}));
    c.push_back(checkBox(IDC_MASKED_CAREGIVER, "Caregiver", {110, 166, 90, 10}));
    c.push_back(checkBox(IDC_MASKED_INVESTIGATOR, "Investigator", {24, 178, 80, 10}));
    c.push_back(checkBox(IDC_MASKED_ASSESSOR, "Outcomes Assessor", {110, 178, 90, 10}));
    addCombo(c, "Allocation", IDC_MARKER_ALLOCATION, 194, IDC_ALLOCATION,
             {"N/A", "Randomized Controlled Trial", "Non-randomized Trial"});
    addCombo(c, "Control", IDC_MARKER_CONTROL, 222, IDC_CONTROL,
             {"Placebo", "Active", "Uncontrolled", "Historical", "Dose Comparison"});
    // "Safety/Efficacy " keeps the trailing space the registry's list has.
    addCombo(c, "Study Endpoint Classification", IDC_MARKER_ENDPOINT, 250, IDC_ENDPOINT,
             {"N/A", "Safety", "Efficacy", "Safety/Efficacy ", "Bio-equivalence",
              "Bio-availability", "Pharmacokinetics", "Pharmacodynamics",
              "Pharmacokinetics/dynamics"});
    c.push_back(PageControls::label(ControlTemplate::kNoId, "Enrollment Number of Subjects",
                                    {14, 278, 120, 8}));
    c.push_back(marker(IDC_MARKER_ENROLLMENT, 278));
    c.push_back(PageControls::edit(IDC_ENROLLMENT, {14, 288, 60, 12}, 0, StyleDigitsOnly));
    c.push_back(PageControls::label(ControlTemplate::kNoId, "Enrollment Type", {140, 278, 90, 8}));
    c.push_back(PageControls::combo(IDC_ENROLLMENT_TYPE, {140, 288, 90, 12}, AnchorStretchRight,
                                    {"Anticipated", "Actual"}));
    return EditorPage::pageTemplate(kTemplateNumber, std::move(c));
}

InterventionalDesignPage::InterventionalDesignPage(QWidget* parent) : EditorPage(parent) {
    buildPage(pageTemplate());
    connect(control<QComboBox>(IDC_MASKING), &QComboBox::currentIndexChanged, this,
            &InterventionalDesignPage::maskingChanged);
    using R = StudyRecord;
    bind(IDC_PRIMARY_PURPOSE, [](R& r) -> std::string& {
        return r.study_design.interventional_design.interventional_subtype;
    });
    bind(IDC_PHASE, [](R& r) -> std::string& { return r.study_design.interventional_design.phase; });
    bind(IDC_ASSIGNMENT,
         [](R& r) -> std::string& { return r.study_design.interventional_design.assignment; });
    bind(IDC_MASKING,
         [](R& r) -> std::string& { return r.study_design.interventional_design.masking; });
    bind(IDC_ALLOCATION,
         [](R& r) -> std::string& { return r.study_design.interventional_design.allocation; });
    bind(IDC_CONTROL,
         [](R& r) -> std::string& { return r.study_design.interventional_design.control; });
    bind(IDC_ENDPOINT,
         [](R& r) -> std::string& { return r.study_design.interventional_design.endpoint; });
    bind(IDC_NUMBER_OF_ARMS,
         [](R& r) -> std::string& { return r.study_design.interventional_design.number_of_arms; });
    bind(IDC_MASKED_SUBJECT,
         [](R& r) -> std::string& { return r.study_design.interventional_design.masked_subject; });
    bind(IDC_MASKED_CAREGIVER,
         [](R& r) -> std::string& { return r.study_design.interventional_design.masked_caregiver; });
    bind(IDC_MASKED_INVESTIGATOR, [](R& r) -> std::string& {
        return r.study_design.interventional_design.masked_investigator;
    });
    bind(IDC_MASKED_ASSESSOR,
         [](R& r) -> std::string& { return r.study_design.interventional_design.masked_assessor; });
    bind(IDC_ENROLLMENT, [](R& r) -> FieldValue& { return r.enrollment; });
    bind(IDC_ENROLLMENT_TYPE, [](R& r) -> FieldValue& { return r.enrollment_type; });
}

void InterventionalDesignPage::enableMaskedRoles(bool enabled) {
    for (int id : kMaskedRoles) {
        control(id)->setEnabled(enabled);
    }
}

void InterventionalDesignPage::setChecked(int id, bool checked) {
    control<QCheckBox>(id)->setChecked(checked);
}

bool InterventionalDesignPage::isChecked(int id) const {
    return control<QCheckBox>(id)->isChecked();
}

void InterventionalDesignPage::onLoad(StudyRecord& record) {
    enableMaskedRoles(isBlind(record.study_design.interventional_design.masking));
}

void InterventionalDesignPage::onStore(StudyRecord&) {}

void InterventionalDesignPage::maskingChanged() {
    const bool blind = isBlind(text(IDC_MASKING));
    enableMaskedRoles(blind);
    if (!blind) {
        for (int id : kMaskedRoles) {
            setChecked(id, false);
        }
    }
}
