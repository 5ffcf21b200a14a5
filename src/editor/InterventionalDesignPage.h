#pragma once

#include "editor/EditorPage.h"

// The "Interventional Study Design" section: the design of an interventional study. For now the
// page shows its frame only; its fields arrive with its controls.
class InterventionalDesignPage : public EditorPage {
    Q_OBJECT
public:
    enum ControlId {
        IDC_GROUP = 5100,
    };
    static constexpr int kTemplateNumber = 505;

    static DialogTemplate pageTemplate();

    explicit InterventionalDesignPage(QWidget* parent = nullptr);

protected:
    void onLoad(StudyRecord& record) override;
    void onStore(StudyRecord& record) override;
};
