#include "model/TextForms.h"

#include <algorithm>

// Texts run to thousands of bytes with a line break every few dozen: the
// breaks are looked up with a library search, the text between copied whole.
std::string toXmlForm(std::string_view text) {
    std::size_t lineFeed = text.find('\n');
    if (lineFeed == std::string_view::npos)
        return std::string(text);
    std::string out;
    out.reserve(text.size() + 8);
    std::size_t from = 0;
    for (; lineFeed != std::string_view::npos; lineFeed = text.find('\n', from)) {
        const bool crlf = lineFeed > from && text[lineFeed - 1] == '\r';
        out.append(text.substr(from, lineFeed - from - (crlf ? 1 : 0))).append(kLineBreakMarker);
        from = lineFeed + 1;
    }
    return out.append(text.substr(from));
}

namespace {

// The length of the numeric character reference at `at` and the code it
// names; zero length when there is none.
struct Reference {
    std::size_t length = 0;
    unsigned long code = 0;
};

Reference numericReference(std::string_view text, std::size_t at) {
    if (!text.substr(at).starts_with("&#"))
        return {};
    std::size_t i = at + 2;
    const bool hex = i < text.size() && (text[i] == 'x' || text[i] == 'X');
    if (hex)
        ++i;
    const std::size_t digits = i;
    unsigned long code = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        int digit = -1;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (hex && c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (hex && c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        if (digit < 0)
            break;
        // Past any character code: the reference names no line break.
        code = std::min(code * (hex ? 16 : 10) + static_cast<unsigned long>(digit), 0x110000UL);
    }
    if (i == digits || i >= text.size() || text[i] != ';')
        return {};
    return {i + 1 - at, code};
}

constexpr unsigned long kCarriageReturn = 0x0D;
constexpr unsigned long kLineFeed = 0x0A;

// Length of the line break starting at `at`, in any of the forms above.
std::size_t lineBreakAt(std::string_view text, std::size_t at) {
    const auto rawBreak = [&](std::size_t i) -> std::size_t {
        if (text.substr(i).starts_with("\r\n"))
            return 2;
        return i < text.size() && text[i] == '\n' ? 1 : 0;
    };
    const Reference first = numericReference(text, at);
    if (first.code != kCarriageReturn && first.code != kLineFeed)
        return rawBreak(at);
    std::size_t length = first.length;
    if (first.code == kCarriageReturn) {
        const Reference second = numericReference(text, at + length);
        if (second.code == kLineFeed)
            length += second.length;
    }
    return length + rawBreak(at + length);
}

// Where the next line break in any of the forms above starts: the next "&"
// that begins one, or the next raw line feed (with its CR before it).
class LineBreakFinder {
public:
    explicit LineBreakFinder(std::string_view text)
        : m_text(text), m_ampersand(text.find('&')), m_lineFeed(text.find('\n')) {}

    struct Break {
        std::size_t at = std::string_view::npos;
        std::size_t length = 0;
    };

    // The first line break at or after `from`; `at` is npos when none is left.
    Break next(std::size_t from) {
        if (m_ampersand < from)
            m_ampersand = m_text.find('&', from);
        if (m_lineFeed < from)
            m_lineFeed = m_text.find('\n', from);
        for (;;) {
            const std::size_t raw = m_lineFeed > from && m_lineFeed != std::string_view::npos &&
                                            m_text[m_lineFeed - 1] == '\r'
                                        ? m_lineFeed - 1
                                        : m_lineFeed;
            if (raw <= m_ampersand)
                return raw == std::string_view::npos ? Break{} : Break{raw, m_lineFeed + 1 - raw};
            const std::size_t length = lineBreakAt(m_text, m_ampersand);
            if (length > 0)
                return {m_ampersand, length};
            m_ampersand = m_text.find('&', m_ampersand + 1);
        }
    }

private:
    std::string_view m_text;
    std::size_t m_ampersand;
    std::size_t m_lineFeed;
};

// `text` with every line break made `lineBreak`, in one pass.
std::string withLineBreaks(std::string_view text, std::string_view lineBreak) {
    LineBreakFinder finder(text);
    LineBreakFinder::Break found = finder.next(0);
    if (found.at == std::string_view::npos)
        return std::string(text);
    std::string out;
    out.reserve(text.size() + 8);
    std::size_t from = 0;
    for (; found.at != std::string_view::npos; found = finder.next(from)) {
        out.append(text.substr(from, found.at - from)).append(lineBreak);
        from = found.at + found.length;
    }
    return out.append(text.substr(from));
}

} // namespace

std::string fromElementText(std::string_view text) {
    return withLineBreaks(text, kLineBreakMarker);
}

std::string displayFromElementText(std::string_view text) {
    return withLineBreaks(text, kDisplayLineBreak);
}

std::string toDisplayForm(std::string_view text) {
    std::size_t marker = text.find(kLineBreakMarker);
    if (marker == std::string_view::npos)
        return std::string(text);
    std::string out;
    out.reserve(text.size());
    std::size_t from = 0;
    for (; marker != std::string_view::npos; marker = text.find(kLineBreakMarker, from)) {
        out.append(text.substr(from, marker - from)).append(kDisplayLineBreak);
        from = marker + kLineBreakMarker.size();
    }
    return out.append(text.substr(from));
}

bool booleanFromText(std::string_view text) {
    if (text.size() > 4)
        return false;
    const std::string lower = lowerCased(text);
    return lower == "true" || lower == "1";
}

std::string_view booleanToText(bool value) {
    return value ? "true" : "false";
}

namespace {

char lowerCasedChar(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

} // namespace

std::string lowerCased(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), lowerCasedChar);
    return out;
}

bool holdsIgnoringCase(std::string_view text, std::string_view lowerWord) {
    for (std::size_t at = 0; at + lowerWord.size() <= text.size(); ++at) {
        std::size_t i = 0;
        while (i < lowerWord.size() && lowerCasedChar(text[at + i]) == lowerWord[i])
            ++i;
        if (i == lowerWord.size())
            return true;
    }
    return false;
}
