#pragma once

#include "editor/ItemDialog.h"
#include "editor/ItemForm.h"
#include "model/SecondaryId.h"
#include "platform/DialogControls.h"
#include "platform/DialogTemplate.h"

// Adds or edits one secondary identifier: its ID, type and domain. The label
// of the domain box names what the domain means for the chosen type.
class SecondaryIdDialog : public ItemDialog {
    Q_OBJECT
public:
    enum ControlId {
        IDC_ID = 1011,
        IDC_DOMAIN = 1012,
        IDC_ID_TYPE = 1032,
        IDC_DOMAIN_LABEL = 1039,
        IDC_OK = 1,
        IDC_CANCEL = 2,
    };
    static constexpr int kTemplateNumber = 138;
    static constexpr int kDomainMaxLength = 119;

    static const QStringList& idTypes();
    // The domain label for an ID type; empty for a type it does not know.
    static QString domainLabelFor(const QString& idType);
    static DialogTemplate dialogTemplate();

    explicit SecondaryIdDialog(QWidget* parent = nullptr);

    // Set before exec(); none for Add.
    void setItem(const SecondaryId& secondaryId);
    // The item with what the user changed; after OK.
    const SecondaryId& item() const { return m_form.item(); }

    QString domainLabel() const;

    void accept() override;

private:
    void applyDomainLabel();

    ItemForm<SecondaryId> m_form;
};
