#pragma once

#include <string>
#include <string_view>

// An age limit as the record holds it: the number, one space, the unit
// ("18 Years").
class AgeText {
public:
    struct Parts {
        std::string number;
        std::string unit;
    };

    // The number is the text before the first space, or all of it when it has
    // none and starts with a digit ("N/A" has no number). The unit is the text after the first space, or all of it when it
    // has no space or ends in its first one; the unit box then matches what
    // it can.
    static Parts split(std::string_view text);
    // The space is written even when either part is empty.
    static std::string join(std::string_view number, std::string_view unit);
};
