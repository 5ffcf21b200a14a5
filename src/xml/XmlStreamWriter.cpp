#include "xml/XmlStreamWriter.h"

#include "xml/XmlTextScanner.h"

#include <algorithm>

namespace {

// Only these characters are ever replaced, whatever else an entity table names.
constexpr std::string_view kEncodable = "&\"'<>";
constexpr XmlStopSet kEncodableBytes = xmlStopSet(kEncodable);

// Finds the characters an entity may replace. Most texts hold none or few:
// a long one is searched once per character with memchr, which the C library
// vectorises, and each search is repeated only once the scan has passed its
// find; a short one is looked up byte by byte.
class EncodableFinder {
public:
    static constexpr std::size_t kShort = 64;

    explicit EncodableFinder(std::string_view text) : m_text(text) {
        if (text.size() > kShort) {
            for (std::size_t i = 0; i < kEncodable.size(); ++i)
                m_next[i] = find(i, 0);
        }
    }

    // The next one at or after `from`; the text's size when none is left.
    std::size_t next(std::size_t from) {
        if (m_text.size() <= kShort)
            return nextByByte(from);
        std::size_t first = m_text.size();
        for (std::size_t i = 0; i < kEncodable.size(); ++i) {
            if (m_next[i] < from)
                m_next[i] = find(i, from);
            first = std::min(first, m_next[i]);
        }
        return first;
    }

private:
    std::size_t find(std::size_t character, std::size_t from) const {
        return std::min(m_text.find(kEncodable[character], from), m_text.size());
    }
    std::size_t nextByByte(std::size_t from) const {
        for (std::size_t i = from; i < m_text.size(); ++i) {
            if (kEncodableBytes[static_cast<unsigned char>(m_text[i])])
                return i;
        }
        return m_text.size();
    }

    std::string_view m_text;
    std::array<std::size_t, kEncodable.size()> m_next{};
};

} // namespace

XmlStreamWriter::XmlStreamWriter(std::string& out, const XmlWriteOptions& options)
    : m_out(out), m_buffer(kBufferSize, '\0'), m_quote(options.quoteChar),
      m_encode(options.encodeEntities && options.entities != nullptr) {
    if (m_encode) {
        for (std::size_t i = 0; i < kEncodable.size(); ++i) {
            const auto entity =
                std::find_if(options.entities->begin(), options.entities->end(),
                             [&](const XmlEntity& e) { return e.character == kEncodable[i]; });
            if (entity != options.entities->end())
                m_references[i] = entity->reference;
        }
    }
    setLineBreak("\r\n");
}

void XmlStreamWriter::flush() {
    m_out.append(m_buffer, 0, m_used);
    m_used = 0;
}

void XmlStreamWriter::putLong(std::string_view piece) {
    flush();
    if (piece.size() > m_buffer.size())
        m_out.append(piece);
    else
        m_used = piece.copy(m_buffer.data(), piece.size());
}

void XmlStreamWriter::setLineBreak(std::string_view lineBreak) {
    m_indent.assign(lineBreak);
    m_lineBreakSize = lineBreak.size();
}

void XmlStreamWriter::lineStart(int depth) {
    const std::size_t length = m_lineBreakSize + static_cast<std::size_t>(std::max(depth, 0));
    if (m_indent.size() < length)
        m_indent.resize(length, '\t');
    put(std::string_view(m_indent).substr(0, length));
}

void XmlStreamWriter::startTag(std::string_view name) {
    put('<');
    put(name);
    m_firstAttribute = true;
}

void XmlStreamWriter::attribute(std::string_view name, std::string_view value) {
    if (m_firstAttribute)
        put(' ');
    m_firstAttribute = false;
    put(name);
    put('=');
    put(m_quote);
    text(value);
    put(m_quote);
    put(' ');
}

void XmlStreamWriter::endTag(std::string_view name) {
    put("</");
    put(name);
    put('>');
}

void XmlStreamWriter::text(std::string_view text) {
    if (!m_encode) {
        put(text);
        return;
    }
    std::size_t runStart = 0;
    EncodableFinder finder(text);
    for (std::size_t at = finder.next(0); at < text.size(); at = finder.next(at + 1)) {
        const std::string_view reference = referenceAt(text, at);
        if (reference.empty())
            continue;
        put(text.substr(runStart, at - runStart));
        put(reference);
        runStart = at + 1;
    }
    put(text.substr(runStart));
}

std::string_view XmlStreamWriter::referenceAt(std::string_view text, std::size_t at) const {
    const char c = text[at];
    if (m_keepReferences && c == '&' && at + 1 < text.size() && text[at + 1] == '#')
        return {};
    return m_references[kEncodable.find(c)];
}

void XmlStreamWriter::comment(std::string_view text) {
    put("<!--");
    put(text);
    put("-->");
}

void XmlStreamWriter::cdata(std::string_view text) {
    put("<![CDATA[");
    put(text);
    put("]]>");
}
