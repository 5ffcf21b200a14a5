#include "editor/lists/ArmsInterventionsPage.h"

DialogTemplate ArmsInterventionsPage::pageTemplate() {
    return EditorPage::pageTemplate(kTemplateNumber,
                                    {
                                        {.id = IDC_GROUP,
                                         .kind = ControlKind::GroupBox,
                                         .text = QStringLiteral("Interventions"),
                                         .rect = {4, 2, 254, 327},
                                         .anchors = AnchorGrow},
                                    });
}

ArmsInterventionsPage::ArmsInterventionsPage(QWidget* parent) : EditorPage(parent) {
    buildPage(pageTemplate());
}

void ArmsInterventionsPage::onLoad(StudyRecord&) {}

void ArmsInterventionsPage::onStore(StudyRecord&) {}
