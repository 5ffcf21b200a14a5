#pragma once

#include "xml/XmlParseOptions.h"

#include <array>
#include <cstddef>
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
    // What ends an element name in a start tag, in an end tag, and an
    // attribute name.
    static constexpr StopSet kNameEnd = xmlStopSet(" />\t\r\n");
    static constexpr StopSet kEndTagNameEnd = xmlStopSet(" >");
    static constexpr StopSet kAttributeNameEnd = xmlStopSet(" =");

    XmlTextScanner(std::string_view text, const XmlParseOptions& options)
        : m_text(text), m_options(options) {}

    void setText(std::string_view text) { m_text = text; }

    static constexpr StopSet kSpace = xmlStopSet(" \t\n\v\f\r");

    static bool isSpace(char c) { return kSpace[static_cast<unsigned char>(c)]; }

    std::size_t skipSpace(std::size_t position) const {
        while (position < m_text.size() && isSpace(m_text[position]))
            ++position;
        return position;
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
        for (std::size_t i = from; i < m_text.size(); ++i) {
            if (set[static_cast<unsigned char>(m_text[i])])
                return i;
        }
        return npos;
    }

    // The next `c` from `from`; most searches start right at it.
    std::size_t find(char c, std::size_t from) const {
        return from < m_text.size() && m_text[from] == c ? from : m_text.find(c, from);
    }
    std::size_t findUnescaped(char c, std::size_t from) const {
        return m_options.escapeChar == 0 ? m_text.find(c, from) : findUnescapedLoop(c, from);
    }
    std::size_t findUnescaped(std::string_view marker, std::size_t from) const;
    std::size_t findFirstUnescapedOf(std::string_view set, std::size_t from) const;

private:
    std::size_t findUnescapedLoop(char c, std::size_t from) const;

    std::string_view m_text;
    const XmlParseOptions& m_options;
};
