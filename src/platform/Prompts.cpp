#include "platform/Prompts.h"

void Prompts::showError(QWidget* parent, const QString& caption, const QString& text) {
    message(parent, {caption, text, MessageIcon::Error, MessageButtons::Ok});
}

void Prompts::showInformation(QWidget* parent, const QString& caption, const QString& text) {
    message(parent, {caption, text, MessageIcon::Information, MessageButtons::Ok});
}

MessageAnswer Prompts::askYesNoCancel(QWidget* parent, const QString& caption,
                                      const QString& text) {
    return message(parent, {caption, text, MessageIcon::Question, MessageButtons::YesNoCancel});
}

bool Prompts::askYesNo(QWidget* parent, const QString& caption, const QString& text) {
    return message(parent, {caption, text, MessageIcon::Question, MessageButtons::YesNo}) ==
           MessageAnswer::Yes;
}
