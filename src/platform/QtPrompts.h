#pragma once

#include "platform/Prompts.h"

// The desktop's own message boxes and file dialogs.
class QtPrompts : public Prompts {
public:
    MessageAnswer message(QWidget* parent, const MessageRequest& request) override;
    std::optional<QString> openFile(QWidget* parent, const FileDialogRequest& request) override;
    std::optional<QString> saveFile(QWidget* parent, const FileDialogRequest& request) override;
    std::optional<Credentials> credentials(QWidget* parent,
                                           const CredentialsRequest& request) override;

    // "Label (*.ext)" filter strings; the pattern is added to a label that lacks it.
    static QStringList nameFilters(const std::vector<FileFilter>& filters);
    // The answer a dismissed box (Escape, close box) stands for.
    static MessageAnswer dismissAnswer(MessageButtons buttons);
};
