#include "editor/InterventionalDesignPage.h"

DialogTemplate InterventionalDesignPage::pageTemplate() {
    std::vector<ControlTemplate> controls = {
        {.id = IDC_GROUP,
         .kind = ControlKind::GroupBox,
         .text = QStringLiteral("Interventional Study Design"),
         .rect = {4, 2, 254, 327},
         .anchors = AnchorGrow},
    };
    return EditorPage::pageTemplate(kTemplateNumber, std::move(controls));
}

InterventionalDesignPage::InterventionalDesignPage(QWidget* parent) : EditorPage(parent) {
    buildPage(pageTemplate());
}

void InterventionalDesignPage::onLoad(StudyRecord&) {}

void InterventionalDesignPage::onStore(StudyRecord&) {}
