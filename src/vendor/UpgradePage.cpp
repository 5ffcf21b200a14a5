#include "vendor/UpgradePage.h"

#include <charconv>
#include <cmath>

namespace {

bool contains(std::string_view line, std::string_view marker) {
    return line.find(marker) != std::string_view::npos;
}

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

} // namespace

// A marker takes the line after it as its value; that line is not itself
// looked at for markers. A marker on the last line has no value.
UpgradePage::Expect UpgradePage::readLine(Expect expect, std::string_view line) {
    switch (expect) {
    case Expect::Marker:
        return readMarker(line);
    case Expect::Version:
        m_version = leadingNumber(line);
        m_statesVersion = m_version > 0.0;
        break;
    case Expect::Description:
        if (!contains(line, kDescriptionEnd)) {
            m_description += line;
            return Expect::Description;
        }
        break;
    case Expect::DownloadLink:
        m_downloadLink = line;
        break;
    case Expect::RenewLink:
        break;
    }
    return Expect::Marker;
}

UpgradePage::Expect UpgradePage::readMarker(std::string_view line) {
    if (contains(line, kVersionMarker)) {
        return Expect::Version;
    }
    if (contains(line, kDescriptionMarker)) {
        return contains(line, kDescriptionEnd) ? Expect::Marker : Expect::Description;
    }
    if (contains(line, kDownloadLinkMarker)) {
        return Expect::DownloadLink;
    }
    return contains(line, kRenewLinkMarker) ? Expect::RenewLink : Expect::Marker;
}

void UpgradePage::clearDescription() {
    m_description.clear();
    m_releaseDate.clear();
}

double UpgradePage::leadingNumber(std::string_view line) {
    std::size_t start = 0;
    while (start < line.size() && isBlank(line[start])) {
        ++start;
    }
    if (start < line.size() && line[start] == '+') {
        ++start;
    }
    // Only plain decimal notation: no hexadecimal, no "inf" or "nan".
    const char* first = line.data() + start;
    const char* last = line.data() + line.size();
    if (first == last || (*first != '-' && *first != '.' && (*first < '0' || *first > '9'))) {
        return 0.0;
    }
    double value = 0.0;
    const auto result = std::from_chars(first, last, value, std::chars_format::general);
    if (result.ec != std::errc() || !std::isfinite(value)) {
        return 0.0;
    }
    return value;
}

std::string UpgradePage::releaseDateIn(std::string_view description) {
    const std::size_t label = description.find(kReleaseDateLabel);
    if (label == std::string_view::npos) {
        return {};
    }
    const std::size_t start = label + kReleaseDateLabel.size();
    const std::size_t space = description.find(' ', start);
    if (space == std::string_view::npos) {
        return {};
    }
    return std::string(description.substr(start, space - start));
}
