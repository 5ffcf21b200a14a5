#include "editor/ObservationalDesignPage.h"

#include "model/RegistryText.h"
#include "model/StudyRecord.h"

#include <QComboBox>

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
    col.field(description, IDC_BIOSPECIMEN_DESCRIPTION, C::lines(90).anchors(AnchorGrow),
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
    col.field("Patient Registry", IDC_PATIENT_REGISTRY, C::combo(yesNo()),
              {IDC_MARKER_PATIENT_REGISTRY, "ObsPatientRegistry"});
    FieldLabel duration(QStringLiteral("Target Follow-Up Duration"), IDC_LABEL_TARGET_DURATION);
    duration.width = 120;
    col.fields({{duration, IDC_TARGET_DURATION, C::number().width(60)},
                {{QStringLiteral("Unit"), IDC_LABEL_TARGET_DURATION_UNITS},
                 IDC_TARGET_DURATION_UNITS,
                 C::combo(entries({"Years", "Months", "Weeks", "Days"})).left(140)}},
               {IDC_MARKER_TARGET_DURATION, "ObsTargetDuration"});
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
    bind(IDC_PATIENT_REGISTRY,
         [](R& r) -> std::string& { return r.study_design.observational_design.patient_registry; });
    bind(IDC_TARGET_DURATION, [](R& r) -> std::string& {
        return r.study_design.observational_design.target_duration_quantity;
    });
    bind(IDC_TARGET_DURATION_UNITS, [](R& r) -> std::string& {
        return r.study_design.observational_design.target_duration_units;
    });
    // The user's answer switches the duration; what it holds stays.
    connect(control<QComboBox>(IDC_PATIENT_REGISTRY), &QComboBox::currentIndexChanged, this,
            [this] { enableTargetDuration(RegistryText::isYes(text(IDC_PATIENT_REGISTRY))); });
}

// A duration the record holds stays editable whatever the answer.
void ObservationalDesignPage::onLoad(StudyRecord& record) {
    const ObservationalDesign& design = record.study_design.observational_design;
    enableTargetDuration(RegistryText::isYes(design.patient_registry) ||
                         !design.target_duration_quantity.empty() ||
                         !design.target_duration_units.empty());
}

void ObservationalDesignPage::enableTargetDuration(bool enabled) {
    enableControls({IDC_LABEL_TARGET_DURATION, IDC_TARGET_DURATION, IDC_LABEL_TARGET_DURATION_UNITS,
                    IDC_TARGET_DURATION_UNITS},
                   enabled);
}

void ObservationalDesignPage::onStore(StudyRecord&) {}
