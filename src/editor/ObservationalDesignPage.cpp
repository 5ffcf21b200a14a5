#include "editor/ObservationalDesignPage.h"

#include "model/StudyRecord.h"

#include <string_view>

namespace {

QStringList entries(std::initializer_list<const char*> texts) {
    QStringList list;
    for (const char* text : texts) {
        list << QString::fromLatin1(text);
    }
    return list;
}

} // namespace

DialogTemplate ObservationalDesignPage::pageTemplate() {
    using C = ControlShape;
    TemplateColumn col = column(2, 200);
    col.group(IDC_GROUP, QStringLiteral("Observational Study Design"));
    col.field("Observational Study Model", IDC_STUDY_MODEL,
              C::combo(entries({"Cohort", "Case-Control", "Case-Only", "Case-Crossover",
                                "Ecologic or Community", "Family-Based", "Other"})),
              {IDC_MARKER_STUDY_MODEL, "ObsStudyDesign"});
    col.field("Time Perspective", IDC_TIMING,
              C::combo(entries({"Prospective", "Retrospective", "Cross-Sectional", "Other"})),
              {IDC_MARKER_TIMING, "ObsTiming"});
    col.field("Biospecimen Retention", IDC_BIOSPECIMEN_RETENTION,
              C::combo(entries({"None Retained", "Samples With DNA", "Samples Without DNA"})),
              {IDC_MARKER_BIOSPECIMEN_RETENTION, "ObsBiospecimenRetention"});
    FieldLabel description("Biospecimen Description (may be blank if no biospecimens)");
    description.width = 220;
    col.field(description, IDC_BIOSPECIMEN_DESCRIPTION, C::lines(150).anchors(AnchorGrow),
              {IDC_MARKER_BIOSPECIMEN_DESCRIPTION, "ObsBiospecimenDescription"});
    // The enrollment and the number of groups stay below the description as it grows.
    FieldLabel enrollment(QStringLiteral("Enrollment Number of Subjects"), IDC_LABEL_ENROLLMENT);
    enrollment.width = 120;
    col.fields({{enrollment, IDC_ENROLLMENT, C::number().width(60)},
                {{QStringLiteral("Enrollment Type"), IDC_LABEL_ENROLLMENT_TYPE},
                 IDC_ENROLLMENT_TYPE,
                 C::combo(entries({"Anticipated", "Actual"})).left(140)}},
               {IDC_MARKER_ENROLLMENT, "IntEnrollment"});
    col.field({QStringLiteral("Number of Groups/Cohorts"), IDC_LABEL_NUMBER_OF_GROUPS},
              IDC_NUMBER_OF_GROUPS, C::number(), {IDC_MARKER_NUMBER_OF_GROUPS, "NumberOfGroups"});
    col.closeGroup(329, AnchorGrow);
    return EditorPage::pageTemplate(kTemplateNumber, col);
}

ObservationalDesignPage::ObservationalDesignPage(QWidget* parent) : EditorPage(parent) {
    buildPage(pageTemplate());
    addEnterExempt(IDC_BIOSPECIMEN_DESCRIPTION);
    using R = StudyRecord;
    bind(IDC_STUDY_MODEL, [](R& r) -> std::string& {
        return r.study_design.observational_design.observational_study_design;
    });
    bind(IDC_TIMING,
         [](R& r) -> std::string& { return r.study_design.observational_design.timing; });
    bind(IDC_BIOSPECIMEN_RETENTION, [](R& r) -> std::string& {
        return r.study_design.observational_design.biospecimen_retention;
    });
    bind(IDC_BIOSPECIMEN_DESCRIPTION, [](R& r) -> BlockText& {
        return r.study_design.observational_design.biospecimen_description;
    });
    bind(IDC_ENROLLMENT, [](R& r) -> FieldValue& { return r.enrollment; });
    bind(IDC_ENROLLMENT_TYPE, [](R& r) -> FieldValue& { return r.enrollment_type; });
    bind(IDC_NUMBER_OF_GROUPS,
         [](R& r) -> std::string& { return r.study_design.observational_design.number_of_groups; });
}

void ObservationalDesignPage::onLoad(StudyRecord&) {}

void ObservationalDesignPage::onStore(StudyRecord&) {}
