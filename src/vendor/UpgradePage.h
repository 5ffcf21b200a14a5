#pragma once

#include <string>
#include <string_view>

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

    // `Lines` is any range of lines, read once from the front.
    template <typename Lines> void read(const Lines& lines) {
        Expect expect = Expect::Marker;
        m_statesVersion = false;
        for (const auto& line : lines) {
            expect = readLine(expect, line);
        }
        m_releaseDate = releaseDateIn(m_description);
    }
    void clearDescription();

    // 0 until a page with a version line was read.
    double version() const { return m_version; }
    // Whether the page read last had a version line with a version number.
    bool statesVersion() const { return m_statesVersion; }
    const std::string& description() const { return m_description; }
    // The word after "Release Date: " in the description; empty when there is none.
    const std::string& releaseDate() const { return m_releaseDate; }
    const std::string& downloadLink() const { return m_downloadLink; }

    // The leading decimal number of a line; 0 when the line does not start with one.
    static double leadingNumber(std::string_view line);
    static std::string releaseDateIn(std::string_view description);

private:
    // What a line means: a marker, or the value line a marker announced.
    enum class Expect { Marker, Version, Description, DownloadLink, RenewLink };

    // Takes one line; returns what the next line means.
    Expect readLine(Expect expect, std::string_view line);
    static Expect readMarker(std::string_view line);

    double m_version = 0.0;
    bool m_statesVersion = false;
    std::string m_description;
    std::string m_releaseDate;
    std::string m_downloadLink;
};
