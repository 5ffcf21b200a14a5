#pragma once

#include "editor/EditorPage.h"

// The "Sponsor" section: the lead sponsor, the collaborators (one
// organisation per line of a multi-line box) and the responsible party: its
// type and, for the investigator types, the investigator. The five texts that
// earlier records gave the party by are shown read-only, and only when the
// record holds them.
class SponsorPage : public EditorPage {
    Q_OBJECT
public:
    enum ControlId {
        IDC_GROUP = 5100,
        IDC_RESPONSIBLE_PARTY_GROUP = 5101,
        IDC_LABEL_INVESTIGATOR_USERNAME = 5102,
        IDC_LABEL_INVESTIGATOR_TITLE = 5103,
        IDC_LABEL_INVESTIGATOR_AFFILIATION = 5104,
        IDC_LABEL_OLD_PARTY = 5105,
        IDC_LABEL_NAME_TITLE = 5106,
        IDC_LABEL_ORGANIZATION = 5107,
        IDC_LABEL_PHONE = 5108,
        IDC_LABEL_PHONE_EXT = 5109,
        IDC_LABEL_EMAIL = 5110,
        IDC_SPONSOR = 1044,
        IDC_COLLABORATORS = 1045,
        IDC_NAME_TITLE = 1046,
        IDC_ORGANIZATION = 1047,
        IDC_PHONE = 1048,
        IDC_PHONE_EXT = 1049,
        IDC_EMAIL = 1050,
        IDC_RESP_PARTY_TYPE = 1051,
        IDC_INVESTIGATOR_USERNAME = 1052,
        IDC_INVESTIGATOR_TITLE = 1053,
        IDC_INVESTIGATOR_AFFILIATION = 1054,
        IDC_MARKER_SPONSOR = 1138,
        IDC_MARKER_COLLABORATORS = 1136,
        IDC_MARKER_RESP_PARTY_TYPE = 1137,
        IDC_MARKER_INVESTIGATOR_USERNAME = 1201,
        IDC_MARKER_INVESTIGATOR_TITLE = 1202,
        IDC_MARKER_INVESTIGATOR_AFFILIATION = 1203,
    };
    static constexpr int kTemplateNumber = 501;

    static DialogTemplate pageTemplate();

    explicit SponsorPage(QWidget* parent = nullptr);

protected:
    void onLoad(StudyRecord& record) override;
    void onStore(StudyRecord& record) override;

private:
    void partyTypeChanged();
    void enableInvestigator(bool enabled);
    void showOldParty(const StudyRecord& record);
};
