#pragma once

#include "editor/ResizableDialog.h"
#include "model/RuleFinding.h"

#include <vector>

class QTreeWidget;
class QTreeWidgetItem;

// The editor's Check: every finding of the record being edited, one row each
// with the section it belongs to. Choosing a row (double-click, Enter or Go
// To) closes the dialog with that row as chosen().
class FindingsDialog : public ResizableDialog {
    Q_OBJECT
public:
    static constexpr int kTemplateNumber = 147;
    enum ControlId { IDC_SUMMARY = 1001, IDC_LIST = 1002, IDC_GO_TO = 1, IDC_CLOSE = 2 };

    struct Row {
        RuleSeverity severity = RuleSeverity::Warning;
        QString text;
        QString section;
    };

    explicit FindingsDialog(const std::vector<Row>& rows, QWidget* parent = nullptr);

    QTreeWidget* list() const;
    // The row chosen, from 0; -1 when the dialog closed without a choice.
    int chosen() const { return m_chosen; }

private:
    void choose(QTreeWidgetItem* item);

    int m_chosen = -1;
};
