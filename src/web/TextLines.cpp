#include "web/TextLines.h"

#include <algorithm>

TextLines::TextLines(std::string text, bool complete) : m_text(std::move(text)) {
    if (complete) {
        m_end = m_text.size();
        return;
    }
    const std::size_t lastBreak = m_text.rfind('\n');
    m_end = lastBreak == std::string::npos ? 0 : lastBreak + 1;
}

TextLines::Iterator TextLines::begin() const {
    return Iterator(std::string_view(m_text).substr(0, m_end), 0);
}

TextLines::Iterator TextLines::end() const {
    return Iterator(std::string_view(m_text).substr(0, m_end), m_end);
}

TextLines::Iterator::Iterator(std::string_view text, std::size_t start)
    : m_text(text), m_start(start) {
    if (m_start >= m_text.size()) {
        return;
    }
    const std::size_t lineEnd = std::min(m_text.find('\n', m_start), m_text.size());
    m_line = m_text.substr(m_start, lineEnd - m_start);
    if (!m_line.empty() && m_line.back() == '\r') {
        m_line.remove_suffix(1);
    }
    m_next = std::min(lineEnd + 1, m_text.size());
}

TextLines::Iterator& TextLines::Iterator::operator++() {
    *this = Iterator(m_text, m_next);
    return *this;
}

TextLines::Iterator TextLines::Iterator::operator++(int) {
    Iterator before = *this;
    ++*this;
    return before;
}
