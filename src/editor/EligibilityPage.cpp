#include "editor/EligibilityPage.h"

#include "editor/AgeText.h"
#include "model/RegistryText.h"
#include "model/StudyRecord.h"

#include <QComboBox>

namespace {

const QStringList kUnits = {QStringLiteral("Years"), QStringLiteral("Months"),
                            QStringLiteral("Weeks"), QStringLiteral("Days"),
                            QStringLiteral("Hours"), QStringLiteral("Minutes"),
                            QStringLiteral("N/A")};

// Study types are compared exactly, as the Title page stores them.
bool isObservational(const std::string& studyType) {
    return studyType == "Observational";
}

bool isExpandedAccess(const std::string& studyType) {
    return studyType == "Expanded Access";
}

// One row of an age limit: caption, number box, "Unit" and the unit box.
void addAgeRow(TemplateColumn& col, const char* caption, int numberId, int unitId,
               unsigned unitAnchors, int gap) {
    using C = ControlShape;
    col.row({{ControlTemplate::kNoId, C::label(QString::fromLatin1(caption)).left(24).width(36)},
             {numberId, C::number().left(62).width(36)},
             {ControlTemplate::kNoId, C::label(QStringLiteral("Unit")).left(106).width(20)},
             {unitId, C::combo(kUnits).left(128).width(70).anchors(unitAnchors)}},
            gap);
}

} // namespace

DialogTemplate EligibilityPage::pageTemplate() {
    using C = ControlShape;
    TemplateColumn col = column();
    col.group(IDC_GROUP, QStringLiteral("Eligibility"));
    // The criteria and the study population share the height the window gains.
    col.field("Eligibility Criteria", IDC_CRITERIA,
              C::lines(76).anchors(AnchorGrow | AnchorUpperHalf),
              {IDC_MARKER_CRITERIA, "EligibilityCriteria"});
    // Widens only: a taller drop-down list would cover the age limits.
    col.field("Sex", IDC_GENDER,
              C::combo({QStringLiteral("All"), QStringLiteral("Female"), QStringLiteral("Male")}),
              {IDC_MARKER_GENDER, "EligibilityGender"});
    col.field("Gender Based", IDC_GENDER_BASED, C::combo(yesNo()),
              {IDC_MARKER_GENDER_BASED, "EligibilityGenderBased"});
    col.field({QStringLiteral("Gender Eligibility Description"), IDC_LABEL_GENDER_DESCRIPTION},
              IDC_GENDER_DESCRIPTION, C::lines(30),
              {IDC_MARKER_GENDER_DESCRIPTION, "EligibilityGenderDescription"});
    col.caption("Age Limits", {IDC_MARKER_AGE_LIMITS, "EligibilityMinAge"});
    addAgeRow(col, "Minimum", IDC_MINIMUM_AGE, IDC_MINIMUM_UNIT, 0, 4);
    addAgeRow(col, "Maximum", IDC_MAXIMUM_AGE, IDC_MAXIMUM_UNIT, AnchorStretchRight, 8);
    col.field({QStringLiteral("Accepts Healthy Volunteers?"), IDC_LABEL_HEALTHY_VOLUNTEERS},
              IDC_HEALTHY_VOLUNTEERS, C::combo(yesNo()),
              {IDC_MARKER_HEALTHY_VOLUNTEERS, "HealthyVolunteers"});
    col.field(
        {QStringLiteral("Sampling Method"), IDC_LABEL_SAMPLING_METHOD}, IDC_SAMPLING_METHOD,
        C::combo({QStringLiteral("Probability Sample"), QStringLiteral("Non-Probability Sample")}),
        {IDC_MARKER_SAMPLING_METHOD, "EligibilitySamplingMethod"});
    col.field({QStringLiteral("Study Population Description"), IDC_LABEL_STUDY_POPULATION},
              IDC_STUDY_POPULATION, C::lines(72).anchors(AnchorGrow),
              {IDC_MARKER_STUDY_POPULATION, "EligibilityStudyPopulation"});
    col.closeGroup(329, AnchorGrow);
    return EditorPage::pageTemplate(kTemplateNumber, col);
}

