#pragma once

#include "editor/EditorPage.h"

// The "Sponsor" section: the lead sponsor, collaborators and responsible party. For now the page
// shows its frame only; its fields arrive with its controls.
class SponsorPage : public EditorPage {
    Q_OBJECT
public:
    enum ControlId {
        IDC_GROUP = 5100,
    };
    static constexpr int kTemplateNumber = 501;

    static DialogTemplate pageTemplate();

    explicit SponsorPage(QWidget* parent = nullptr);

protected:
    void onLoad(StudyRecord& record) override;
    void onStore(StudyRecord& record) override;
};
