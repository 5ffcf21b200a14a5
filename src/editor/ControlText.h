#pragma once

#include <QString>

class QWidget;

// The text an item dialog's control shows: a one-line edit's text, a
// multi-line edit's plain text ("\n" line breaks), a drop-down's selected
// entry as ComboText reads and selects it. Other widgets show none.
class ControlText {
public:
    static QString shown(const QWidget* control);
    static void show(QWidget* control, const QString& text);
};
