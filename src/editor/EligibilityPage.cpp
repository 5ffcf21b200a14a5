#include "editor/EligibilityPage.h"

DialogTemplate EligibilityPage::pageTemplate() {
    std::vector<ControlTemplate> controls = {
        {.id = IDC_GROUP,
         .kind = ControlKind::GroupBox,
         .text = QStringLiteral("Eligibility"),
         .rect = {4, 2, 254, 327},
         .anchors = AnchorGrow},
    };
    return EditorPage::pageTemplate(kTemplateNumber, std::move(controls));
}

EligibilityPage::EligibilityPage(QWidget* parent) : EditorPage(parent) {
    buildPage(pageTemplate());
}

void EligibilityPage::onLoad(StudyRecord&) {}

void EligibilityPage::onStore(StudyRecord&) {}
