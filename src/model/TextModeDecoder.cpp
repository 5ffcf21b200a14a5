#include "model/TextModeDecoder.h"

#include <cstring>

// Files hold a line break every few dozen bytes: the text is written through
// a pointer into room made once per piece, not appended line by line.
void TextModeDecoder::append(std::string_view bytes) {
    if (bytes.empty())
        return;
    const std::size_t start = m_out.size();
    // The piece, and what the last one left waiting: an LF and a CR at most.
    char* const room = m_out.grow(bytes.size() + 2);
    char* to = room;
    if (m_pendingLF)
        *to++ = '\n';
    m_pendingLF = false;
    if (m_pendingCR) {
        m_pendingCR = false;
        if (bytes.front() != '\n')
            *to++ = '\r';
    }
    const char* from = bytes.data();
    const char* const end = from + bytes.size();
    while (from < end) {
        const auto* cr = static_cast<const char*>(std::memchr(from, '\r', end - from));
        const char* const runEnd = cr ? cr : end;
        std::memcpy(to, from, runEnd - from);
        to += runEnd - from;
        if (!cr)
            break;
        from = cr + 1;
        // Lines end in CR CR LF: the CRs before the last are taken here, not
        // by a search each.
        while (from < end && *from == '\r') {
            *to++ = '\r';
            ++from;
        }
        if (from == end)
            m_pendingCR = true;
        else if (*from != '\n')
            *to++ = '\r';
    }
    m_out.truncate(start + static_cast<std::size_t>(to - room));
    if (!m_pendingCR && !m_out.empty() && m_out.back() == '\n') {
        m_out.popBack();
        m_pendingLF = true;
    }
    moveToString();
}

void TextModeDecoder::finish() {
    if (m_pendingCR)
        m_out.append('\r');
    m_pendingCR = false;
    // A line feed still waiting is the final one.
    if (m_pendingLF)
        m_pendingLF = false;
    else if (!m_out.empty() && m_out.back() == '\n')
        m_out.popBack();
    moveToString();
}

// Each piece's text goes at once: the own buffer holds one piece, not the
// whole text again. A piece never leaves a final LF in it (that waits), so
// nothing moved is taken back.
void TextModeDecoder::moveToString() {
    if (!m_string)
        return;
    m_string->append(m_out.view());
    m_out.clear();
}
