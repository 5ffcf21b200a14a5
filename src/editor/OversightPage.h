#pragma once

#include "editor/EditorPage.h"

// The "Oversight" section: the review board and the oversight authorities. For now the page
// shows its frame only; its fields arrive with its controls.
class OversightPage : public EditorPage {
    Q_OBJECT
public:
    enum ControlId {
        IDC_GROUP = 5100,
    };
    static constexpr int kTemplateNumber = 502;

    static DialogTemplate pageTemplate();

    explicit OversightPage(QWidget* parent = nullptr);

protected:
    void onLoad(StudyRecord& record) override;
    void onStore(StudyRecord& record) override;
};
