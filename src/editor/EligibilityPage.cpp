#include "editor/EligibilityPage.h"

#include "editor/AgeText.h"
#include "editor/PageControls.h"
#include "model/StudyRecord.h"

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
void addAgeRow(std::vector<ControlTemplate>& controls, const char* caption, int y, int numberId,
               int unitId, unsigned unitAnchors) {
    using P = PageControls;
    controls.push_back(P::label(ControlTemplate::kNoId, caption, {24, y + 2, 36, P::kLabelHeight}));
    controls.push_back(P::edit(numberId, {62, y, 36, P::kControlHeight}, 0, StyleDigitsOnly));
    controls.push_back(P::label(ControlTemplate::kNoId, "Unit", {106, y + 2, 20, P::kLabelHeight}));
    controls.push_back(P::combo(unitId, {128, y, 70, P::kControlHeight}, unitAnchors, kUnits));
}

} // namespace

DialogTemplate EligibilityPage::pageTemplate() {
    using P = PageControls;
    std::vector<ControlTemplate> controls = {
        P::groupBox(IDC_GROUP, "Eligibility", {4, 2, 254, 327}, AnchorGrow),
        P::label(ControlTemplate::kNoId, "Eligibility Criteria", 16),
        marker(IDC_MARKER_CRITERIA, 16),
        P::multiLineEdit(IDC_CRITERIA, 26, 76, AnchorStretchRight),
        P::label(ControlTemplate::kNoId, "Gender", 110),
        marker(IDC_MARKER_GENDER, 110),
        // Widens only: a taller drop-down list would cover the age limits.
        P::combo(IDC_GENDER, 120,
                 {QStringLiteral("Both"), QStringLiteral("Female"), QStringLiteral("Male")}),
        P::label(ControlTemplate::kNoId, "Age Limits", 138),
        marker(IDC_MARKER_AGE_LIMITS, 138),
    };
    addAgeRow(controls, "Minimum", 148, IDC_MINIMUM_AGE, IDC_MINIMUM_UNIT, 0);
    addAgeRow(controls, "Maximum", 164, IDC_MAXIMUM_AGE, IDC_MAXIMUM_UNIT, AnchorStretchRight);
    const std::vector<ControlTemplate> rest = {
        P::label(IDC_LABEL_HEALTHY_VOLUNTEERS, "Accepts Healthy Volunteers?", 184),
        marker(IDC_MARKER_HEALTHY_VOLUNTEERS, 184),
        P::combo(IDC_HEALTHY_VOLUNTEERS, 194, P::yesNo()),
        P::label(IDC_LABEL_SAMPLING_METHOD, "Sampling Method", 212),
        marker(IDC_MARKER_SAMPLING_METHOD, 212),
        P::combo(IDC_SAMPLING_METHOD, 222,
                 {QStringLiteral("Probability Sample"), QStringLiteral("Non-Probability Sample")}),
        P::label(IDC_LABEL_STUDY_POPULATION, "Study Population Description", 240),
        marker(IDC_MARKER_STUDY_POPULATION, 240),
        P::multiLineEdit(IDC_STUDY_POPULATION, 250, 72, AnchorGrow),
    };
    controls.insert(controls.end(), rest.begin(), rest.end());
    return EditorPage::pageTemplate(kTemplateNumber, std::move(controls));
}

EligibilityPage::EligibilityPage(QWidget* parent) : EditorPage(parent) {
    buildPage(pageTemplate());
    addEnterExempt(IDC_CRITERIA);
    addEnterExempt(IDC_STUDY_POPULATION);
    using R = StudyRecord;
    bind(IDC_CRITERIA, [](R& r) -> BlockText& { return r.eligibility.criteria; });
    bind(IDC_GENDER, [](R& r) -> std::string& { return r.eligibility.gender; });
    bind(IDC_HEALTHY_VOLUNTEERS, [](R& r) -> std::string& { return r.eligibility.healthy_volunteers; });
    bind(IDC_SAMPLING_METHOD, [](R& r) -> std::string& { return r.eligibility.sampling_method; });
    bind(IDC_STUDY_POPULATION, [](R& r) -> BlockText& { return r.eligibility.study_population; });
}

void EligibilityPage::onLoad(StudyRecord& record) {
    applyStudyType(record.study_design.study_type.displayText());
    loadAge(IDC_MINIMUM_AGE, IDC_MINIMUM_UNIT, record.eligibility.minimum_age);
    loadAge(IDC_MAXIMUM_AGE, IDC_MAXIMUM_UNIT, record.eligibility.maximum_age);
}

// An age shown as loaded keeps its text ("N/A", " N/A", "18 years").
void EligibilityPage::onStore(StudyRecord& record) {
    storeAge(IDC_MINIMUM_AGE, IDC_MINIMUM_UNIT, record.eligibility.minimum_age);
    storeAge(IDC_MAXIMUM_AGE, IDC_MAXIMUM_UNIT, record.eligibility.maximum_age);
}

void EligibilityPage::applyStudyType(const std::string& studyType) {
    PageControls::setVisible(*this,
                             {IDC_LABEL_SAMPLING_METHOD, IDC_SAMPLING_METHOD,
                              IDC_MARKER_SAMPLING_METHOD, IDC_LABEL_STUDY_POPULATION,
                              IDC_STUDY_POPULATION, IDC_MARKER_STUDY_POPULATION},
                             isObservational(studyType));
    PageControls::setVisible(
        *this,
        {IDC_LABEL_HEALTHY_VOLUNTEERS, IDC_HEALTHY_VOLUNTEERS, IDC_MARKER_HEALTHY_VOLUNTEERS},
        !isExpandedAccess(studyType));
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
