#include "editor/SummaryPage.h"

DialogTemplate SummaryPage::pageTemplate() {
    return EditorPage::pageTemplate(kTemplateNumber,
                                    {
                                        {.id = IDC_GROUP,
                                         .kind = ControlKind::GroupBox,
                                         .text = QStringLiteral("Summary"),
                                         .rect = {4, 2, 254, 327},
                                         .anchors = AnchorGrow},
                                    });
}

SummaryPage::SummaryPage(QWidget* parent) : EditorPage(parent) {
    buildPage(pageTemplate());
}

void SummaryPage::onLoad(StudyRecord&) {}

void SummaryPage::onStore(StudyRecord&) {}
