#include "editor/InterventionalDesignPage.h"

#include "model/StudyRecord.h"

#include <QCheckBox>
#include <algorithm>

namespace {

QStringList entries(std::initializer_list<const char*> texts) {
    QStringList list;
    for (const char* text : texts) {
        list << QString::fromLatin1(text);
    }
    return list;
}

// The registry no longer uses these texts: a field is shown only while the
// record holds one, for the user to see and keep or change.
void addOlderField(TemplateColumn& col, const char* label, int labelId, int id,
                   const QStringList& values, const HelpMarker& marker = {}) {
    col.field({QString::fromLatin1(label), labelId}, id, ControlShape::combo(values), marker);
}

} // namespace

DialogTemplate InterventionalDesignPage::pageTemplate() {
    using C = ControlShape;
    TemplateColumn col = column(2, 200);
    col.group(IDC_GROUP, QStringLiteral("Interventional Study Design"));
    col.field("Primary Purpose", IDC_PRIMARY_PURPOSE,
              C::combo(entries({"Treatment", "Prevention", "Diagnostic", "Supportive Care",
                                "Screening", "Health Services Research", "Basic Science",
                                "Device Feasibility", "Other"})),
              {IDC_MARKER_PRIMARY_PURPOSE, "IntPurpose"});
    col.field("Study Phase", IDC_PHASE,
              C::combo(entries({"N/A", "Early Phase 1", "Phase 1", "Phase 1/Phase 2", "Phase 2",
                                "Phase 2/Phase 3", "Phase 3", "Phase 4"})),
              {IDC_MARKER_PHASE, "StudyPhase"});
    col.field(
        "Interventional Study Model", IDC_ASSIGNMENT,
        C::combo(entries({"Single Group Assignment", "Parallel Assignment", "Crossover Assignment",
                          "Factorial Assignment", "Sequential Assignment"})),
        {IDC_MARKER_ASSIGNMENT, "IntDesign"});
    col.field("Model Description", IDC_MODEL_DESCRIPTION, C::lines(30),
              {IDC_MARKER_MODEL_DESCRIPTION, "IntModelDescription"});
    col.field("Number of Arms", IDC_NUMBER_OF_ARMS, C::number(),
              {IDC_MARKER_NUMBER_OF_ARMS, "NumberOfArms"});
    col.caption("Masking", {IDC_MARKER_MASKING, "IntMasking"});
    col.row(
        {{IDC_NO_MASKING, C::checkBox(QStringLiteral("None (Open Label)")).left(24).width(120)}},
        2);
    col.row(
        {{IDC_MASKED_SUBJECT, C::checkBox(QStringLiteral("Participant")).left(24).width(80)},
         {IDC_MASKED_CAREGIVER, C::checkBox(QStringLiteral("Care Provider")).left(110).width(90)}},
        2);
    col.row(
        {{IDC_MASKED_INVESTIGATOR, C::checkBox(QStringLiteral("Investigator")).left(24).width(80)},
         {IDC_MASKED_ASSESSOR,
          C::checkBox(QStringLiteral("Outcomes Assessor")).left(110).width(90)}});
    col.field("Masking Description", IDC_MASKING_DESCRIPTION, C::lines(30),
              {IDC_MARKER_MASKING_DESCRIPTION, "IntMaskingDescription"});
    col.field("Allocation", IDC_ALLOCATION,
              C::combo(entries({"Randomized", "Non-randomized", "N/A"})),
              {IDC_MARKER_ALLOCATION, "IntAllocation"});
    FieldLabel enrollment("Enrollment Number of Subjects");
    enrollment.width = 120;
    col.fields({{enrollment, IDC_ENROLLMENT, C::number().width(60)},
                {"Enrollment Type", IDC_ENROLLMENT_TYPE,
                 C::combo(entries({"Anticipated", "Actual"})).left(140)}},
               {IDC_MARKER_ENROLLMENT, "IntEnrollment"});
    addOlderField(col, "Masking (no longer used)", IDC_LABEL_MASKING, IDC_MASKING,
                  entries({"Open", "Single Blind", "Double Blind"}));
    addOlderField(col, "Control (no longer used)", IDC_LABEL_CONTROL, IDC_CONTROL,
                  entries({"Placebo", "Active", "Uncontrolled", "Historical", "Dose Comparison"}),
                  {IDC_MARKER_CONTROL, "IntDesign"});
    // "Safety/Efficacy " keeps the trailing space the registry's list had.
    addOlderField(col, "Study Endpoint Classification (no longer used)", IDC_LABEL_ENDPOINT,
                  IDC_ENDPOINT,
                  entries({"N/A", "Safety", "Efficacy", "Safety/Efficacy ", "Bio-equivalence",
                           "Bio-availability", "Pharmacokinetics", "Pharmacodynamics",
                           "Pharmacokinetics/dynamics"}),
                  {IDC_MARKER_ENDPOINT, "IntEndpoints"});
    col.closeGroup(std::max(329, col.y()), AnchorGrow);
    return EditorPage::pageTemplate(kTemplateNumber, col);
}

