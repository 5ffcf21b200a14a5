#include "editor/SponsorPage.h"

DialogTemplate SponsorPage::pageTemplate() {
    std::vector<ControlTemplate> controls = {
        {.id = IDC_GROUP,
         .kind = ControlKind::GroupBox,
         .text = QStringLiteral("Sponsor"),
         .rect = {4, 2, 254, 327},
         .anchors = AnchorGrow},
    };
    return EditorPage::pageTemplate(kTemplateNumber, std::move(controls));
}

SponsorPage::SponsorPage(QWidget* parent) : EditorPage(parent) {
    buildPage(pageTemplate());
}

void SponsorPage::onLoad(StudyRecord&) {}

void SponsorPage::onStore(StudyRecord&) {}
