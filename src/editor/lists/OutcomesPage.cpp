#include "editor/lists/OutcomesPage.h"

DialogTemplate OutcomesPage::pageTemplate() {
    std::vector<ControlTemplate> controls = {
        {.id = IDC_GROUP,
         .kind = ControlKind::GroupBox,
         .text = QStringLiteral("Outcome Measures"),
         .rect = {4, 2, 254, 327},
         .anchors = AnchorGrow},
    };
    return EditorPage::pageTemplate(kTemplateNumber, std::move(controls));
}

OutcomesPage::OutcomesPage(QWidget* parent) : EditorPage(parent) {
    buildPage(pageTemplate());
}

void OutcomesPage::onLoad(StudyRecord&) {}

void OutcomesPage::onStore(StudyRecord&) {}
