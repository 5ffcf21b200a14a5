#pragma once

#include <QStyledItemDelegate>

// Shows a list cell's text on one line: a line break is drawn as a space.
// The cell keeps its text, so a row's texts stay the item's fields, and a
// multi-line description no longer makes its row taller than the others.
class SingleLineCellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QString displayText(const QVariant& value, const QLocale& locale) const override;

    static QString oneLine(QString text);
};
