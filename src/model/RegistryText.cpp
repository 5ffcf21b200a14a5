#include "model/RegistryText.h"

#include "model/TextForms.h"

#include <algorithm>

namespace {

char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

} // namespace

std::size_t RegistryText::utf8Length(std::string_view text, std::size_t i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 && lead < 0xF5 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
    if (length == 0 || i + length > text.size())
        return 0;
    for (std::size_t k = 1; k < length; ++k) {
        if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80)
            return 0;
    }
    return length;
}

std::size_t RegistryText::characterCount(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); ++count) {
        if (text[i] == '&' && text.substr(i).starts_with(kLineBreakMarker))
            i += kLineBreakMarker.size();
        else if (text.substr(i).starts_with(kDisplayLineBreak))
            i += kDisplayLineBreak.size();
        else
            i += std::max<std::size_t>(utf8Length(text, i), 1);
    }
    return count;
}

bool RegistryText::isYes(std::string_view answer) {
    return equalsIgnoringCase(answer, "yes") || equalsIgnoringCase(answer, "true");
}

bool RegistryText::isNo(std::string_view answer) {
    return equalsIgnoringCase(answer, "no") || equalsIgnoringCase(answer, "false");
}

bool RegistryText::equalsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return lower(x) == lower(y); });
}

bool RegistryText::isAnyOf(std::string_view text, std::initializer_list<std::string_view> values) {
    return std::find(values.begin(), values.end(), text) != values.end();
}

bool RegistryText::isUnitedStates(std::string_view country) {
    static constexpr std::string_view kNames[] = {"United States", "USA", "US", "U.S.",
                                                  "United States of America"};
    const std::string_view name = trimmed(country);
    return std::any_of(std::begin(kNames), std::end(kNames),
                       [&](std::string_view known) { return equalsIgnoringCase(name, known); });
}

std::string_view RegistryText::trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}
