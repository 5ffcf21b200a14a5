#include "editor/ObservationalDesignPage.h"

DialogTemplate ObservationalDesignPage::pageTemplate() {
    return EditorPage::pageTemplate(kTemplateNumber,
                                    {
                                        {.id = IDC_GROUP,
                                         .kind = ControlKind::GroupBox,
                                         .text = QStringLiteral("Observational Study Design"),
                                         .rect = {4, 2, 254, 327},
                                         .anchors = AnchorGrow},
                                    });
}

ObservationalDesignPage::ObservationalDesignPage(QWidget* parent) : EditorPage(parent) {
    buildPage(pageTemplate());
}

void ObservationalDesignPage::onLoad(StudyRecord&) {}

void ObservationalDesignPage::onStore(StudyRecord&) {}
