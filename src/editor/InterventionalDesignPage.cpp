#include "editor/InterventionalDesignPage.h"

#include "editor/PageControls.h"
#include "model/StudyRecord.h"

#include <QCheckBox>
#include <QComboBox>
#include <QSignalBlocker>
#include <string_view>

namespace {

constexpr std::string_view kInterventional = "Interventional";
constexpr std::string_view kTrue = "true";

constexpr int kMaskedRoles[] = {InterventionalDesignPage::IDC_MASKED_SUBJECT,
                                InterventionalDesignPage::IDC_MASKED_CAREGIVER,
                                InterventionalDesignPage::IDC_MASKED_INVESTIGATOR,
                                InterventionalDesignPage::IDC_MASKED_ASSESSOR};

bool isBlind(std::string_view masking) {
    return masking.find("Blind") != std::string_view::npos;
}

std::string checkText(bool checked) {
    return std::string(checked ? kTrue : std::string_view("false"));
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
    InterventionalDesign& design = record.study_design.interventional_design;
    const bool blind = isBlind(design.masking);
    enableMaskedRoles(blind);
    if (!blind) {
        for (std::string* role : {&design.masked_subject, &design.masked_caregiver,
                                  &design.masked_investigator, &design.masked_assessor}) {
            role->clear();
        }
    }
    setText(IDC_PRIMARY_PURPOSE, design.interventional_subtype);
    setText(IDC_PHASE, design.phase);
    setText(IDC_ASSIGNMENT, design.assignment);
    {
        // The roles follow the record's masking text, not the entry it selects.
        const QSignalBlocker quiet(control(IDC_MASKING));
        setText(IDC_MASKING, design.masking);
    }
    setText(IDC_ALLOCATION, design.allocation);
    setText(IDC_CONTROL, design.control);
    setText(IDC_ENDPOINT, design.endpoint);
    setText(IDC_NUMBER_OF_ARMS, design.number_of_arms);
    setChecked(IDC_MASKED_SUBJECT, design.masked_subject == kTrue);
    setChecked(IDC_MASKED_CAREGIVER, design.masked_caregiver == kTrue);
    setChecked(IDC_MASKED_INVESTIGATOR, design.masked_investigator == kTrue);
    setChecked(IDC_MASKED_ASSESSOR, design.masked_assessor == kTrue);
    setText(IDC_ENROLLMENT, record.enrollment);
    setText(IDC_ENROLLMENT_TYPE, record.enrollment_type);
}

void InterventionalDesignPage::onStore(StudyRecord& record) {
    InterventionalDesign& design = record.study_design.interventional_design;
    if (record.study_design.study_type.displayText() != kInterventional) {
        // The record never keeps the design of another study type.
        for (std::string* field :
             {&design.interventional_subtype, &design.phase, &design.assignment, &design.allocation,
              &design.masking, &design.masked_subject, &design.masked_caregiver,
              &design.masked_investigator, &design.masked_assessor, &design.control,
              &design.endpoint, &design.number_of_arms}) {
            field->clear();
        }
        return;
    }
    storeText(IDC_PRIMARY_PURPOSE, design.interventional_subtype);
    storeText(IDC_PHASE, design.phase);
    storeText(IDC_ASSIGNMENT, design.assignment);
    storeText(IDC_NUMBER_OF_ARMS, design.number_of_arms);
    storeText(IDC_MASKING, design.masking);
    design.masked_subject = checkText(isChecked(IDC_MASKED_SUBJECT));
    design.masked_caregiver = checkText(isChecked(IDC_MASKED_CAREGIVER));
    design.masked_investigator = checkText(isChecked(IDC_MASKED_INVESTIGATOR));
    design.masked_assessor = checkText(isChecked(IDC_MASKED_ASSESSOR));
    storeText(IDC_ALLOCATION, design.allocation);
    storeText(IDC_CONTROL, design.control);
    storeText(IDC_ENDPOINT, design.endpoint);
    storeText(IDC_ENROLLMENT, record.enrollment);
    storeText(IDC_ENROLLMENT_TYPE, record.enrollment_type);
}

void InterventionalDesignPage::maskingChanged() {
    const bool blind = isBlind(text(IDC_MASKING));
    enableMaskedRoles(blind);
    if (!blind) {
        for (int id : kMaskedRoles) {
            setChecked(id, false);
        }
    }
}
