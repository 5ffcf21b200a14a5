#pragma once

#include "editor/EditorPage.h"

// The "Contacts" section: the central contacts and the study officials. For now the page
// shows its frame only; its fields arrive with its controls.
class ContactsPage : public EditorPage {
    Q_OBJECT
public:
    enum ControlId {
        IDC_GROUP = 5100,
    };
    static constexpr int kTemplateNumber = 515;

    static DialogTemplate pageTemplate();

    explicit ContactsPage(QWidget* parent = nullptr);

protected:
    void onLoad(StudyRecord& record) override;
    void onStore(StudyRecord& record) override;
};
