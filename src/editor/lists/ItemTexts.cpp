#include "editor/lists/ItemTexts.h"

namespace {

const QString kCellLineBreak = QStringLiteral("\r\n");

} // namespace

QStringList ItemTexts::splitAtCommas(const QString& text) {
    return text.split(QLatin1Char(','), Qt::SkipEmptyParts);
}

QStringList ItemTexts::splitLines(const QString& text) {
    QStringList items;
    for (QString line : text.split(QLatin1Char('\n'))) {
        line.remove(QLatin1Char('\r'));
        if (!line.isEmpty()) {
            items << line;
        }
    }
    return items;
}

QString ItemTexts::toEditLines(const QString& cell) {
    QString edited = cell;
    return edited.replace(kCellLineBreak, QStringLiteral("\n"));
}

QString ItemTexts::fromEditLines(const QString& edited) {
    QString cell = edited;
    cell.replace(kCellLineBreak, QStringLiteral("\n"));
    return cell.replace(QLatin1Char('\n'), kCellLineBreak);
}
