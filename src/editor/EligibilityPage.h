#pragma once

#include "editor/EditorPage.h"

// The "Eligibility" section: criteria, sex and gender-based eligibility (its
// description enabled by a Yes), the age limits as number and unit, healthy
// volunteers and, for observational studies only, the study
// population and its sampling method. The study type decides which controls
// are shown and which fields keep their texts.
class EligibilityPage : public EditorPage {
    Q_OBJECT
public:
    enum ControlId {
        IDC_GROUP = 5100,
        IDC_LABEL_HEALTHY_VOLUNTEERS = 5101,
        IDC_LABEL_SAMPLING_METHOD = 5102,
        IDC_LABEL_STUDY_POPULATION = 5103,
        IDC_LABEL_GENDER_DESCRIPTION = 5104,
        IDC_GENDER_BASED = 1301,
        IDC_GENDER_DESCRIPTION = 1302,
        IDC_MARKER_GENDER_BASED = 1311,
        IDC_MARKER_GENDER_DESCRIPTION = 1312,
        IDC_CRITERIA = 1095,
        IDC_GENDER = 1096,
        IDC_MINIMUM_AGE = 1097,
        IDC_MINIMUM_UNIT = 1098,
        IDC_MAXIMUM_AGE = 1099,
        IDC_MAXIMUM_UNIT = 1100,
        IDC_HEALTHY_VOLUNTEERS = 1101,
        IDC_SAMPLING_METHOD = 1103,
        IDC_STUDY_POPULATION = 1102,
        IDC_MARKER_CRITERIA = 1180,
        IDC_MARKER_GENDER = 1175,
        IDC_MARKER_AGE_LIMITS = 1176,
        IDC_MARKER_HEALTHY_VOLUNTEERS = 1177,
        IDC_MARKER_SAMPLING_METHOD = 1178,
        IDC_MARKER_STUDY_POPULATION = 1179,
    };
    static constexpr int kTemplateNumber = 514;

    static DialogTemplate pageTemplate();

    explicit EligibilityPage(QWidget* parent = nullptr);

protected:
    void onLoad(StudyRecord& record) override;
    void onStore(StudyRecord& record) override;

private:
    void applyStudyType(const std::string& studyType);
    void enableGenderDescription(bool enabled);
    void loadAge(int numberId, int unitId, const std::string& age);
    void storeAge(int numberId, int unitId, std::string& age) const;
};
