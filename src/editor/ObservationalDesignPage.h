#pragma once

#include "editor/EditorPage.h"

// The "Observational Study Design" section: the design of an observational study. For now the page
// shows its frame only; its fields arrive with its controls.
class ObservationalDesignPage : public EditorPage {
    Q_OBJECT
public:
    enum ControlId {
        IDC_GROUP = 5100,
    };
    static constexpr int kTemplateNumber = 506;

    static DialogTemplate pageTemplate();

    explicit ObservationalDesignPage(QWidget* parent = nullptr);

protected:
    void onLoad(StudyRecord& record) override;
    void onStore(StudyRecord& record) override;
};
