#include "editor/EligibilityPage.h"

DialogTemplate EligibilityPage::pageTemplate() {
    return EditorPage::pageTemplate(kTemplateNumber,
                                    {
                                        {.id = IDC_GROUP,
                                         .kind = ControlKind::GroupBox,
                                         .text = QStringLiteral("Eligibility"),
                                         .rect = {4, 2, 254, 327},
                                         .anchors = AnchorGrow},
                                    });
}

EligibilityPage::EligibilityPage(QWidget* parent) : EditorPage(parent) {
    buildPage(pageTemplate());
}

void EligibilityPage::onLoad(StudyRecord&) {}

void EligibilityPage::onStore(StudyRecord&) {}
