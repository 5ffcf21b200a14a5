#include "editor/FdaPage.h"

DialogTemplate FdaPage::pageTemplate() {
    std::vector<ControlTemplate> controls = {
        {.id = IDC_GROUP,
         .kind = ControlKind::GroupBox,
         .text = QStringLiteral("FDA"),
         .rect = {4, 2, 254, 327},
         .anchors = AnchorGrow},
    };
    return EditorPage::pageTemplate(kTemplateNumber, std::move(controls));
}

FdaPage::FdaPage(QWidget* parent) : EditorPage(parent) {
    buildPage(pageTemplate());
}

void FdaPage::onLoad(StudyRecord&) {}

void FdaPage::onStore(StudyRecord&) {}
