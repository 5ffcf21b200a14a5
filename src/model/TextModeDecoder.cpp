#include "model/TextModeDecoder.h"

#include <cstring>

// Files hold a line break every few dozen bytes: the text is written through
// a pointer into space made once per piece, not appended line by line.
void TextModeDecoder::append(std::string_view bytes) {
    if (bytes.empty())
        return;
    if (m_pendingLF)
        m_out += '\n';
    m_pendingLF = false;
    if (m_pendingCR) {
        m_pendingCR = false;
        if (bytes.front() != '\n')
            m_out += '\r';
    }
    const std::size_t start = m_out.size();
    m_out.resize(start + bytes.size());
    char* to = m_out.data() + start;
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
    m_out.resize(to - m_out.data());
    if (!m_pendingCR && !m_out.empty() && m_out.back() == '\n') {
        m_out.pop_back();
        m_pendingLF = true;
    }
}

void TextModeDecoder::finish() {
    if (m_pendingCR)
        m_out += '\r';
    m_pendingCR = false;
    // A line feed still waiting is the final one.
    if (m_pendingLF) {
        m_pendingLF = false;
        return;
    }
    if (!m_out.empty() && m_out.back() == '\n')
        m_out.pop_back();
}
