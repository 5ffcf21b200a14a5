#include "editor/lists/ContactsPage.h"

DialogTemplate ContactsPage::pageTemplate() {
    std::vector<ControlTemplate> controls = {
        {.id = IDC_GROUP,
         .kind = ControlKind::GroupBox,
         .text = QStringLiteral("Contacts"),
         .rect = {4, 2, 254, 327},
         .anchors = AnchorGrow},
    };
    return EditorPage::pageTemplate(kTemplateNumber, std::move(controls));
}

ContactsPage::ContactsPage(QWidget* parent) : EditorPage(parent) {
    buildPage(pageTemplate());
}

void ContactsPage::onLoad(StudyRecord&) {}

void ContactsPage::onStore(StudyRecord&) {}
