#include "editor/SponsorPage.h"

DialogTemplate SponsorPage::pageTemplate() {
    return EditorPage::pageTemplate(kTemplateNumber,
                                    {
                                        {.id = IDC_GROUP,
                                         .kind = ControlKind::GroupBox,
                                         .text = QStringLiteral("Sponsor"),
                                         .rect = {4, 2, 254, 327},
                                         .anchors = AnchorGrow},
                                    });
}

SponsorPage::SponsorPage(QWidget* parent) : EditorPage(parent) {
    buildPage(pageTemplate());
}

void SponsorPage::onLoad(StudyRecord&) {}

void SponsorPage::onStore(StudyRecord&) {}
