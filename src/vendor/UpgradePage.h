#pragma once

#include <string>
#include <string_view>
#include <vector>

// What the maker's upgrade page says: the newest version, its description and
// where to download it. The page is plain lines with comment markers; a marker
// line announces the value on the line(s) after it.
//
// Reading a page updates what it states and keeps the rest: a page without a
// version line leaves the version of an earlier page, and description lines add
// to whatever description is held (clear it before a fresh check).
class UpgradePage {
public:
    static constexpr std::string_view kVersionMarker = "<!-- UPGRADE Version";
    static constexpr std::string_view kDescriptionMarker = "<!-- UPGRADE Description";
    static constexpr std::string_view kDescriptionEnd = "END UPGRADE Description";
    static constexpr std::string_view kDownloadLinkMarker = "<!-- UPGRADE Download Link";
    static constexpr std::string_view kRenewLinkMarker = "<!-- UPGRADE Renew Link";
    static constexpr std::string_view kReleaseDateLabel = "Release Date: ";

    void read(const std::vector<std::string>& lines);
    void clearDescription();

    // 0 until a page with a version line was read.
    double version() const { return m_version; }
    const std::string& description() const { return m_description; }
    // The word after "Release Date: " in the description; empty when there is none.
    const std::string& releaseDate() const { return m_releaseDate; }
    const std::string& downloadLink() const { return m_downloadLink; }

    // The leading decimal number of a line; 0 when the line does not start with one.
    static double leadingNumber(std::string_view line);
    static std::string releaseDateIn(std::string_view description);

private:
    // Reads the description that starts after the marker at `index`; returns the
    // index of the last line it consumed.
    std::size_t readDescription(const std::vector<std::string>& lines, std::size_t index);

    double m_version = 0.0;
    std::string m_description;
    std::string m_releaseDate;
    std::string m_downloadLink;
};
