#include "editor/lists/LocationsPage.h"

DialogTemplate LocationsPage::pageTemplate() {
    std::vector<ControlTemplate> controls = {
        {.id = IDC_GROUP,
         .kind = ControlKind::GroupBox,
         .text = QStringLiteral("Locations"),
         .rect = {4, 2, 254, 327},
         .anchors = AnchorGrow},
    };
    return EditorPage::pageTemplate(kTemplateNumber, std::move(controls));
}

LocationsPage::LocationsPage(QWidget* parent) : EditorPage(parent) {
    buildPage(pageTemplate());
}

void LocationsPage::onLoad(StudyRecord&) {}

void LocationsPage::onStore(StudyRecord&) {}
