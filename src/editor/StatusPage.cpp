#include "editor/StatusPage.h"

DialogTemplate StatusPage::pageTemplate() {
    std::vector<ControlTemplate> controls = {
        {.id = IDC_GROUP,
         .kind = ControlKind::GroupBox,
         .text = QStringLiteral("Status"),
         .rect = {4, 2, 254, 327},
         .anchors = AnchorGrow},
    };
    return EditorPage::pageTemplate(kTemplateNumber, std::move(controls));
}

StatusPage::StatusPage(QWidget* parent) : EditorPage(parent) {
    buildPage(pageTemplate());
}

void StatusPage::onLoad(StudyRecord&) {}

void StatusPage::onStore(StudyRecord&) {}
