#pragma once

#include "editor/EditorPage.h"

// The "Sponsor" section: the lead sponsor, the collaborators (one
// organisation per line of a multi-line box) and the responsible party.
class SponsorPage : public EditorPage {
    Q_OBJECT
public:
    enum ControlId {
        IDC_GROUP = 5100,
        IDC_RESPONSIBLE_PARTY_GROUP = 5101,
        IDC_SPONSOR = 1044,
        IDC_COLLABORATORS = 1045,
        IDC_NAME_TITLE = 1046,
        IDC_ORGANIZATION = 1047,
        IDC_PHONE = 1048,
        IDC_PHONE_EXT = 1049,
        IDC_EMAIL = 1050,
        IDC_MARKER_SPONSOR = 1138,
        IDC_MARKER_COLLABORATORS = 1136,
        IDC_MARKER_NAME_TITLE = 1137,
    };
    static constexpr int kTemplateNumber = 501;

    static DialogTemplate pageTemplate();

    explicit SponsorPage(QWidget* parent = nullptr);

protected:
    void onLoad(StudyRecord& record) override;
    void onStore(StudyRecord& record) override;
};
