#include "editor/SummaryPage.h"

DialogTemplate SummaryPage::pageTemplate() {
    std::vector<ControlTemplate> controls = {
        {.id = IDC_GROUP,
         .kind = ControlKind::GroupBox,
         .text = QStringLiteral("Summary"),
         .rect = {4, 2, 254, 327},
         .anchors = AnchorGrow},
    };
    return EditorPage::pageTemplate(kTemplateNumber, std::move(controls));
}

SummaryPage::SummaryPage(QWidget* parent) : EditorPage(parent) {
    buildPage(pageTemplate());
}

void SummaryPage::onLoad(StudyRecord&) {}

void SummaryPage::onStore(StudyRecord&) {}
