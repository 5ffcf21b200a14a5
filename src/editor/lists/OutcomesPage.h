#pragma once

#include "editor/EditorPage.h"
#include "editor/ItemList.h"
#include "model/Outcome.h"

// The "Outcome Measures" section: the primary, the secondary and the other
// pre-specified outcome measures, each a list edited with the outcome dialog.
class OutcomesPage : public EditorPage {
    Q_OBJECT
public:
    enum ControlId {
        IDC_PRIMARY_GROUP = 5100,
        IDC_SECONDARY_GROUP = 5101,
        IDC_OTHER_GROUP = 5102,
        IDC_PRIMARY_LIST = 5010,
        IDC_PRIMARY_ADD = 1022,
        IDC_PRIMARY_EDIT = 1026,
        IDC_PRIMARY_REMOVE = 1024,
        IDC_SECONDARY_LIST = 5011,
        IDC_SECONDARY_ADD = 1027,
        IDC_SECONDARY_EDIT = 1028,
        IDC_SECONDARY_REMOVE = 1029,
        IDC_OTHER_LIST = 5014,
        IDC_OTHER_ADD = 1030,
        IDC_OTHER_EDIT = 1031,
        IDC_OTHER_REMOVE = 1032,
        IDC_MARKER_PRIMARY = 1170,
        IDC_MARKER_SECONDARY = 1169,
        IDC_MARKER_OTHER = 1300,
    };
    static constexpr int kTemplateNumber = 507;

    static DialogTemplate pageTemplate();

    explicit OutcomesPage(QWidget* parent = nullptr);

    using Outcomes = ItemList<Outcome>;

    Outcomes& primaryOutcomes() { return m_primary; }
    Outcomes& secondaryOutcomes() { return m_secondary; }
    Outcomes& otherOutcomes() { return m_other; }

    void addOutcome(Outcomes& list);
    void editOutcome(Outcomes& list);
    void removeOutcome(Outcomes& list);

protected:
    void onLoad(StudyRecord& record) override;
    void onStore(StudyRecord& record) override;

private:
    struct ListIds {
        int list, add, edit, remove;
    };
    void connectList(Outcomes& list, const ListIds& ids, const QString& itemName = {});

    Outcomes m_primary;
    Outcomes m_secondary;
    Outcomes m_other;
};
