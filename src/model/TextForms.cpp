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

std::string markersToBreaks(std::string_view text, bool bareLineFeeds) {
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
        if (bareLineFeeds && c == '\n' && (i == 0 || text[i - 1] != '\r'))
            out += '\r';
        out += c;
        ++i;
    }
    return out;
}

} // namespace

std::string toDisplayForm(std::string_view text) {
    if (text.find(kLineBreakMarker) == std::string_view::npos)
        return std::string(text);
    return markersToBreaks(text, false);
}

std::string toDisplayFormAllBreaks(std::string_view text) {
    if (text.find(kLineBreakMarker) == std::string_view::npos &&
        text.find('\n') == std::string_view::npos)
        return std::string(text);
    return markersToBreaks(text, true);
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
