#pragma once

#include "editor/EditorPage.h"
#include "editor/ItemList.h"
#include "model/Outcome.h"

// The "Outcome Measures" section: the primary and the secondary outcome
// measures, each a list edited with the outcome dialog.
class OutcomesPage : public EditorPage {
    Q_OBJECT
public:
    enum ControlId {
        IDC_PRIMARY_GROUP = 5100,
        IDC_SECONDARY_GROUP = 5101,
        IDC_PRIMARY_LIST = 5010,
        IDC_PRIMARY_ADD = 1022,
        IDC_PRIMARY_EDIT = 1026,
        IDC_PRIMARY_REMOVE = 1024,
        IDC_SECONDARY_LIST = 5011,
        IDC_SECONDARY_ADD = 1027,
        IDC_SECONDARY_EDIT = 1028,
        IDC_SECONDARY_REMOVE = 1029,
        IDC_MARKER_PRIMARY = 1170,
        IDC_MARKER_SECONDARY = 1169,
    };
    static constexpr int kTemplateNumber = 507;

    static DialogTemplate pageTemplate();

    explicit OutcomesPage(QWidget* parent = nullptr);

    using Outcomes = ItemList<Outcome>;

    Outcomes& primaryOutcomes() { return m_primary; }
    Outcomes& secondaryOutcomes() { return m_secondary; }

    void addOutcome(Outcomes& list);
    void editOutcome(Outcomes& list);
    void removeOutcome(Outcomes& list);

protected:
    void onLoad(StudyRecord& record) override;
    void onStore(StudyRecord& record) override;

private:
    void connectList(Outcomes& list, int listId, int addId, int editId, int removeId);

    Outcomes m_primary;
    Outcomes m_secondary;
};
