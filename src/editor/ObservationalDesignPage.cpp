#include "editor/ObservationalDesignPage.h"

#include "editor/PageControls.h"
#include "model/StudyRecord.h"

#include <string_view>

namespace {

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
    using R = StudyRecord;
    bind(IDC_STUDY_MODEL, [](R& r) -> std::string& {
        return r.study_design.observational_design.observational_study_design;
    });
    bind(IDC_TIMING, [](R& r) -> std::string& { return r.study_design.observational_design.timing; });
    bind(IDC_BIOSPECIMEN_RETENTION, [](R& r) -> std::string& {
        return r.study_design.observational_design.biospecimen_retention;
    });
    bind(IDC_BIOSPECIMEN_DESCRIPTION, [](R& r) -> BlockText& {
        return r.study_design.observational_design.biospecimen_description;
    });
    bind(IDC_ENROLLMENT, [](R& r) -> FieldValue& { return r.enrollment; });
    bind(IDC_ENROLLMENT_TYPE, [](R& r) -> FieldValue& { return r.enrollment_type; });
    bind(IDC_NUMBER_OF_GROUPS, [](R& r) -> std::string& {
        return r.study_design.observational_design.number_of_groups;
    });
}

void ObservationalDesignPage::onLoad(StudyRecord&) {}

void ObservationalDesignPage::onStore(StudyRecord&) {}