InterventionalDesignPage::InterventionalDesignPage(QWidget* parent) : EditorPage(parent) {
    buildPage(pageTemplate());
    addEnterExempt(IDC_MODEL_DESCRIPTION);
    addEnterExempt(IDC_MASKING_DESCRIPTION);
    m_masking.emplace(control<QCheckBox>(IDC_NO_MASKING),
                      std::vector<QCheckBox*>{control<QCheckBox>(IDC_MASKED_SUBJECT),
                                              control<QCheckBox>(IDC_MASKED_CAREGIVER),
                                              control<QCheckBox>(IDC_MASKED_INVESTIGATOR),
                                              control<QCheckBox>(IDC_MASKED_ASSESSOR)});
    bindFields();
}

void InterventionalDesignPage::bindFields() {
    using R = StudyRecord;
    bind(IDC_PRIMARY_PURPOSE, [](R& r) -> std::string& {
        return r.study_design.interventional_design.interventional_subtype;
    });
    bind(IDC_PHASE,
         [](R& r) -> std::string& { return r.study_design.interventional_design.phase; });
    bind(IDC_ASSIGNMENT,
         [](R& r) -> std::string& { return r.study_design.interventional_design.assignment; });
    bind(IDC_MODEL_DESCRIPTION,
         [](R& r) -> BlockText& { return r.study_design.interventional_design.model_description; });
    bind(IDC_NUMBER_OF_ARMS,
         [](R& r) -> std::string& { return r.study_design.interventional_design.number_of_arms; });
    bind(IDC_NO_MASKING,
         [](R& r) -> std::string& { return r.study_design.interventional_design.no_masking; });
    bind(IDC_MASKED_SUBJECT,
         [](R& r) -> std::string& { return r.study_design.interventional_design.masked_subject; });
    bind(IDC_MASKED_CAREGIVER, [](R& r) -> std::string& {
        return r.study_design.interventional_design.masked_caregiver;
    });
    bind(IDC_MASKED_INVESTIGATOR, [](R& r) -> std::string& {
        return r.study_design.interventional_design.masked_investigator;
    });
    bind(IDC_MASKED_ASSESSOR,
         [](R& r) -> std::string& { return r.study_design.interventional_design.masked_assessor; });
    bind(IDC_MASKING_DESCRIPTION, [](R& r) -> BlockText& {
        return r.study_design.interventional_design.masking_description;
    });
    bind(IDC_ALLOCATION,
         [](R& r) -> std::string& { return r.study_design.interventional_design.allocation; });
    bind(IDC_ENROLLMENT, [](R& r) -> FieldValue& { return r.enrollment; });
    bind(IDC_ENROLLMENT_TYPE, [](R& r) -> FieldValue& { return r.enrollment_type; });
    bind(IDC_MASKING,
         [](R& r) -> std::string& { return r.study_design.interventional_design.masking; });
    bind(IDC_CONTROL,
         [](R& r) -> std::string& { return r.study_design.interventional_design.control; });
    bind(IDC_ENDPOINT,
         [](R& r) -> std::string& { return r.study_design.interventional_design.endpoint; });
}

void InterventionalDesignPage::onLoad(StudyRecord& record) {
    const InterventionalDesign& design = record.study_design.interventional_design;
    m_masking->showLoaded();
    showControls({IDC_LABEL_MASKING, IDC_MASKING}, !design.masking.empty());
    showControls({IDC_LABEL_CONTROL, IDC_CONTROL, IDC_MARKER_CONTROL}, !design.control.empty());
    showControls({IDC_LABEL_ENDPOINT, IDC_ENDPOINT, IDC_MARKER_ENDPOINT}, !design.endpoint.empty());
}

void InterventionalDesignPage::onStore(StudyRecord&) {}
