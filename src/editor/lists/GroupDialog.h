#pragma once

#include "editor/ItemDialog.h"
#include "editor/ItemForm.h"
#include "model/ArmGroup.h"
#include "platform/DialogControls.h"
#include "platform/DialogTemplate.h"

// Adds or edits one study group or cohort of an observational protocol: its
// label and description. An arm type the item has stays as it is.
class GroupDialog : public ItemDialog {
    Q_OBJECT
public:
    enum ControlId {
        IDC_OK = 1,
        IDC_CANCEL = 2,
        IDC_LABEL = 1011,
        IDC_DESCRIPTION = 1013,
    };
    static constexpr int kTemplateNumber = 512;

    static DialogTemplate dialogTemplate();

    explicit GroupDialog(QWidget* parent = nullptr);

    // Set before exec(); none for Add.
    void setItem(const ArmGroup& group) { m_form.show(group); }
    // The item with what the user changed; after OK.
    const ArmGroup& item() const { return m_form.item(); }

    void accept() override;

private:
    ItemForm<ArmGroup> m_form;
};
