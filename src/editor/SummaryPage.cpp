#include "editor/SummaryPage.h"

#include "editor/PageControls.h"
#include "model/StudyRecord.h"

DialogTemplate SummaryPage::pageTemplate() {
    std::vector<ControlTemplate> controls = {
        {.id = IDC_GROUP,
         .kind = ControlKind::GroupBox,
         .text = QStringLiteral("Summary"),
         .rect = {4, 2, 254, 327},
         .anchors = AnchorGrow},
        PageControls::fieldLabel("Brief Summary", 16),
        marker(IDC_MARKER_BRIEF_SUMMARY, 16),
        {.id = IDC_BRIEF_SUMMARY,
         .kind = ControlKind::MultiLineEdit,
         .rect = {14, 26, 216, 118},
         .anchors = AnchorStretchRight},
        PageControls::fieldLabel("Detailed Description", 152),
        marker(IDC_MARKER_DETAILED_DESCRIPTION, 152),
        {.id = IDC_DETAILED_DESCRIPTION,
         .kind = ControlKind::MultiLineEdit,
         .rect = {14, 162, 216, 157},
         .anchors = AnchorGrow},
    };
    return EditorPage::pageTemplate(kTemplateNumber, std::move(controls));
}

SummaryPage::SummaryPage(QWidget* parent) : EditorPage(parent) {
    buildPage(pageTemplate());
    addEnterExempt(IDC_BRIEF_SUMMARY);
    addEnterExempt(IDC_DETAILED_DESCRIPTION);
    bind(IDC_BRIEF_SUMMARY, [](StudyRecord& r) -> TextBlock& { return r.brief_summary; });
    bind(IDC_DETAILED_DESCRIPTION,
         [](StudyRecord& r) -> TextBlock& { return r.detailed_description; });
}

void SummaryPage::onLoad(StudyRecord&) {}

void SummaryPage::onStore(StudyRecord&) {}
