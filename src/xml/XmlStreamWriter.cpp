#include "xml/XmlStreamWriter.h"

#include "xml/XmlByteBlock.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

// Only these characters are ever replaced, whatever else an entity table names.
constexpr std::string_view kEncodable = "&\"'<>";

// Each one's place in kEncodable, by its low five bits (which differ for all).
constexpr std::array<std::uint8_t, 32> kEncodableIndex = [] {
    std::array<std::uint8_t, 32> index{};
    for (std::size_t i = 0; i < kEncodable.size(); ++i)
        index[static_cast<std::size_t>(kEncodable[i] & 31)] = static_cast<std::uint8_t>(i);
    return index;
}();

} // namespace

// Finds the characters an entity may replace, a block at a time: most texts
// hold few of them.
class XmlStreamWriter::EncodableScan {
public:
    // The first one at or after `from`; npos when none is left.
    static std::size_t next(std::string_view text, std::size_t from) {
        return XmlByteBlock::find(text, from, matches);
    }

private:
    using Bytes = XmlByteBlock::Bytes;
    // '&' and '\'' differ in the lowest bit only, '<' and '>' in the next. The
    // NULs after a text's end are never encodable.
    static Bytes matches(Bytes bytes) {
        static_assert(('&' | 1) == '\'' && ('<' | 2) == '>');
        return XmlByteBlock::equal(bytes, '"') | XmlByteBlock::equal(bytes | 1, '\'') |
               XmlByteBlock::equal(bytes | 2, '>');
    }
};

XmlStreamWriter::XmlStreamWriter(std::string& out, const XmlWriteOptions& options)
    : m_out(out), m_quote(options.quoteChar),
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
    if (m_used == 0)
        return;
    m_out.append(m_buffer.get(), m_used);
    m_used = 0;
}

void XmlStreamWriter::makeRoom() {
    flush();
    if (!m_buffer) {
        m_buffer = std::make_unique_for_overwrite<char[]>(kBufferSize);
        m_capacity = kBufferSize;
    }
}

void XmlStreamWriter::putLong(std::string_view piece) {
    makeRoom();
    if (piece.size() > m_capacity)
        m_out.append(piece);
    else
        putInRoom(piece);
}

void XmlStreamWriter::setLineBreak(std::string_view lineBreak) {
    m_indent.assign(lineBreak);
    m_lineBreakSize = lineBreak.size();
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

void XmlStreamWriter::text(std::string_view text) {
    if (!m_encode) {
        put(text);
        return;
    }
    std::size_t runStart = 0;
    for (std::size_t at = EncodableScan::next(text, 0); at < text.size();
         at = EncodableScan::next(text, at + 1)) {
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
    return m_references[kEncodableIndex[static_cast<std::size_t>(c & 31)]];
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
