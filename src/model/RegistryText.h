#pragma once

#include <cstddef>
#include <initializer_list>
#include <string_view>

// How the registry reads the texts and answers of a record.
class RegistryText {
public:
    // Characters of the text as uploaded: UTF-8 characters, a line break (CR
    // LF, or the record's line-break marker) one character, and every byte
    // that is no part of a UTF-8 character one character as well.
    static std::size_t characterCount(std::string_view text);
    // Length of the valid UTF-8 character at `at`, or 0 when none starts there.
    static std::size_t utf8Length(std::string_view text, std::size_t at);
    // "Yes" or "true" in any letter case: the two spellings the registry writes.
    static bool isYes(std::string_view answer);
    // "No" or "false" in any letter case.
    static bool isNo(std::string_view answer);
    static bool equalsIgnoringCase(std::string_view a, std::string_view b);
    // The country names the registry takes for the United States.
    static bool isUnitedStates(std::string_view country);
    // Nothing but spaces, or nothing at all.
    static bool isBlank(std::string_view text) { return trimmed(text).empty(); }
    // The text is exactly one of the values.
    static bool isAnyOf(std::string_view text, std::initializer_list<std::string_view> values);
    // The text without spaces at either end.
    static std::string_view trimmed(std::string_view text);
};
