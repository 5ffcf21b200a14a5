#pragma once

#include "web/TextLines.h"

#include <optional>
#include <string>
#include <vector>

using Lines = std::vector<std::string>;

// The lines as strings, for comparing with expected ones.
inline Lines linesOf(const TextLines& lines) {
    return Lines(lines.begin(), lines.end());
}

inline std::optional<Lines> linesOf(const std::optional<TextLines>& lines) {
    return lines ? std::optional<Lines>(linesOf(*lines)) : std::nullopt;
}
