#pragma once

#include <string>
#include <string_view>

// The text rules of the list pages that need no widgets: web addresses.
class ItemTexts {
public:
    // A web address as the user typed it, with "http://" put in front unless
    // "http://" or "https://" (in any letter case) already occurs anywhere in it.
    static std::string withWebScheme(std::string_view url);
};
