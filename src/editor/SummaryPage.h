#pragma once

#include "editor/EditorPage.h"

// The "Summary" section: the brief summary and the detailed description. For now the page
// shows its frame only; its fields arrive with its controls.
class SummaryPage : public EditorPage {
    Q_OBJECT
public:
    enum ControlId {
        IDC_GROUP = 5100,
    };
    static constexpr int kTemplateNumber = 503;

    static DialogTemplate pageTemplate();

    explicit SummaryPage(QWidget* parent = nullptr);

protected:
    void onLoad(StudyRecord& record) override;
    void onStore(StudyRecord& record) override;
};
