#include "xml/XmlTextScanner.h"

#include <cstring>

std::size_t XmlTextScanner::findUnescapedLoop(char c, std::size_t from) const {
    while (from < m_text.size()) {
        const void* hit = std::memchr(m_text.data() + from, c, m_text.size() - from);
        if (!hit)
            return npos;
        const auto at = static_cast<std::size_t>(static_cast<const char*>(hit) - m_text.data());
        if (!isEscaped(at))
            return at;
        from = at + 1;
    }
    return npos;
}

std::size_t XmlTextScanner::findUnescaped(std::string_view marker, std::size_t from) const {
    while (from < m_text.size()) {
        const std::size_t at = m_text.find(marker, from);
        if (at == npos || !isEscaped(at))
            return at;
        from = at + 1;
    }
    return npos;
}

std::size_t XmlTextScanner::findFirstUnescapedOf(std::string_view set, std::size_t from) const {
    for (std::size_t at = m_text.find_first_of(set, from); at != npos;
         at = m_text.find_first_of(set, at + 1)) {
        if (!isEscaped(at))
            return at;
    }
    return npos;
}
