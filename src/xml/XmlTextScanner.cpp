#include "xml/XmlTextScanner.h"

#include "xml/XmlByteBlock.h"

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

// Most runs are short, an indent or a field value: they are searched a block
// at a time for both bytes in one pass. The rest of a long one is left to the
// library, which searches long texts faster.
XmlTextScanner::TextRun XmlTextScanner::textRun(std::size_t from) const {
    constexpr std::size_t kBlocks = 4;
    std::size_t ampersand = npos;
    std::size_t at = from;
    if (m_options.escapeChar == 0) {
        for (std::size_t block = 0; block < kBlocks && at < m_text.size();
             ++block, at += XmlByteBlock::kSize) {
            const XmlByteBlock::Bytes bytes = XmlByteBlock::at(m_text, at);
            const std::size_t tag = XmlByteBlock::first(XmlByteBlock::equal(bytes, '<'));
            if (ampersand == npos) {
                const std::size_t found = XmlByteBlock::first(XmlByteBlock::equal(bytes, '&'));
                if (found < tag)
                    ampersand = at + found;
            }
            if (tag < XmlByteBlock::kSize)
                return {at + tag, ampersand};
        }
    }
    const std::size_t end = findUnescaped('<', std::min(at, m_text.size()));
    if (ampersand == npos)
        ampersand = m_text.substr(0, end).find('&', at);
    return {end, ampersand};
}