EligibilityPage::EligibilityPage(QWidget* parent) : EditorPage(parent) {
    buildPage(pageTemplate());
    addEnterExempt(IDC_CRITERIA);
    addEnterExempt(IDC_STUDY_POPULATION);
    addEnterExempt(IDC_GENDER_DESCRIPTION);
    using R = StudyRecord;
    bind(IDC_CRITERIA, [](R& r) -> BlockText& { return r.eligibility.criteria; });
    bind(IDC_GENDER, [](R& r) -> std::string& { return r.eligibility.gender; });
    bind(IDC_GENDER_BASED, [](R& r) -> std::string& { return r.eligibility.gender_based; });
    bind(IDC_GENDER_DESCRIPTION,
         [](R& r) -> BlockText& { return r.eligibility.gender_description; });
    bind(IDC_HEALTHY_VOLUNTEERS,
         [](R& r) -> std::string& { return r.eligibility.healthy_volunteers; });
    bind(IDC_SAMPLING_METHOD, [](R& r) -> std::string& { return r.eligibility.sampling_method; });
    bind(IDC_STUDY_POPULATION, [](R& r) -> BlockText& { return r.eligibility.study_population; });
    // The user's answer switches the description; what it holds stays.
    connect(control<QComboBox>(IDC_GENDER_BASED), &QComboBox::currentIndexChanged, this,
            [this] { enableGenderDescription(RegistryText::isYes(text(IDC_GENDER_BASED))); });
}

void EligibilityPage::onLoad(StudyRecord& record) {
    applyStudyType(record.study_design.study_type.displayText());
    enableGenderDescription(RegistryText::isYes(record.eligibility.gender_based) ||
                            !record.eligibility.gender_description.text().empty());
    loadAge(IDC_MINIMUM_AGE, IDC_MINIMUM_UNIT, record.eligibility.minimum_age);
    loadAge(IDC_MAXIMUM_AGE, IDC_MAXIMUM_UNIT, record.eligibility.maximum_age);
}

// An age shown as loaded keeps its text ("N/A", " N/A", "18 years").
void EligibilityPage::onStore(StudyRecord& record) {
    storeAge(IDC_MINIMUM_AGE, IDC_MINIMUM_UNIT, record.eligibility.minimum_age);
    storeAge(IDC_MAXIMUM_AGE, IDC_MAXIMUM_UNIT, record.eligibility.maximum_age);
}

void EligibilityPage::applyStudyType(const std::string& studyType) {
    showControls({IDC_LABEL_SAMPLING_METHOD, IDC_SAMPLING_METHOD, IDC_MARKER_SAMPLING_METHOD,
                  IDC_LABEL_STUDY_POPULATION, IDC_STUDY_POPULATION, IDC_MARKER_STUDY_POPULATION},
                 isObservational(studyType));
    showControls(
        {IDC_LABEL_HEALTHY_VOLUNTEERS, IDC_HEALTHY_VOLUNTEERS, IDC_MARKER_HEALTHY_VOLUNTEERS},
        !isExpandedAccess(studyType));
}

void EligibilityPage::enableGenderDescription(bool enabled) {
    enableControls({IDC_LABEL_GENDER_DESCRIPTION, IDC_GENDER_DESCRIPTION}, enabled);
}

void EligibilityPage::loadAge(int numberId, int unitId, const std::string& age) {
    const AgeText::Parts parts = AgeText::split(age);
    setText(numberId, parts.number);
    setText(unitId, parts.unit);
}

void EligibilityPage::storeAge(int numberId, int unitId, std::string& age) const {
    if (touched(numberId) || touched(unitId)) {
        age = AgeText::join(text(numberId), text(unitId));
    }
}
