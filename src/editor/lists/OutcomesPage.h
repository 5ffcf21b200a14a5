#pragma once

#include "editor/EditorPage.h"
#include "editor/ListSection.h"

#include <optional>

// The "Outcome Measures" section: the primary and the secondary outcome
// measures, each a list edited with the outcome dialog. An expanded-access
// protocol keeps no outcomes.
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

    ListSection& primaryOutcomes() { return m_primary; }
    ListSection& secondaryOutcomes() { return m_secondary; }

    void addOutcome(ListSection& section);
    void editOutcome(ListSection& section);
    void removeOutcome(ListSection& section);

protected:
    void onLoad(StudyRecord& record) override;
    void onStore(StudyRecord& record) override;

private:
    void connectSection(ListSection& section, int listId, int addId, int editId, int removeId);
    std::optional<QStringList> runOutcomeDialog(const QStringList& inputs);

    ListSection m_primary;
    ListSection m_secondary;
};
