#include "editor/FdaPage.h"

DialogTemplate FdaPage::pageTemplate() {
    return EditorPage::pageTemplate(kTemplateNumber,
                                    {
                                        {.id = IDC_GROUP,
                                         .kind = ControlKind::GroupBox,
                                         .text = QStringLiteral("FDA"),
                                         .rect = {4, 2, 254, 327},
                                         .anchors = AnchorGrow},
                                    });
}

FdaPage::FdaPage(QWidget* parent) : EditorPage(parent) {
    buildPage(pageTemplate());
}

void FdaPage::onLoad(StudyRecord&) {}

void FdaPage::onStore(StudyRecord&) {}
