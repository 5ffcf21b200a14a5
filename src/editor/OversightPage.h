#pragma once

#include "editor/EditorPage.h"

#include <string>
#include <vector>

// The "Oversight" section: the review board, the data monitoring committee
// answer and the oversight authorities (one per line of a multi-line box).
// The authorities, which the registry no longer reads, are shown only when the
// record lists some; an IND/IDE protocol that lists any lists the FDA, first.
class OversightPage : public EditorPage {
    Q_OBJECT
public:
    enum ControlId {
        IDC_GROUP = 5100,
        IDC_LABEL_AUTHORITIES = 5101,
        IDC_APPROVAL_NUMBER = 1047,
        IDC_BOARD_NAME = 1048,
        IDC_AFFILIATION = 1049,
        IDC_PHONE = 1050,
        IDC_PHONE_EXT = 1051,
        IDC_EMAIL = 1052,
        IDC_ADDRESS = 1053,
        IDC_HAS_DMC = 1054,
        IDC_AUTHORITIES = 1011,
        IDC_APPROVAL_STATUS = 1055,
        IDC_MARKER_APPROVAL_STATUS = 1144,
        IDC_MARKER_APPROVAL_NUMBER = 1145,
        IDC_MARKER_BOARD_NAME = 1143,
        IDC_MARKER_AFFILIATION = 1139,
        IDC_MARKER_PHONE = 1140,
        IDC_MARKER_HAS_DMC = 1141,
        IDC_MARKER_AUTHORITIES = 1142,
    };
    static constexpr int kTemplateNumber = 502;
    static constexpr const char* kFdaAuthority = "United States: Food and Drug Administration";

    static DialogTemplate pageTemplate();

    // The authorities of an IND/IDE protocol begin with the FDA unless one
    // entry already is exactly the FDA text; other protocols keep theirs, and
    // no list is started for the FDA alone.
    static std::vector<std::string> withFdaAuthority(std::vector<std::string> authorities,
                                                     bool indStudy);

    explicit OversightPage(QWidget* parent = nullptr);

protected:
    void onLoad(StudyRecord& record) override;
    void onStore(StudyRecord& record) override;

    // The Title page's IND answer as this page last loaded it.
    std::string m_loadedIndStudy;
};
