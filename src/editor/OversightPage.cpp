#include "editor/OversightPage.h"

DialogTemplate OversightPage::pageTemplate() {
    std::vector<ControlTemplate> controls = {
        {.id = IDC_GROUP,
         .kind = ControlKind::GroupBox,
         .text = QStringLiteral("Oversight"),
         .rect = {4, 2, 254, 327},
         .anchors = AnchorGrow},
    };
    return EditorPage::pageTemplate(kTemplateNumber, std::move(controls));
}

OversightPage::OversightPage(QWidget* parent) : EditorPage(parent) {
    buildPage(pageTemplate());
}

void OversightPage::onLoad(StudyRecord&) {}

void OversightPage::onStore(StudyRecord&) {}
