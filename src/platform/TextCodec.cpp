#include "platform/TextCodec.h"

#include <algorithm>

namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool isContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// Length of the valid UTF-8 sequence starting at `pos` and its code point, or
// 0 when the bytes there are not a valid, shortest-form sequence.
int validSequence(std::string_view bytes, std::size_t pos, char32_t& codePoint) {
    const auto lead = static_cast<unsigned char>(bytes[pos]);
    int length = 0;
    char32_t value = 0;
    char32_t minimum = 0;
    if (lead < 0x80) {
        codePoint = lead;
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        value = lead & 0x1F;
        minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        value = lead & 0x0F;
        minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        value = lead & 0x07;
        minimum = 0x10000;
    } else {
        return 0;
    }
    if (bytes.size() - pos < static_cast<std::size_t>(length)) {
        return 0;
    }
    for (int i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(bytes[pos + i]);
        if (!isContinuation(next)) {
            return 0;
        }
        value = (value << 6) | (next & 0x3F);
    }
    const bool surrogate = value >= 0xD800 && value <= 0xDFFF;
    if (value < minimum || value > 0x10FFFF || surrogate) {
        return 0;
    }
    codePoint = value;
    return length;
}

bool isEscape(char32_t codePoint) {
    return codePoint >= TextCodec::kEscapeFirst && codePoint <= TextCodec::kEscapeLast;
}

void appendCodePoint(QString& text, char32_t codePoint) {
    if (codePoint > 0xFFFF) {
        text.append(QChar(QChar::highSurrogate(codePoint)));
        text.append(QChar(QChar::lowSurrogate(codePoint)));
    } else {
        text.append(QChar(static_cast<char16_t>(codePoint)));
    }
}

void appendUtf8(std::string& bytes, char32_t codePoint) {
    auto put = [&bytes](char32_t value) { bytes.push_back(static_cast<char>(value)); };
    if (codePoint < 0x80) {
        put(codePoint);
    } else if (codePoint < 0x800) {
        put(0xC0 | (codePoint >> 6));
        put(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        put(0xE0 | (codePoint >> 12));
        put(0x80 | ((codePoint >> 6) & 0x3F));
        put(0x80 | (codePoint & 0x3F));
    } else {
        put(0xF0 | (codePoint >> 18));
        put(0x80 | ((codePoint >> 12) & 0x3F));
        put(0x80 | ((codePoint >> 6) & 0x3F));
        put(0x80 | (codePoint & 0x3F));
    }
}

bool isAscii(std::string_view bytes) {
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

bool isAscii(const QString& text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
}

} // namespace

// Most of a record is ASCII: that needs no sequence checks in either direction.
QString TextCodec::decode(std::string_view bytes) {
    if (isAscii(bytes)) {
        return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
    }
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        char32_t codePoint = 0;
        const int length = validSequence(bytes, pos, codePoint);
        if (length > 0 && !isEscape(codePoint)) {
            appendCodePoint(text, codePoint);
            pos += static_cast<std::size_t>(length);
            continue;
        }
        // Escape this one byte and resynchronise at the next.
        const auto byte = static_cast<unsigned char>(bytes[pos]);
        text.append(QChar(static_cast<char16_t>(kEscapeFirst + (byte - 0x80))));
        ++pos;
    }
    return text;
}

std::string TextCodec::encode(const QString& text) {
    if (isAscii(text)) {
        const QByteArray latin = text.toLatin1();
        return std::string(latin.constData(), static_cast<std::size_t>(latin.size()));
    }
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t unit = text.at(i).unicode();
        if (isEscape(unit)) {
            bytes.push_back(static_cast<char>(0x80 + (unit - kEscapeFirst)));
        } else if (QChar::isHighSurrogate(unit) && i + 1 < size &&
                   QChar::isLowSurrogate(text.at(i + 1).unicode())) {
            appendUtf8(bytes, QChar::surrogateToUcs4(unit, text.at(i + 1).unicode()));
            ++i;
        } else if (QChar::isSurrogate(unit)) {
            // A lone surrogate has no UTF-8 form.
            appendUtf8(bytes, kReplacement);
        } else {
            appendUtf8(bytes, unit);
        }
    }
    return bytes;
}

QString TextCodec::decodeLines(std::string_view bytes) {
    QString text = decode(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

std::string TextCodec::encodeLines(const QString& text) {
    const std::string bytes = encode(text);
    std::string result;
    result.reserve(bytes.size() + bytes.size() / 16);
    for (const char c : bytes) {
        if (c == '\n') {
            result.push_back('\r');
        }
        result.push_back(c);
    }
    return result;
}
