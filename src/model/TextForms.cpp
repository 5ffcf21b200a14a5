#include "model/TextForms.h"

#include <algorithm>

std::string toXmlForm(std::string_view text) {
    if (text.find('\n') == std::string_view::npos)
        return std::string(text);
    std::string out;
    out.reserve(text.size() + 8);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            out.append(kLineBreakMarker);
            ++i;
        } else if (c == '\n') {
            out.append(kLineBreakMarker);
        } else {
            out += c;
        }
    }
    return out;
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

std::string markersToBreaks(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (c == '&' && text.substr(i).starts_with(kLineBreakMarker)) {
            out.append(kDisplayLineBreak);
            i += kLineBreakMarker.size();
            continue;
        }
        out += c;
        ++i;
    }
    return out;
}

} // namespace

std::string fromElementText(std::string_view text) {
    if (text.find_first_of("&\n") == std::string_view::npos)
        return std::string(text);
    std::string out;
    out.reserve(text.size() + 8);
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        const std::size_t length = (c == '&' || c == '\r' || c == '\n') ? lineBreakAt(text, i) : 0;
        if (length > 0) {
            out.append(kLineBreakMarker);
            i += length;
        } else {
            out += c;
            ++i;
        }
    }
    return out;
}

std::string toDisplayForm(std::string_view text) {
    if (text.find(kLineBreakMarker) == std::string_view::npos)
        return std::string(text);
    return markersToBreaks(text);
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

std::string lowerCased(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), [](char c) {
        return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    });
    return out;
}
