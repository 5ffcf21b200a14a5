#include "editor/ItemDialog.h"

#include "editor/MessageCaption.h"
#include "editor/StyledBuilder.h"
#include "platform/ControlShape.h"
#include "platform/DialogBuilder.h"
#include "platform/Platform.h"
#include "platform/Prompts.h"

#include <QPushButton>

ItemDialog::ItemDialog(const DialogTemplate& dialogTemplate, QWidget* parent)
    : QDialog(parent), m_itemName(dialogTemplate.caption) {
    m_controls = StyledBuilder::get().build(this, dialogTemplate);
    updateTitle();
    setFixedSize(size());
    if (auto* ok = m_controls.get<QPushButton>(kOk)) {
        connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    }
    if (auto* cancel = m_controls.get<QPushButton>(kCancel)) {
        connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    }
}

DialogTemplate ItemDialog::itemTemplate(int number, const QString& caption, int width,
                                        TemplateColumn col, int bottom) {
    const int buttons = col.y();
    col.add(ControlShape::defaultButton(QStringLiteral("OK")).at(width - 113, buttons, kOk));
    col.add(ControlShape::button(QStringLiteral("Cancel")).at(width - 57, buttons, kCancel));
    return {.number = number,
            .caption = caption,
            .width = width,
            .height = buttons + ControlShape::kButtonHeight + bottom,
            .controls = col.controls()};
}

void ItemDialog::refuse(QWidget* control, const QString& message) {
    Platform::prompts().showError(this, messageCaption(), message);
    if (control != nullptr) {
        control->setFocus();
    }
}

void ItemDialog::setPurpose(Purpose purpose) {
    m_purpose = purpose;
    updateTitle();
}

void ItemDialog::setItemName(const QString& name) {
    m_itemName = name;
    updateTitle();
}

void ItemDialog::updateTitle() {
    setWindowTitle((m_purpose == Purpose::Add ? QStringLiteral("Add ") : QStringLiteral("Edit ")) +
                   m_itemName);
}
