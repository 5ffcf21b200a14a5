#include "model/TextModeDecoder.h"

void TextModeDecoder::append(std::string_view bytes) {
    if (bytes.empty())
        return;
    if (m_pendingCR) {
        m_pendingCR = false;
        if (bytes.front() != '\n')
            m_out += '\r';
    }
    std::size_t from = 0;
    while (from < bytes.size()) {
        const std::size_t cr = bytes.find('\r', from);
        if (cr == std::string_view::npos) {
            m_out.append(bytes.substr(from));
            return;
        }
        m_out.append(bytes.substr(from, cr - from));
        if (cr + 1 == bytes.size()) {
            m_pendingCR = true;
            return;
        }
        if (bytes[cr + 1] != '\n')
            m_out += '\r';
        from = cr + 1;
    }
}

void TextModeDecoder::finish() {
    if (m_pendingCR)
        m_out += '\r';
    m_pendingCR = false;
    if (!m_out.empty() && m_out.back() == '\n')
        m_out.pop_back();
}
