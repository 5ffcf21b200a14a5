#include "editor/ObservationalDesignPage.h"

DialogTemplate ObservationalDesignPage::pageTemplate() {
    std::vector<ControlTemplate> controls = {
        {.id = IDC_GROUP,
         .kind = ControlKind::GroupBox,
         .text = QStringLiteral("Observational Study Design"),
         .rect = {4, 2, 254, 327},
         .anchors = AnchorGrow},
    };
    return EditorPage::pageTemplate(kTemplateNumber, std::move(controls));
}

ObservationalDesignPage::ObservationalDesignPage(QWidget* parent) : EditorPage(parent) {
    buildPage(pageTemplate());
}

void ObservationalDesignPage::onLoad(StudyRecord&) {}

void ObservationalDesignPage::onStore(StudyRecord&) {}
