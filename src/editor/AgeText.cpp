#include "editor/AgeText.h"

AgeText::Parts AgeText::split(std::string_view text) {
    const std::size_t space = text.find(' ');
    if (space == std::string_view::npos) {
        // "N/A" is a unit without a number; "18" a number without a unit.
        const bool number = !text.empty() && text.front() >= '0' && text.front() <= '9';
        return {number ? std::string(text) : std::string(), std::string(text)};
    }
    Parts parts{std::string(text.substr(0, space)), std::string(text.substr(space + 1))};
    if (parts.unit.empty()) {
        parts.unit = std::string(text);
    }
    return parts;
}

std::string AgeText::join(std::string_view number, std::string_view unit) {
    std::string joined(number);
    joined += ' ';
    joined += unit;
    return joined;
}
