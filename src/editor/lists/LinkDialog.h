#pragma once

#include "editor/ItemDialog.h"
#include "editor/ItemForm.h"
#include "model/Link.h"
#include "platform/DialogControls.h"
#include "platform/DialogTemplate.h"

// Adds or edits one web link: its address and a description. An address the
// user typed without a web scheme gets "http://" put in front when OK is
// pressed.
class LinkDialog : public ItemDialog {
    Q_OBJECT
public:
    enum ControlId {
        IDC_URL = 1011,
        IDC_DESCRIPTION = 1012,
        IDC_OK = 1,
        IDC_CANCEL = 2,
    };
    static constexpr int kTemplateNumber = 146;

    static const QString kEnterUrl;

    static DialogTemplate dialogTemplate();

    explicit LinkDialog(QWidget* parent = nullptr);

    // Set before exec(); none for Add.
    void setItem(const Link& link) { m_form.show(link); }
    // The item with what the user changed; after OK.
    const Link& item() const { return m_form.item(); }

    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ItemForm<Link> m_form;
};
