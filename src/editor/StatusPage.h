#pragma once

#include "editor/EditorPage.h"

// The "Status" section: the recruitment status and the key trial dates. For now the page
// shows its frame only; its fields arrive with its controls.
class StatusPage : public EditorPage {
    Q_OBJECT
public:
    enum ControlId {
        IDC_GROUP = 5100,
    };
    static constexpr int kTemplateNumber = 504;

    static DialogTemplate pageTemplate();

    explicit StatusPage(QWidget* parent = nullptr);

protected:
    void onLoad(StudyRecord& record) override;
    void onStore(StudyRecord& record) override;
};
