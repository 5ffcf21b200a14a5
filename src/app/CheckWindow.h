#pragma once

#include "editor/ResizableDialog.h"
#include "model/RuleFinding.h"

#include <functional>
#include <vector>

class QTreeWidget;
class QTreeWidgetItem;
class StudyCollection;

// The findings of the registry's rules for every protocol of a collection, one
// group per protocol. Choosing a finding (double-click or Enter) hands it to
// the owner, which opens the editor on it; choosing a protocol hands none.
class CheckWindow : public ResizableDialog {
    Q_OBJECT
public:
    static constexpr int kTemplateNumber = 160;
    enum ControlId { kListId = 1001, kValidateId, kCloseId = 2, kSummaryId = 1004 };

    using Chooser = std::function<void(std::size_t record, const RuleFinding* finding)>;

    CheckWindow(const StudyCollection& collection, const std::vector<RuleFinding>& findings,
                QWidget* parent = nullptr);

    void setChooser(Chooser chooser) { m_chooser = std::move(chooser); }
    QTreeWidget* list() const;

    // "12 errors and 3 warnings in 2 of 5 protocols."
    static QString summary(const std::vector<RuleFinding>& findings, std::size_t protocols);

signals:
    // "&Validate File...": check a file on disk against the registry's schema.
    void validateRequested();

private:
    void fill(const StudyCollection& collection, const std::vector<RuleFinding>& findings);
    void choose(QTreeWidgetItem* item);

    Chooser m_chooser;
    std::vector<RuleFinding> m_findings;
};
