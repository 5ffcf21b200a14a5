#include "editor/OversightPage.h"

DialogTemplate OversightPage::pageTemplate() {
    return EditorPage::pageTemplate(kTemplateNumber,
                                    {
                                        {.id = IDC_GROUP,
                                         .kind = ControlKind::GroupBox,
                                         .text = QStringLiteral("Oversight"),
                                         .rect = {4, 2, 254, 327},
                                         .anchors = AnchorGrow},
                                    });
}

OversightPage::OversightPage(QWidget* parent) : EditorPage(parent) {
    buildPage(pageTemplate());
}

void OversightPage::onLoad(StudyRecord&) {}

void OversightPage::onStore(StudyRecord&) {}
