#pragma once

#include "editor/EditorPage.h"

// The "Observational Design" section: the design of an observational study
// and the enrollment, which the record holds once for both study types.
//
// The page always loads, but stores its design and the enrollment only for
// an observational study; for any other study type it empties the design in
// the record, and for expanded access the enrollment as well.
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
};
