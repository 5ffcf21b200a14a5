#pragma once

#include <string>

#include "editor/EditorPage.h"

// The "FDA" section: the Section 801 and delayed-posting answers, which apply
// only to an FDA-regulated intervention, and the IND/IDE information, which
// applies only to an IND/IDE protocol (both answered on the Title page).
// Only the controls that apply are enabled; answers that do not apply are
// emptied in the record, already when the page loads.
class FdaPage : public EditorPage {
    Q_OBJECT
public:
    enum ControlId {
        IDC_GROUP = 5100,
        IDC_LABEL_SECTION_801 = 5101,
        IDC_LABEL_DELAYED_POSTING = 5102,
        IDC_LABEL_IND_GRANTOR = 5103,
        IDC_LABEL_IND_NUMBER = 5104,
        IDC_LABEL_IND_SERIAL_NUMBER = 5105,
        IDC_LABEL_HAS_EXPANDED_ACCESS = 5106,
        IDC_LABEL_EXPANDED_ACCESS_RECORD = 5107,
        IDC_SECTION_801 = 1040,
        IDC_DELAYED_POSTING = 1041,
        IDC_IND_GRANTOR = 1042,
        IDC_IND_NUMBER = 1043,
        IDC_IND_SERIAL_NUMBER = 1046,
        IDC_HAS_EXPANDED_ACCESS = 1044,
        IDC_EXPANDED_ACCESS_RECORD = 1045,
        IDC_MARKER_SECTION_801 = 1135,
        IDC_MARKER_DELAYED_POSTING = 1129,
        IDC_MARKER_IND_GRANTOR = 1130,
        IDC_MARKER_IND_NUMBER = 1131,
        IDC_MARKER_IND_SERIAL_NUMBER = 1132,
        IDC_MARKER_HAS_EXPANDED_ACCESS = 1133,
        IDC_MARKER_EXPANDED_ACCESS_RECORD = 1134,
    };
    static constexpr int kTemplateNumber = 135;

    static DialogTemplate pageTemplate();

    explicit FdaPage(QWidget* parent = nullptr);

protected:
    void onLoad(StudyRecord& record) override;
    void onStore(StudyRecord& record) override;

private:
    void section801Changed();
    void expandedAccessChanged();
    void enableSection801(bool enabled);
    void enableDelayedPosting(bool enabled);
    void enableInd(bool enabled);
    void enableExpandedAccessRecord(bool enabled);
    bool answersYes(int id) const;

    // The Title page's answers as this page last loaded them.
    std::string m_loadedFdaRegulated;
    std::string m_loadedIndStudy;
};
