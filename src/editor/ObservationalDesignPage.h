#pragma once

#include "editor/EditorPage.h"

// The "Observational Design" section: the design of an observational study
// and the enrollment, which the record holds once for both study types.
//
// The target follow-up duration belongs to a patient registry: answering Yes
// to Patient Registry enables it.
class ObservationalDesignPage : public EditorPage {
    Q_OBJECT
public:
    enum ControlId {
        IDC_GROUP = 5100,
        IDC_STUDY_MODEL = 1081,
        IDC_TIMING = 1082,
        IDC_BIOSPECIMEN_RETENTION = 1083,
        IDC_BIOSPECIMEN_DESCRIPTION = 1084,
        IDC_ENROLLMENT = 1079,
        IDC_ENROLLMENT_TYPE = 1080,
        IDC_NUMBER_OF_GROUPS = 1085,
        IDC_LABEL_ENROLLMENT = 5101,
        IDC_LABEL_ENROLLMENT_TYPE = 5102,
        IDC_LABEL_NUMBER_OF_GROUPS = 5103,
        IDC_PATIENT_REGISTRY = 1301,
        IDC_TARGET_DURATION = 1302,
        IDC_TARGET_DURATION_UNITS = 1303,
        IDC_LABEL_TARGET_DURATION = 5104,
        IDC_LABEL_TARGET_DURATION_UNITS = 5105,
        IDC_MARKER_PATIENT_REGISTRY = 1311,
        IDC_MARKER_TARGET_DURATION = 1312,
        IDC_MARKER_STUDY_MODEL = 1164,
        IDC_MARKER_TIMING = 1163,
        IDC_MARKER_BIOSPECIMEN_RETENTION = 1165,
        IDC_MARKER_BIOSPECIMEN_DESCRIPTION = 1166,
        IDC_MARKER_ENROLLMENT = 1167,
        IDC_MARKER_NUMBER_OF_GROUPS = 1168,
    };
    static constexpr int kTemplateNumber = 506;

    static DialogTemplate pageTemplate();

    explicit ObservationalDesignPage(QWidget* parent = nullptr);

protected:
    void onLoad(StudyRecord& record) override;
    void onStore(StudyRecord& record) override;

private:
    void enableTargetDuration(bool enabled);
};
