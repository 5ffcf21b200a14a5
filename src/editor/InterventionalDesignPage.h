#pragma once

#include "editor/EditorPage.h"

// The "Interventional Design" section: the design of an interventional study
// and the enrollment, which the record holds once for both study types.
//
// The page always loads, but stores its design only for an interventional
// study; for any other study type it empties the design in the record and
// leaves the enrollment to the observational page. The masked roles apply
// only to blind studies: loading an open study empties them in the record.
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
        IDC_MARKER_PRIMARY_PURPOSE = 1162,
        IDC_MARKER_PHASE = 1161,
        IDC_MARKER_ASSIGNMENT = 1160,
        IDC_MARKER_NUMBER_OF_ARMS = 1159,
        IDC_MARKER_MASKING = 1158,
        IDC_MARKER_ALLOCATION = 1157,
        IDC_MARKER_CONTROL = 1154,
        IDC_MARKER_ENDPOINT = 1155,
        IDC_MARKER_ENROLLMENT = 1156,
    };
    static constexpr int kTemplateNumber = 505;

    static DialogTemplate pageTemplate();

    explicit InterventionalDesignPage(QWidget* parent = nullptr);

    // The Masking selection changed: only a blind study has masked roles.
    void maskingChanged();

protected:
    void onLoad(StudyRecord& record) override;
    void onStore(StudyRecord& record) override;

private:
    void enableMaskedRoles(bool enabled);
    void setChecked(int id, bool checked);
    bool isChecked(int id) const;
};
