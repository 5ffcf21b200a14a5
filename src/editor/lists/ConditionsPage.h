#pragma once

#include "editor/EditorPage.h"

// The "Conditions and Keywords" section: the conditions and the keywords,
// each a box with one item per line, and a link to the MeSH browser for
// standard condition terms.
class ConditionsPage : public EditorPage {
    Q_OBJECT
public:
    enum ControlId {
        IDC_CONDITIONS_GROUP = 5100,
        IDC_KEYWORDS_GROUP = 5101,
        IDC_CONDITIONS = 1061,
        IDC_KEYWORDS = 1062,
        IDC_MESH_LINK = 1063,
        IDC_MARKER_CONDITIONS = 1171,
        IDC_MARKER_KEYWORDS = 1172,
    };
    static constexpr int kTemplateNumber = 509;

    static DialogTemplate pageTemplate();

    explicit ConditionsPage(QWidget* parent = nullptr);

protected:
    void onLoad(StudyRecord& record) override;
    void onStore(StudyRecord& record) override;
};
