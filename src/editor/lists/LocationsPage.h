#pragma once

#include "editor/EditorPage.h"

// The "Locations" section: the study locations. For now the page
// shows its frame only; its fields arrive with its controls.
class LocationsPage : public EditorPage {
    Q_OBJECT
public:
    enum ControlId {
        IDC_GROUP = 5100,
    };
    static constexpr int kTemplateNumber = 517;

    static DialogTemplate pageTemplate();

    explicit LocationsPage(QWidget* parent = nullptr);

protected:
    void onLoad(StudyRecord& record) override;
    void onStore(StudyRecord& record) override;
};
