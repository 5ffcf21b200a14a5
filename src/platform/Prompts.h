#pragma once

#include "platform/PromptTypes.h"

#include <optional>

class QWidget;

// Every message box, file dialog and credentials dialog of the program goes
// through this interface. The program installs the desktop implementation;
// tests install one that records the prompts and answers from a script.
class Prompts {
public:
    virtual ~Prompts() = default;

    virtual MessageAnswer message(QWidget* parent, const MessageRequest& request) = 0;
    // The chosen full path, or none when the user cancelled.
    virtual std::optional<QString> openFile(QWidget* parent, const FileDialogRequest& request) = 0;
    virtual std::optional<QString> saveFile(QWidget* parent, const FileDialogRequest& request) = 0;
    virtual std::optional<Credentials> credentials(QWidget* parent,
                                                   const CredentialsRequest& request) = 0;

    // The common shapes: a refusal (error icon, OK) and a question (question
    // icon, Yes and No; true for Yes).
    void showError(QWidget* parent, const QString& caption, const QString& text);
    void showInformation(QWidget* parent, const QString& caption, const QString& text);
    bool askYesNo(QWidget* parent, const QString& caption, const QString& text);
    // Yes, No, or Cancel (also Escape and the close box): go back.
    MessageAnswer askYesNoCancel(QWidget* parent, const QString& caption, const QString& text);
};
