#pragma once

#include <string>
#include <string_view>
#include <vector>

class FieldValue;

// The text rules of the list pages that need no widgets: items one per line,
// and web addresses.
class ItemTexts {
public:
    // The items' display texts, one per line, separated by CR LF.
    static std::string joinLines(const std::vector<FieldValue>& items);
    // One text per non-empty line, carriage returns removed; blanks stay.
    static std::vector<std::string> splitLines(std::string_view text);

    // A web address as the user typed it, with "http://" put in front unless
    // "http://" or "https://" (in any letter case) already occurs anywhere in it.
    static std::string withWebScheme(std::string_view url);
};
