#pragma once

#include "editor/EditorPage.h"

// The "References" section: the citations and links. For now the page
// shows its frame only; its fields arrive with its controls.
class ReferencesPage : public EditorPage {
    Q_OBJECT
public:
    enum ControlId {
        IDC_GROUP = 5100,
    };
    static constexpr int kTemplateNumber = 519;

    static DialogTemplate pageTemplate();

    explicit ReferencesPage(QWidget* parent = nullptr);

protected:
    void onLoad(StudyRecord& record) override;
    void onStore(StudyRecord& record) override;
};
