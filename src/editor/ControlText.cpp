#include "editor/ControlText.h"

#include "editor/ComboText.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

QString ControlText::shown(const QWidget* control) {
    if (const auto* edit = qobject_cast<const QLineEdit*>(control)) {
        return edit->text();
    }
    if (const auto* box = qobject_cast<const QPlainTextEdit*>(control)) {
        return box->toPlainText();
    }
    if (const auto* combo = qobject_cast<const QComboBox*>(control)) {
        return ComboText::current(*combo);
    }
    return {};
}

void ControlText::show(QWidget* control, const QString& text) {
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        edit->setText(text);
    } else if (auto* box = qobject_cast<QPlainTextEdit*>(control)) {
        box->setPlainText(text);
    } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
        ComboText::select(*combo, text);
    }
}
