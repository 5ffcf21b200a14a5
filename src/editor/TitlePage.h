#pragma once

#include "editor/EditorPage.h"
#include "editor/ItemList.h"
#include "model/SecondaryId.h"

class ProtocolEditor;

// The first section: identification, titles, study type, the IND/IDE
// question and the secondary identifiers. Its study type decides which
// design sections the editor offers.
class TitlePage : public EditorPage {
    Q_OBJECT
public:
    enum ControlId {
        IDC_GROUP = 5100,
        IDC_UNIQUE_ID = 1016,
        IDC_BRIEF_TITLE = 1018,
        IDC_ACRONYM = 1020,
        IDC_OFFICIAL_TITLE = 1023,
        IDC_STUDY_TYPE = 1033,
        IDC_IND_PROTOCOL = 1035,
        IDC_SECONDARY_IDS = 5009,
        IDC_ADD = 1022,
        IDC_EDIT = 1026,
        IDC_REMOVE = 1024,
        IDC_MARKER_UNIQUE_ID = 1121,
        IDC_MARKER_BRIEF_TITLE = 1122,
        IDC_MARKER_ACRONYM = 1123,
        IDC_MARKER_OFFICIAL_TITLE = 1124,
        IDC_MARKER_STUDY_TYPE = 1125,
        IDC_MARKER_IND_PROTOCOL = 1127,
        IDC_MARKER_SECONDARY_IDS = 1128,
    };
    static constexpr int kTemplateNumber = 134;

    static DialogTemplate pageTemplate();

    explicit TitlePage(QWidget* parent = nullptr);

    // The editor whose sections follow the study type; may stay null.
    void setEditor(ProtocolEditor* editor) { m_editor = editor; }

    // The texts as they stand in the controls.
    QString uniqueProtocolId() const { return displayedText(IDC_UNIQUE_ID); }
    QString studyType() const { return displayedText(IDC_STUDY_TYPE); }
    ItemList<SecondaryId>& secondaryIds() { return m_secondaryIds; }

    void addSecondaryId();
    void editSecondaryId();
    void removeSecondaryId();

protected:
    void onLoad(StudyRecord& record) override;
    void onStore(StudyRecord& record) override;

private:
    void studyTypeChanged();
    void applyStudyType(const QString& studyType);

    ProtocolEditor* m_editor = nullptr;
    ItemList<SecondaryId> m_secondaryIds;
};
