#include "editor/lists/ContactsPage.h"

DialogTemplate ContactsPage::pageTemplate() {
    return EditorPage::pageTemplate(kTemplateNumber,
                                    {
                                        {.id = IDC_GROUP,
                                         .kind = ControlKind::GroupBox,
                                         .text = QStringLiteral("Contacts"),
                                         .rect = {4, 2, 254, 327},
                                         .anchors = AnchorGrow},
                                    });
}

ContactsPage::ContactsPage(QWidget* parent) : EditorPage(parent) {
    buildPage(pageTemplate());
}

void ContactsPage::onLoad(StudyRecord&) {}

void ContactsPage::onStore(StudyRecord&) {}
