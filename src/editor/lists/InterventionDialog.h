#pragma once

#include "editor/ItemDialog.h"
#include "editor/ItemForm.h"
#include "model/Intervention.h"
#include "platform/DialogControls.h"
#include "platform/DialogTemplate.h"

#include <QStringList>
#include <string>
#include <vector>

class QTreeWidget;

// Adds or edits one intervention: type, name, description, other names, and
// the arms or groups it belongs to, chosen by check boxes from the labels the
// page offers. Labels are matched by text only; a label of the item that the
// page does not offer is listed after them, checked, so that it stays until
// the user unchecks it.
class InterventionDialog : public ItemDialog {
    Q_OBJECT
public:
    enum ControlId {
        IDC_OK = 1,
        IDC_CANCEL = 2,
        IDC_TYPE = 1032,
        IDC_NAME = 1011,
        IDC_DESCRIPTION = 1013,
        IDC_OTHER_NAMES = 1014,
        IDC_ASSOCIATION_LABEL = 1015,
        IDC_GROUPS = 1016,
    };
    static constexpr int kTemplateNumber = 513;
    // How far the other names box grows when there is nothing to associate.
    static constexpr int kOtherNamesGrowth = 127; // pixels

    static const QStringList& interventionTypes();
    static DialogTemplate dialogTemplate();

    explicit InterventionDialog(QWidget* parent = nullptr);

    // The labels of the page's arms or groups, and the study type, which
    // decides whether they are offered at all. Set before exec().
    void setAssociations(const QStringList& labels, const QString& studyType);
    // Set before exec(); none for Add.
    void setItem(const Intervention& intervention);
    // The item with what the user changed; after OK.
    const Intervention& item() const { return m_form.item(); }

    QTreeWidget* groupsList() const;

    void accept() override;

private:
    void fillGroups();
    void applyStudyType(const QString& studyType);
    std::vector<bool> checks() const;
    std::vector<std::string> checkedLabels() const;

    QRect m_otherNamesPlace;
    ItemForm<Intervention> m_form;
    QStringList m_offered;
    std::vector<bool> m_shownChecks;
};
