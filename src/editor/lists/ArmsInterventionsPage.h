#pragma once

#include "editor/EditorPage.h"

// The "Interventions" section: the study arms or groups and the interventions. For now the page
// shows its frame only; its fields arrive with its controls.
class ArmsInterventionsPage : public EditorPage {
    Q_OBJECT
public:
    enum ControlId {
        IDC_GROUP = 5100,
    };
    static constexpr int kTemplateNumber = 510;

    static DialogTemplate pageTemplate();

    explicit ArmsInterventionsPage(QWidget* parent = nullptr);

protected:
    void onLoad(StudyRecord& record) override;
    void onStore(StudyRecord& record) override;
};
