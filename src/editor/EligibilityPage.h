#pragma once

#include "editor/EditorPage.h"

// The "Eligibility" section: the eligibility criteria. For now the page
// shows its frame only; its fields arrive with its controls.
class EligibilityPage : public EditorPage {
    Q_OBJECT
public:
    enum ControlId {
        IDC_GROUP = 5100,
    };
    static constexpr int kTemplateNumber = 514;

    static DialogTemplate pageTemplate();

    explicit EligibilityPage(QWidget* parent = nullptr);

protected:
    void onLoad(StudyRecord& record) override;
    void onStore(StudyRecord& record) override;
};
