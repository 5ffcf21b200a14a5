#include "editor/lists/ItemTexts.h"

#include "model/FieldValue.h"
#include "model/TextForms.h"
#include "platform/TextCodec.h"

#include <algorithm>

namespace {

void eraseAll(std::string& text, std::string_view piece) {
    for (std::size_t at = text.find(piece); at != std::string::npos; at = text.find(piece, at)) {
        text.erase(at, piece.size());
    }
}

const QString kCellLineBreak = QStringLiteral("\r\n");

bool isAscii(char c) {
    return static_cast<unsigned char>(c) < 0x80;
}

} // namespace

std::string ItemTexts::joinLines(const std::vector<FieldValue>& items) {
    std::string joined;
    for (const FieldValue& item : items) {
        if (&item != &items.front()) {
            joined += kDisplayLineBreak;
        }
        joined += item.displayText();
    }
    return joined;
}

std::vector<std::string> ItemTexts::splitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t position = 0;
    while (position < text.size()) {
        const std::size_t feed = text.find('\n', position);
        const std::size_t end = feed == std::string_view::npos ? text.size() : feed;
        std::string line(text.substr(position, end - position));
        eraseAll(line, "\r\n");
        eraseAll(line, "\r");
        eraseAll(line, "\n");
        if (!line.empty()) {
            lines.push_back(std::move(line));
        }
        if (feed == std::string_view::npos) {
            break;
        }
        position = feed + 1;
    }
    return lines;
}

std::string ItemTexts::withWebScheme(std::string_view url) {
    const std::string lower = lowerCased(url);
    if (lower.find("http://") != std::string::npos || lower.find("https://") != std::string::npos) {
        return std::string(url);
    }
    return "http://" + std::string(url);
}

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

QString ItemTexts::toEditLines(const QString& cell) {
    QString edited = cell;
    return edited.replace(kCellLineBreak, QStringLiteral("\n"));
}

QString ItemTexts::fromEditLines(const QString& edited) {
    QString cell = edited;
    cell.replace(kCellLineBreak, QStringLiteral("\n"));
    return cell.replace(QLatin1Char('\n'), kCellLineBreak);
}
