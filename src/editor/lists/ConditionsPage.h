#pragma once

#include "editor/EditorPage.h"
#include "editor/ItemListModel.h"
#include "model/FieldValue.h"

#include <QString>
#include <string>
#include <vector>

// The "Conditions and Keywords" section: the conditions and the keywords,
// each a box with one item per line, and a link to the MeSH browser for
// standard condition terms. The page keeps copies of the items: a box the
// user did not change gives them back as they were, and a line of a changed
// box that is still an item's text keeps that item and its delete flag.
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

private:
    using Items = ItemListModel<FieldValue>;

    // `shown` is what the box showed after the load.
    void loadBox(int id, Items& copies, QString& shown, const std::vector<FieldValue>& items);
    void storeBox(int id, const Items& copies, const QString& shown,
                  std::vector<FieldValue>& items) const;

    Items m_conditions;
    Items m_keywords;
    QString m_shownConditions;
    QString m_shownKeywords;
};
