#include "editor/lists/ItemDialogSupport.h"

#include "controls/StyledControlFactory.h"
#include "editor/MessageCaption.h"
#include "platform/DialogBuilder.h"
#include "platform/Platform.h"
#include "platform/Prompts.h"

#include <QDialog>
#include <QPushButton>

DialogControls ItemDialogSupport::build(QDialog* dialog, const DialogTemplate& dialogTemplate) {
    static const StyledControlFactory factory;
    DialogControls controls = DialogBuilder(factory).build(dialog, dialogTemplate);
    dialog->setFixedSize(dialog->size());
    if (auto* ok = controls.get<QPushButton>(kOk)) {
        QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
    }
    if (auto* cancel = controls.get<QPushButton>(kCancel)) {
        QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    }
    return controls;
}

void ItemDialogSupport::refuse(QWidget* dialog, QWidget* control, const QString& message) {
    Platform::prompts().showError(dialog, messageCaption(), message);
    if (control != nullptr) {
        control->setFocus();
    }
}

ControlTemplate ItemDialogSupport::label(const QString& text, int x, int y, int width, int id) {
    return {.id = id,
            .kind = ControlKind::StaticText,
            .text = text,
            .rect = {x, y, width, 8},
            .style = StyleNoWrap};
}

ControlTemplate ItemDialogSupport::edit(int id, int x, int y, int width) {
    return {.id = id, .kind = ControlKind::Edit, .rect = {x, y, width, 12}};
}

ControlTemplate ItemDialogSupport::combo(int id, int x, int y, int width, QStringList entries) {
    return {.id = id,
            .kind = ControlKind::ComboBox,
            .rect = {x, y, width, 12},
            .entries = std::move(entries)};
}

ControlTemplate ItemDialogSupport::textBox(int id, int x, int y, int width, int height) {
    return {.id = id, .kind = ControlKind::MultiLineEdit, .rect = {x, y, width, height}};
}

ControlTemplate ItemDialogSupport::groupBox(const QString& title, DialogRect rect, int id) {
    return {.id = id, .kind = ControlKind::GroupBox, .text = title, .rect = rect};
}

ControlTemplate ItemDialogSupport::button(int id, const QString& text, int x, int y) {
    return {.id = id, .kind = ControlKind::PushButton, .text = text, .rect = {x, y, 50, 14}};
}

ControlTemplate ItemDialogSupport::okButton(int x, int y) {
    return {.id = kOk,
            .kind = ControlKind::DefaultPushButton,
            .text = QStringLiteral("OK"),
            .rect = {x, y, 50, 14}};
}

ControlTemplate ItemDialogSupport::cancelButton(int x, int y) {
    return button(kCancel, QStringLiteral("Cancel"), x, y);
}
