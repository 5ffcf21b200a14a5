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

void UpgradePage::read(const std::vector<std::string>& lines) {
    // A marker takes the line after it as its value; that line is not itself
    // looked at for markers. A marker on the last line has no value.
    const std::size_t count = lines.size();
    for (std::size_t i = 0; i < count; ++i) {
        const std::string& line = lines[i];
        const bool hasNext = i + 1 < count;
        if (contains(line, kVersionMarker)) {
            if (hasNext) {
                m_version = leadingNumber(lines[++i]);
            }
        } else if (contains(line, kDescriptionMarker)) {
            if (!contains(line, kDescriptionEnd)) {
                i = readDescription(lines, i);
            }
        } else if (contains(line, kDownloadLinkMarker)) {
            if (hasNext) {
                m_downloadLink = lines[++i];
            }
        } else if (contains(line, kRenewLinkMarker)) {
            ++i;
        }
    }
    m_releaseDate = releaseDateIn(m_description);
}

std::size_t UpgradePage::readDescription(const std::vector<std::string>& lines, std::size_t index) {
    std::size_t i = index + 1;
    for (; i < lines.size(); ++i) {
        if (contains(lines[i], kDescriptionEnd)) {
            return i;
        }
        m_description += lines[i];
    }
    return i;
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
