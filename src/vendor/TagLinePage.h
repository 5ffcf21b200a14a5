#pragma once

#include <optional>
#include <string>
#include <string_view>

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
    // read as empty. `Lines` is any range of lines, read once from the front.
    template <typename Lines> static std::optional<Entry> lastEntry(const Lines& lines) {
        TagLinePage page;
        for (const auto& line : lines) {
            page.read(line);
        }
        return page.m_last;
    }

private:
    enum class Expect { Marker, Text, Target };

    void read(std::string_view line);

    std::optional<Entry> m_last;
    Expect m_expect = Expect::Marker;
};
