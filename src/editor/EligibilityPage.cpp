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
}

void EligibilityPage::onLoad(StudyRecord& record) {
    applyStudyType(record.study_design.study_type.displayText());
    const Eligibility& eligibility = record.eligibility;
    setText(IDC_CRITERIA, eligibility.criteria.text());
    setText(IDC_GENDER, eligibility.gender);
    loadAge(IDC_MINIMUM_AGE, IDC_MINIMUM_UNIT, eligibility.minimum_age);
    loadAge(IDC_MAXIMUM_AGE, IDC_MAXIMUM_UNIT, eligibility.maximum_age);
    setText(IDC_HEALTHY_VOLUNTEERS, eligibility.healthy_volunteers);
    setText(IDC_SAMPLING_METHOD, eligibility.sampling_method);
    setText(IDC_STUDY_POPULATION, eligibility.study_population.text());
}

void EligibilityPage::onStore(StudyRecord& record) {
    Eligibility& eligibility = record.eligibility;
    eligibility.criteria.setText(text(IDC_CRITERIA));
    storeText(IDC_GENDER, eligibility.gender);
    eligibility.minimum_age = ageText(IDC_MINIMUM_AGE, IDC_MINIMUM_UNIT);
    eligibility.maximum_age = ageText(IDC_MAXIMUM_AGE, IDC_MAXIMUM_UNIT);
    storeText(IDC_HEALTHY_VOLUNTEERS, eligibility.healthy_volunteers);
    storeText(IDC_SAMPLING_METHOD, eligibility.sampling_method);
    eligibility.study_population.setText(text(IDC_STUDY_POPULATION));
    // Hidden controls still store; their fields do not apply to this type.
    const std::string studyType = record.study_design.study_type.displayText();
    if (!isObservational(studyType)) {
        eligibility.sampling_method.clear();
        eligibility.study_population.setText({});
    }
    if (isExpandedAccess(studyType)) {
        eligibility.healthy_volunteers.clear();
    }
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

std::string EligibilityPage::ageText(int numberId, int unitId) const {
    return AgeText::join(text(numberId), text(unitId));
}
