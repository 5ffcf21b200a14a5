#include "editor/SummaryPage.h"

#include "model/StudyRecord.h"

DialogTemplate SummaryPage::pageTemplate() {
    TemplateColumn col = column(2, 200);
    col.group(IDC_GROUP, QStringLiteral("Summary"));
    col.field("Brief Summary", IDC_BRIEF_SUMMARY, ControlShape::lines(118),
              {IDC_MARKER_BRIEF_SUMMARY, "BriefSummary"});
    col.field("Detailed Description", IDC_DETAILED_DESCRIPTION,
              ControlShape::lines(157).anchors(AnchorGrow),
              {IDC_MARKER_DETAILED_DESCRIPTION, "DetailedDescription"});
    col.closeGroup(329, AnchorGrow);
    return EditorPage::pageTemplate(kTemplateNumber, col);
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
