#include "editor/lists/ReferencesPage.h"

DialogTemplate ReferencesPage::pageTemplate() {
    std::vector<ControlTemplate> controls = {
        {.id = IDC_GROUP,
         .kind = ControlKind::GroupBox,
         .text = QStringLiteral("References"),
         .rect = {4, 2, 254, 327},
         .anchors = AnchorGrow},
    };
    return EditorPage::pageTemplate(kTemplateNumber, std::move(controls));
}

ReferencesPage::ReferencesPage(QWidget* parent) : EditorPage(parent) {
    buildPage(pageTemplate());
}

void ReferencesPage::onLoad(StudyRecord&) {}

void ReferencesPage::onStore(StudyRecord&) {}
