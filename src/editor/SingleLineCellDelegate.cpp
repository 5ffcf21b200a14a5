#include "editor/SingleLineCellDelegate.h"

QString SingleLineCellDelegate::displayText(const QVariant& value, const QLocale& locale) const {
    return oneLine(QStyledItemDelegate::displayText(value, locale));
}

QString SingleLineCellDelegate::oneLine(QString text) {
    // The base class has turned LF into the line separator already; CR LF
    // must still become one space.
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    text.replace(QLatin1String("\r\n"), QLatin1String(" "));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    return text;
}
