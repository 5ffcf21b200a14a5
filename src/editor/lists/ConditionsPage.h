#pragma once

#include "editor/EditorPage.h"

// The "Conditions and Keywords" section: the conditions and keywords. For now the page
// shows its frame only; its fields arrive with its controls.
class ConditionsPage : public EditorPage {
    Q_OBJECT
public:
    enum ControlId {
        IDC_GROUP = 5100,
    };
    static constexpr int kTemplateNumber = 509;

    static DialogTemplate pageTemplate();

    explicit ConditionsPage(QWidget* parent = nullptr);

protected:
    void onLoad(StudyRecord& record) override;
    void onStore(StudyRecord& record) override;
};
