#pragma once

#include <string>
#include <string_view>
#include <vector>

class FieldValue;

// Multi-line boxes that stand for a list of texts, one entry per line.
class LineSplitting {
public:
    // Collaborators: each piece runs up to the next line feed; carriage
    // returns and line feeds are removed from it; pieces left empty are
    // skipped, all others (spaces included) are kept as they are.
    static std::vector<std::string> splitAtLineFeeds(std::string_view text);
    // Authorities: every maximal run holding neither a carriage return nor a
    // line feed is one entry; spaces are kept.
    static std::vector<std::string> splitAtLineBreaks(std::string_view text);
    // The entries with "\r\n" between them, none after the last.
    static std::string joinLines(const std::vector<std::string>& entries);
    // The items' display texts the same way.
    static std::string joinDisplayTexts(const std::vector<FieldValue>& items);
};
