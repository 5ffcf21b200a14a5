#include "editor/lists/ConditionsPage.h"

DialogTemplate ConditionsPage::pageTemplate() {
    return EditorPage::pageTemplate(kTemplateNumber,
                                    {
                                        {.id = IDC_GROUP,
                                         .kind = ControlKind::GroupBox,
                                         .text = QStringLiteral("Conditions and Keywords"),
                                         .rect = {4, 2, 254, 327},
                                         .anchors = AnchorGrow},
                                    });
}

ConditionsPage::ConditionsPage(QWidget* parent) : EditorPage(parent) {
    buildPage(pageTemplate());
}

void ConditionsPage::onLoad(StudyRecord&) {}

void ConditionsPage::onStore(StudyRecord&) {}
