#pragma once

#include "editor/EditorPage.h"
#include "editor/NoneChoice.h"

#include <optional>

// The "Interventional Design" section: the design of an interventional study
// and the enrollment, which the record holds once for both study types.
//
// Masking is "No Masking" or the roles masked; checking No Masking unchecks
// and disables the roles. The older masking, control and endpoint texts are
// shown only when the record holds them, and never steer the page.
class InterventionalDesignPage : public EditorPage {
    Q_OBJECT
public:
    enum ControlId {
        IDC_GROUP = 5100,
        IDC_PRIMARY_PURPOSE = 1071,
        IDC_PHASE = 1072,
        IDC_ASSIGNMENT = 1073,
        IDC_NUMBER_OF_ARMS = 1074,
        IDC_MASKING = 1075,
        IDC_MASKED_SUBJECT = 1009,
        IDC_MASKED_CAREGIVER = 1010,
        IDC_MASKED_INVESTIGATOR = 1011,
        IDC_MASKED_ASSESSOR = 1012,
        IDC_ALLOCATION = 1076,
        IDC_CONTROL = 1077,
        IDC_ENDPOINT = 1078,
        IDC_ENROLLMENT = 1079,
        IDC_ENROLLMENT_TYPE = 1080,
        IDC_MODEL_DESCRIPTION = 1301,
        IDC_NO_MASKING = 1302,
        IDC_MASKING_DESCRIPTION = 1303,
        IDC_LABEL_MASKING = 5101,
        IDC_LABEL_CONTROL = 5102,
        IDC_LABEL_ENDPOINT = 5103,
        IDC_MARKER_PRIMARY_PURPOSE = 1162,
        IDC_MARKER_PHASE = 1161,
        IDC_MARKER_ASSIGNMENT = 1160,
        IDC_MARKER_NUMBER_OF_ARMS = 1159,
        IDC_MARKER_MASKING = 1158,
        IDC_MARKER_ALLOCATION = 1157,
        IDC_MARKER_CONTROL = 1154,
        IDC_MARKER_ENDPOINT = 1155,
        IDC_MARKER_ENROLLMENT = 1156,
        IDC_MARKER_MODEL_DESCRIPTION = 1311,
        IDC_MARKER_MASKING_DESCRIPTION = 1312,
    };
    static constexpr int kTemplateNumber = 505;

    static DialogTemplate pageTemplate();

    explicit InterventionalDesignPage(QWidget* parent = nullptr);

protected:
    void onLoad(StudyRecord& record) override;
    void onStore(StudyRecord& record) override;

private:
    void bindFields();

    std::optional<NoneChoice> m_masking;
};
