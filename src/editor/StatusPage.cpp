#include "editor/StatusPage.h"

DialogTemplate StatusPage::pageTemplate() {
    return EditorPage::pageTemplate(kTemplateNumber,
                                    {
                                        {.id = IDC_GROUP,
                                         .kind = ControlKind::GroupBox,
                                         .text = QStringLiteral("Status"),
                                         .rect = {4, 2, 254, 327},
                                         .anchors = AnchorGrow},
                                    });
}

StatusPage::StatusPage(QWidget* parent) : EditorPage(parent) {
    buildPage(pageTemplate());
}

void StatusPage::onLoad(StudyRecord&) {}

void StatusPage::onStore(StudyRecord&) {}
