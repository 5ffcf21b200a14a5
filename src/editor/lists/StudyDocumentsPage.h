#pragma once

#include "editor/EditorPage.h"
#include "editor/ItemList.h"
#include "model/StudyDocument.h"

// The "Study Documents" section: the documents and data sets the study makes
// available, a list edited with the study document dialog.
class StudyDocumentsPage : public EditorPage {
    Q_OBJECT
public:
    enum ControlId {
        IDC_GROUP = 5100,
        IDC_DOCUMENTS = 5015,
        IDC_ADD = 1022,
        IDC_EDIT = 1026,
        IDC_REMOVE = 1024,
        IDC_MARKER_DOCUMENTS = 1307,
    };
    static constexpr int kTemplateNumber = 521;

    static DialogTemplate pageTemplate();

    explicit StudyDocumentsPage(QWidget* parent = nullptr);

    ItemList<StudyDocument>& documents() { return m_documents; }

protected:
    void onLoad(StudyRecord& record) override;
    void onStore(StudyRecord& record) override;

private:
    ItemList<StudyDocument> m_documents;
};
