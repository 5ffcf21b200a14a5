#pragma once

#include "platform/DialogControls.h"
#include "platform/DialogTemplate.h"

#include <QString>

class QDialog;
class QWidget;

// What the item dialogs of the list pages share: building from a template
// with the styled controls, and refusing OK for a missing entry.
class ItemDialogSupport {
public:
    // Builds the controls, fixes the dialog's size and connects the buttons
    // with ids 1 (OK: accept) and 2 (Cancel: reject).
    static DialogControls build(QDialog* dialog, const DialogTemplate& dialogTemplate);
    // Shows the refusal and puts the keyboard focus on `control`.
    static void refuse(QWidget* dialog, QWidget* control, const QString& message);

    // Template pieces in dialog units.
    static ControlTemplate label(const QString& text, int x, int y, int width, int id = -1);
    static ControlTemplate edit(int id, int x, int y, int width);
    static ControlTemplate combo(int id, int x, int y, int width, QStringList entries);
    static ControlTemplate textBox(int id, int x, int y, int width, int height);
    static ControlTemplate groupBox(const QString& title, DialogRect rect, int id = -1);
    static ControlTemplate button(int id, const QString& text, int x, int y);
    static ControlTemplate okButton(int x, int y);
    static ControlTemplate cancelButton(int x, int y);

    static constexpr int kOk = 1;
    static constexpr int kCancel = 2;
};
