#include "editor/lists/ItemTexts.h"

#include "platform/TextCodec.h"

#include <algorithm>

namespace {

const QString kCellLineBreak = QStringLiteral("\r\n");

bool isAscii(char c) {
    return static_cast<unsigned char>(c) < 0x80;
}

} // namespace

QString ItemTexts::decode(std::string_view bytes) {
    if (std::all_of(bytes.begin(), bytes.end(), isAscii)) {
        return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
    }
    return TextCodec::decode(bytes);
}

bool ItemTexts::sameText(const QString& shown, std::string_view bytes) {
    if (std::all_of(bytes.begin(), bytes.end(), isAscii)) {
        return shown == QLatin1StringView(bytes.data(), static_cast<qsizetype>(bytes.size()));
    }
    return shown == TextCodec::decode(bytes);
}

std::string ItemTexts::encode(const QString& text) {
    const QChar* begin = text.constData();
    if (std::all_of(begin, begin + text.size(), [](QChar c) { return c.unicode() < 0x80; })) {
        std::string bytes(static_cast<std::size_t>(text.size()), '\0');
        std::transform(begin, begin + text.size(), bytes.begin(),
                       [](QChar c) { return static_cast<char>(c.unicode()); });
        return bytes;
    }
    return TextCodec::encode(text);
}

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
