#include "editor/lists/ArmsInterventionsPage.h"

DialogTemplate ArmsInterventionsPage::pageTemplate() {
    std::vector<ControlTemplate> controls = {
        {.id = IDC_GROUP,
         .kind = ControlKind::GroupBox,
         .text = QStringLiteral("Interventions"),
         .rect = {4, 2, 254, 327},
         .anchors = AnchorGrow},
    };
    return EditorPage::pageTemplate(kTemplateNumber, std::move(controls));
}

ArmsInterventionsPage::ArmsInterventionsPage(QWidget* parent) : EditorPage(parent) {
    buildPage(pageTemplate());
}

void ArmsInterventionsPage::onLoad(StudyRecord&) {}

void ArmsInterventionsPage::onStore(StudyRecord&) {}
