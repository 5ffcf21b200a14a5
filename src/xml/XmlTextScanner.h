#pragma once

#include "xml/XmlByteBlock.h"
#include "xml/XmlParseOptions.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

// Which bytes end a search, indexed by unsigned byte value.
using XmlStopSet = std::array<bool, 256>;

constexpr XmlStopSet xmlStopSet(std::string_view bytes) {
    XmlStopSet set{};
    for (char c : bytes)
        set[static_cast<unsigned char>(c)] = true;
    return set;
}

// The searches the XML reader makes through its text, escape-aware where the
// options give an escape character. Shared by the reader and by anything that
// must scan markup exactly as the reader does.
class XmlTextScanner {
public:
    static constexpr std::size_t npos = std::string_view::npos;

    using StopSet = XmlStopSet;
    // What ends an element name in an end tag, and an attribute name.
    static constexpr StopSet kEndTagNameEnd = xmlStopSet(" >");
    static constexpr StopSet kAttributeNameEnd = xmlStopSet(" =");

    XmlTextScanner(std::string_view text, const XmlParseOptions& options)
        : m_text(text), m_options(options) {}

    void setText(std::string_view text) { m_text = text; }

    static constexpr StopSet kSpace = xmlStopSet(" \t\n\v\f\r");

    static bool isSpace(char c) { return kSpace[static_cast<unsigned char>(c)]; }

    std::size_t skipSpace(std::size_t position) const {
        if (position >= m_text.size())
            return position;
        return scan(kSpace, false, position);
    }
    bool isEscaped(std::size_t position) const {
        return m_options.escapeChar != 0 && position > 0 &&
               m_text[position - 1] == m_options.escapeChar;
    }
    // Markers are a few bytes long: comparing them in place beats a library call.
    bool startsWith(std::size_t position, std::string_view marker) const {
        if (position > m_text.size() || m_text.size() - position < marker.size())
            return false;
        for (std::size_t i = 0; i < marker.size(); ++i) {
            if (m_text[position + i] != marker[i])
                return false;
        }
        return true;
    }
    // Names are short: a byte table beats a search over the set for every byte.
    std::size_t findFirstOf(const StopSet& set, std::size_t from) const {
        if (from >= m_text.size())
            return npos;
        const std::size_t at = scan(set, true, from);
        return at == m_text.size() ? npos : at;
    }

    // Where an element name in a start tag ends: at white space, '/' or '>'.
    std::size_t findNameEnd(std::size_t from) const {
        return XmlByteBlock::find(m_text, from, [](XmlByteBlock::Bytes bytes) {
            return XmlByteBlock::equal(bytes, ' ') | XmlByteBlock::equal(bytes, '/') |
                   XmlByteBlock::equal(bytes, '>') | XmlByteBlock::equal(bytes, '\t') |
                   XmlByteBlock::equal(bytes, '\r') | XmlByteBlock::equal(bytes, '\n');
        });
    }

    // The next `c` from `from`; most searches start right at it.
    std::size_t find(char c, std::size_t from) const {
        return from < m_text.size() && m_text[from] == c ? from : m_text.find(c, from);
    }
    std::size_t findUnescaped(char c, std::size_t from) const {
        return m_options.escapeChar == 0 ? m_text.find(c, from) : findUnescapedLoop(c, from);
    }
    std::size_t findUnescaped(std::string_view marker, std::size_t from) const;

    // Text up to the next unescaped '<' (`end`, npos when there is none), and
    // where its first '&' is (npos when it has none).
    struct TextRun {
        std::size_t end;
        std::size_t firstAmpersand;
    };
    TextRun textRun(std::size_t from) const;
    std::size_t findFirstUnescapedOf(std::string_view set, std::size_t from) const;

    // Whether the bytes of `a` and `b` agree over `count` bytes; names are
    // short, so words compared in place (the last one overlapping) beat a
    // library call.
    static bool sameBytes(const char* a, const char* b, std::size_t count) {
        if (count < sizeof(std::uint32_t)) {
            for (std::size_t i = 0; i < count; ++i) {
                if (a[i] != b[i])
                    return false;
            }
            return true;
        }
        if (count < sizeof(std::uint64_t)) {
            const std::size_t last = count - sizeof(std::uint32_t);
            return load<std::uint32_t>(a) == load<std::uint32_t>(b) &&
                   load<std::uint32_t>(a + last) == load<std::uint32_t>(b + last);
        }
        const std::size_t last = count - sizeof(std::uint64_t);
        for (std::size_t i = 0; i < last; i += sizeof(std::uint64_t)) {
            if (load<std::uint64_t>(a + i) != load<std::uint64_t>(b + i))
                return false;
        }
        return load<std::uint64_t>(a + last) == load<std::uint64_t>(b + last);
    }

private:
    // The first byte from `from` whose membership in `set` is `member`, or
    // the end of the text; four bytes a round, the end checked once for them.
    std::size_t scan(const StopSet& set, bool member, std::size_t from) const {
        const char* const begin = m_text.data();
        const char* p = begin + from;
        const char* const end = begin + m_text.size();
        const auto in = [&set, member](char c) {
            return set[static_cast<unsigned char>(c)] == member;
        };
        for (; end - p >= 4; p += 4) {
            if (in(p[0]))
                return static_cast<std::size_t>(p - begin);
            if (in(p[1]))
                return static_cast<std::size_t>(p + 1 - begin);
            if (in(p[2]))
                return static_cast<std::size_t>(p + 2 - begin);
            if (in(p[3]))
                return static_cast<std::size_t>(p + 3 - begin);
        }
        for (; p != end; ++p) {
            if (in(*p))
                break;
        }
        return static_cast<std::size_t>(p - begin);
    }

    std::size_t findUnescapedLoop(char c, std::size_t from) const;
    template <typename Word>
    static Word load(const char* bytes) {
        Word word;
        std::memcpy(&word, bytes, sizeof word);
        return word;
    }

    std::string_view m_text;
    const XmlParseOptions& m_options;
};
