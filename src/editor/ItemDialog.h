#pragma once

#include "platform/DialogControls.h"
#include "platform/DialogTemplate.h"
#include "platform/TemplateColumn.h"

#include <QDialog>
#include <QString>

// The base of the dialogs that add or edit one item of a list: built from its
// template with the styled controls, fixed in size, OK (id 1) accepts and
// Cancel (id 2) rejects. The template's caption names the item; the title
// says what is done to it: "Add Citation", "Edit Citation".
class ItemDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kOk = 1;
    static constexpr int kCancel = 2;

    enum class Purpose { Add, Edit };
    // Add until told otherwise.
    void setPurpose(Purpose purpose);
    Purpose purpose() const { return m_purpose; }

    // The dialog `width` wide: the column's controls, then OK and Cancel at
    // the right below them, `bottom` above the lower edge.
    static DialogTemplate itemTemplate(int number, const QString& caption, int width,
                                       TemplateColumn col, int bottom);

    QWidget* control(int id) const { return m_controls.widget(id); }

protected:
    ItemDialog(const DialogTemplate& dialogTemplate, QWidget* parent);

    // Shows the refusal and puts the keyboard focus on `control`.
    void refuse(QWidget* control, const QString& message);
    // For a dialog that edits more than one kind of item.
    void setItemName(const QString& name);

    DialogControls m_controls;

private:
    void updateTitle();

    QString m_itemName;
    Purpose m_purpose = Purpose::Add;
};
