#pragma once

#include "editor/ItemDialog.h"
#include "editor/ItemForm.h"
#include "model/ArmGroup.h"
#include "platform/DialogControls.h"
#include "platform/DialogTemplate.h"

#include <QStringList>

// Adds or edits one study arm of an interventional protocol: its label, type
// and description.
class ArmDialog : public ItemDialog {
    Q_OBJECT
public:
    enum ControlId {
        IDC_OK = 1,
        IDC_CANCEL = 2,
        IDC_LABEL = 1011,
        IDC_TYPE = 1032,
        IDC_DESCRIPTION = 1013,
    };
    static constexpr int kTemplateNumber = 511;

    static const QStringList& armTypes();
    static DialogTemplate dialogTemplate();

    explicit ArmDialog(QWidget* parent = nullptr);

    // Set before exec(); none for Add.
    void setItem(const ArmGroup& arm) { m_form.show(arm); }
    // The item with what the user changed; after OK.
    const ArmGroup& item() const { return m_form.item(); }

    void accept() override;

private:
    ItemForm<ArmGroup> m_form;
};
