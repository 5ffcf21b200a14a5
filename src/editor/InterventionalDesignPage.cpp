#include "editor/InterventionalDesignPage.h"

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

QStringList entries(std::initializer_list<const char*> texts) {
    QStringList list;
    for (const char* text : texts) {
        list << QString::fromLatin1(text);
    }
    return list;
}

} // namespace

DialogTemplate InterventionalDesignPage::pageTemplate() {
    using C = ControlShape;
    TemplateColumn col = column(2, 200);
    col.group(IDC_GROUP, QStringLiteral("Interventional Study Design"));
    col.field(
        "Primary Purpose", IDC_PRIMARY_PURPOSE,
        C::combo(entries({"Treatment", "Prevention", "Diagnostic", "Supportive Care", "Screening",
                          "Health Services Research", "Basic Science", "Other"})),
        {IDC_MARKER_PRIMARY_PURPOSE, "IntPurpose"});
    col.field("Study Phase", IDC_PHASE,
              C::combo(entries({"N/A", "Phase 0", "Phase 1", "Phase 1/Phase 2", "Phase 2",
                                "Phase 2/Phase 3", "Phase 3", "Phase 4"})),
              {IDC_MARKER_PHASE, "StudyPhase"});
    col.field("Intervention Model", IDC_ASSIGNMENT,
              C::combo(entries({"Single Group Assignment", "Parallel Assignment",
                                "Cross-over Assignment", "Factorial Assignment"})),
              {IDC_MARKER_ASSIGNMENT, "IntDesign"});
    col.field("Number of Arms", IDC_NUMBER_OF_ARMS, C::number(),
              {IDC_MARKER_NUMBER_OF_ARMS, "NumberOfArms"});
    col.field("Masking", IDC_MASKING, C::combo(entries({"Open", "Single Blind", "Double Blind"})),
              {IDC_MARKER_MASKING, "IntMasking"});
    col.caption("Masked Roles");
    col.row({{IDC_MASKED_SUBJECT, C::checkBox(QStringLiteral("Subject")).left(24).width(80)},
             {IDC_MASKED_CAREGIVER, C::checkBox(QStringLiteral("Caregiver")).left(110).width(90)}},
            2);
    col.row(
        {{IDC_MASKED_INVESTIGATOR, C::checkBox(QStringLiteral("Investigator")).left(24).width(80)},
         {IDC_MASKED_ASSESSOR,
          C::checkBox(QStringLiteral("Outcomes Assessor")).left(110).width(90)}});
    col.field("Allocation", IDC_ALLOCATION,
              C::combo(entries({"N/A", "Randomized Controlled Trial", "Non-randomized Trial"})),
              {IDC_MARKER_ALLOCATION, "IntAllocation"});
    col.field(
        "Control", IDC_CONTROL,
        C::combo(entries({"Placebo", "Active", "Uncontrolled", "Historical", "Dose Comparison"})),
        {IDC_MARKER_CONTROL, "IntDesign"});
    // "Safety/Efficacy " keeps the trailing space the registry's list has.
    col.field("Study Endpoint Classification", IDC_ENDPOINT,
              C::combo(entries({"N/A", "Safety", "Efficacy", "Safety/Efficacy ", "Bio-equivalence",
                                "Bio-availability", "Pharmacokinetics", "Pharmacodynamics",
                                "Pharmacokinetics/dynamics"})),
              {IDC_MARKER_ENDPOINT, "IntEndpoints"});
    FieldLabel enrollment("Enrollment Number of Subjects");
    enrollment.width = 120;
    col.fields({{enrollment, IDC_ENROLLMENT, C::number().width(60)},
                {"Enrollment Type", IDC_ENROLLMENT_TYPE,
                 C::combo(entries({"Anticipated", "Actual"})).left(140)}},
               {IDC_MARKER_ENROLLMENT, "IntEnrollment"});
    col.closeGroup(329, AnchorGrow);
    return EditorPage::pageTemplate(kTemplateNumber, col);
}

InterventionalDesignPage::InterventionalDesignPage(QWidget* parent) : EditorPage(parent) {
    buildPage(pageTemplate());
    connect(control<QComboBox>(IDC_MASKING), &QComboBox::currentIndexChanged, this,
            &InterventionalDesignPage::maskingChanged);
    using R = StudyRecord;
    bind(IDC_PRIMARY_PURPOSE, [](R& r) -> std::string& {
        return r.study_design.interventional_design.interventional_subtype;
    });
    bind(IDC_PHASE,
         [](R& r) -> std::string& { return r.study_design.interventional_design.phase; });
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
    bind(IDC_MASKED_CAREGIVER, [](R& r) -> std::string& {
        return r.study_design.interventional_design.masked_caregiver;
    });
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
