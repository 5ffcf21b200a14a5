#pragma once

#include "editor/EditorPage.h"

// The "Summary" section: the brief summary and the detailed description,
// copied between record and boxes without any conversion.
class SummaryPage : public EditorPage {
    Q_OBJECT
public:
    enum ControlId {
        IDC_GROUP = 5100,
        IDC_BRIEF_SUMMARY = 1055,
        IDC_DETAILED_DESCRIPTION = 1056,
        IDC_MARKER_BRIEF_SUMMARY = 1146,
        IDC_MARKER_DETAILED_DESCRIPTION = 1147,
    };
    static constexpr int kTemplateNumber = 503;

    static DialogTemplate pageTemplate();

    explicit SummaryPage(QWidget* parent = nullptr);

protected:
    void onLoad(StudyRecord& record) override;
    void onStore(StudyRecord& record) override;
};
