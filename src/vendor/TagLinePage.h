#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The maker's message page: an entry is a line containing the marker, then the
// message text, then the link target (may be empty). Lines outside entries are
// ignored; of several entries the last one counts.
class TagLinePage {
public:
    static constexpr std::string_view kMarker = "PROTOSCRIBE TAGLINE";

    struct Entry {
        std::string text;
        std::string target;
    };

    // None when no line holds the marker. Lines missing at the end of the page
    // read as empty.
    static std::optional<Entry> lastEntry(const std::vector<std::string>& lines);
};
