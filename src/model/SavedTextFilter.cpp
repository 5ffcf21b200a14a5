#include "model/SavedTextFilter.h"

#include <algorithm>

namespace {

bool isLineBlankChar(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

} // namespace

// Ampersands are rare, so the next one is looked up only once the scan has
// passed it.
void SavedTextFilter::append(std::string_view text) {
    static constexpr std::string_view kEncodedReference = "&amp;#";
    const std::size_t n = text.size();
    std::size_t ampersand = std::min(text.find('&'), n);
    std::size_t i = 0;
    while (i < n) {
        const std::size_t j = std::min(std::min(text.find('\n', i), n), ampersand);
        if (j > i)
            appendSegment(text.substr(i, j - i));
        if (j == n)
            break;
        if (j == ampersand) {
            m_lineHasContent = true;
            const bool reference = text.substr(j).starts_with(kEncodedReference);
            m_out.append(reference ? "&#" : "&");
            i = j + (reference ? kEncodedReference.size() : 1);
            ampersand = std::min(text.find('&', i), n);
        } else {
            endLine();
            i = j + ((j + 1 < n && text[j + 1] == '\n') ? 2 : 1);
        }
    }
}

void SavedTextFilter::appendSegment(std::string_view segment) {
    m_out.append(segment);
    if (!m_lineHasContent)
        m_lineHasContent = !std::all_of(segment.begin(), segment.end(), isLineBlankChar);
}

void SavedTextFilter::endLine() {
    if (m_lineHasContent)
        m_out.append("\r\n");
    else
        m_out.resize(m_lineStart);
    m_lineStart = m_out.size();
    m_lineHasContent = false;
}

void SavedTextFilter::finish() {
    if (m_out.size() > m_lineStart)
        endLine();
}

void SavedTextFilter::continueAfterDirectText() {
    const std::size_t lastBreak = m_out.rfind('\n');
    m_lineStart = lastBreak == std::string::npos ? 0 : lastBreak + 1;
    m_lineHasContent = true;
}

void SavedTextFilter::eraseFinalPart() {
    m_out.erase(0, m_lineStart);
    m_lineStart = 0;
}
