#include "editor/ObservationalDesignPage.h"

#include "editor/PageControls.h"
#include "model/StudyRecord.h"

#include <string_view>

namespace {

constexpr std::string_view kObservational = "Observational";
constexpr std::string_view kExpandedAccess = "Expanded Access";

ControlTemplate fieldLabel(const char* text, DialogRect rect, int id = ControlTemplate::kNoId,
                           unsigned anchors = 0) {
    ControlTemplate label = PageControls::label(id, text, rect);
    label.anchors = anchors;
    return label;
}

void addCombo(std::vector<ControlTemplate>& controls, const char* label, int markerId, int y,
              int id, QStringList entries) {
    controls.push_back(fieldLabel(label, {14, y, 200, 8}));
    controls.push_back(EditorPage::marker(markerId, y));
    controls.push_back(
        PageControls::combo(id, {14, y + 10, 216, 12}, AnchorStretchRight, std::move(entries)));
}

} // namespace

DialogTemplate ObservationalDesignPage::pageTemplate() {
    std::vector<ControlTemplate> c = {
        {.id = IDC_GROUP,
         .kind = ControlKind::GroupBox,
         .text = QStringLiteral("Observational Study Design"),
         .rect = {4, 2, 254, 327},
         .anchors = AnchorGrow},
    };
    addCombo(c, "Observational Study Model", IDC_MARKER_STUDY_MODEL, 16, IDC_STUDY_MODEL,
             {"Cohort", "Case-Control", "Case-Only", "Case-Crossover", "Ecologic or Community",
              "Family-Based", "Other"});
    addCombo(c, "Time Perspective", IDC_MARKER_TIMING, 44, IDC_TIMING,
             {"Prospective", "Retrospective", "Cross-Sectional", "Other"});
    addCombo(c, "Biospecimen Retention", IDC_MARKER_BIOSPECIMEN_RETENTION, 72,
             IDC_BIOSPECIMEN_RETENTION,
             {"None Retained", "Samples With DNA", "Samples Without DNA"});
    c.push_back(
        fieldLabel("Biospecimen Description (may be blank if no biospecimens)", {14, 100, 220, 8}));
    c.push_back(marker(IDC_MARKER_BIOSPECIMEN_DESCRIPTION, 100));
    c.push_back({.id = IDC_BIOSPECIMEN_DESCRIPTION,
                 .kind = ControlKind::MultiLineEdit,
                 .rect = {14, 110, 216, 150},
                 .anchors = AnchorGrow});
    // The enrollment and the number of groups stay below the description as it grows.
    c.push_back(fieldLabel("Enrollment Number of Subjects", {14, 268, 120, 8}, IDC_LABEL_ENROLLMENT,
                           AnchorMoveDown));
    c.push_back(marker(IDC_MARKER_ENROLLMENT, 268));
    c.push_back(
        PageControls::edit(IDC_ENROLLMENT, {14, 278, 60, 12}, AnchorMoveDown, StyleDigitsOnly));
    c.push_back(fieldLabel("Enrollment Type", {140, 268, 90, 8}, IDC_LABEL_ENROLLMENT_TYPE,
                           AnchorMoveDown));
    c.push_back(PageControls::combo(IDC_ENROLLMENT_TYPE, {140, 278, 90, 12},
                                    AnchorMoveDown | AnchorStretchRight,
                                    {"Anticipated", "Actual"}));
    c.push_back(fieldLabel("Number of Groups/Cohorts", {14, 296, 200, 8},
                           IDC_LABEL_NUMBER_OF_GROUPS, AnchorMoveDown));
    c.push_back(marker(IDC_MARKER_NUMBER_OF_GROUPS, 296));
    c.push_back(PageControls::edit(IDC_NUMBER_OF_GROUPS, {14, 306, 216, 12},
                                   AnchorMoveDown | AnchorStretchRight, StyleDigitsOnly));
    return EditorPage::pageTemplate(kTemplateNumber, std::move(c));
}

ObservationalDesignPage::ObservationalDesignPage(QWidget* parent) : EditorPage(parent) {
    buildPage(pageTemplate());
    addEnterExempt(IDC_BIOSPECIMEN_DESCRIPTION);
}

void ObservationalDesignPage::onLoad(StudyRecord& record) {
    const ObservationalDesign& design = record.study_design.observational_design;
    setText(IDC_STUDY_MODEL, design.observational_study_design);
    setText(IDC_TIMING, design.timing);
    setText(IDC_BIOSPECIMEN_RETENTION, design.biospecimen_retention);
    setText(IDC_BIOSPECIMEN_DESCRIPTION, design.biospecimen_description.text());
    setText(IDC_ENROLLMENT, record.enrollment);
    setText(IDC_ENROLLMENT_TYPE, record.enrollment_type);
    setText(IDC_NUMBER_OF_GROUPS, design.number_of_groups);
}

void ObservationalDesignPage::onStore(StudyRecord& record) {
    ObservationalDesign& design = record.study_design.observational_design;
    const std::string studyType = record.study_design.study_type.displayText();
    if (studyType == kObservational) {
        storeText(IDC_STUDY_MODEL, design.observational_study_design);
        storeText(IDC_TIMING, design.timing);
        storeText(IDC_BIOSPECIMEN_RETENTION, design.biospecimen_retention);
        design.biospecimen_description.setText(text(IDC_BIOSPECIMEN_DESCRIPTION));
        storeText(IDC_ENROLLMENT, record.enrollment);
        storeText(IDC_ENROLLMENT_TYPE, record.enrollment_type);
        storeText(IDC_NUMBER_OF_GROUPS, design.number_of_groups);
        return;
    }
    // The record never keeps the design of another study type.
    for (std::string* field : {&design.observational_study_design, &design.timing,
                               &design.biospecimen_retention, &design.number_of_groups}) {
        field->clear();
    }
    design.biospecimen_description.setText({});
    if (studyType == kExpandedAccess) {
        record.enrollment.setText("");
        record.enrollment_type.setText("");
    }
}
