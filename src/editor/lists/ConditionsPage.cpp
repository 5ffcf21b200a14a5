#include "editor/lists/ConditionsPage.h"

DialogTemplate ConditionsPage::pageTemplate() {
    std::vector<ControlTemplate> controls = {
        {.id = IDC_GROUP,
         .kind = ControlKind::GroupBox,
         .text = QStringLiteral("Conditions and Keywords"),
         .rect = {4, 2, 254, 327},
         .anchors = AnchorGrow},
    };
    return EditorPage::pageTemplate(kTemplateNumber, std::move(controls));
}

ConditionsPage::ConditionsPage(QWidget* parent) : EditorPage(parent) {
    buildPage(pageTemplate());
}

void ConditionsPage::onLoad(StudyRecord&) {}

void ConditionsPage::onStore(StudyRecord&) {}
