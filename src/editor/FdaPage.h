#pragma once

#include "editor/EditorPage.h"

// The "FDA" section: the regulatory questions and the IND/IDE information. For now the page
// shows its frame only; its fields arrive with its controls.
class FdaPage : public EditorPage {
    Q_OBJECT
public:
    enum ControlId {
        IDC_GROUP = 5100,
    };
    static constexpr int kTemplateNumber = 135;

    static DialogTemplate pageTemplate();

    explicit FdaPage(QWidget* parent = nullptr);

protected:
    void onLoad(StudyRecord& record) override;
    void onStore(StudyRecord& record) override;
};
