#pragma once

#include "editor/EditorPage.h"

// The "Outcome Measures" section: the primary and secondary outcome measures. For now the page
// shows its frame only; its fields arrive with its controls.
class OutcomesPage : public EditorPage {
    Q_OBJECT
public:
    enum ControlId {
        IDC_GROUP = 5100,
    };
    static constexpr int kTemplateNumber = 507;

    static DialogTemplate pageTemplate();

    explicit OutcomesPage(QWidget* parent = nullptr);

protected:
    void onLoad(StudyRecord& record) override;
    void onStore(StudyRecord& record) override;
};
