#include "xml/XmlStreamWriter.h"

#include "xml/XmlTextScanner.h"

#include <algorithm>

namespace {

// Only these characters are ever replaced, whatever else an entity table names.
constexpr std::string_view kEncodable = "&\"'<>";
constexpr XmlStopSet kEncodableBytes = xmlStopSet(kEncodable);

// Texts are long and their special characters rare: one table look-up per
// byte finds the next one.
std::size_t findEncodable(std::string_view text, std::size_t from) {
    for (std::size_t i = from; i < text.size(); ++i) {
        if (kEncodableBytes[static_cast<unsigned char>(text[i])])
            return i;
    }
    return text.size();
}

} // namespace

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

void XmlStreamWriter::setLineBreak(std::string_view lineBreak) {
    m_indent.assign(lineBreak);
    m_lineBreakSize = lineBreak.size();
}

void XmlStreamWriter::lineStart(int depth) {
    const std::size_t length = m_lineBreakSize + static_cast<std::size_t>(std::max(depth, 0));
    if (m_indent.size() < length)
        m_indent.resize(length, '\t');
    m_out.append(m_indent, 0, length);
}

void XmlStreamWriter::startTag(std::string_view name) {
    m_out += '<';
    m_out.append(name);
    m_firstAttribute = true;
}

void XmlStreamWriter::attribute(std::string_view name, std::string_view value) {
    if (m_firstAttribute)
        m_out += ' ';
    m_firstAttribute = false;
    m_out.append(name);
    m_out += '=';
    m_out += m_quote;
    text(value);
    m_out += m_quote;
    m_out += ' ';
}

void XmlStreamWriter::endTag(std::string_view name) {
    m_out.append("</");
    m_out.append(name);
    m_out += '>';
}

void XmlStreamWriter::text(std::string_view text) {
    if (!m_encode) {
        m_out.append(text);
        return;
    }
    std::size_t runStart = 0;
    for (std::size_t at = findEncodable(text, 0); at < text.size();
         at = findEncodable(text, at + 1)) {
        const std::string_view reference = referenceAt(text, at);
        if (reference.empty())
            continue;
        m_out.append(text, runStart, at - runStart);
        m_out.append(reference);
        runStart = at + 1;
    }
    m_out.append(text, runStart);
}

std::string_view XmlStreamWriter::referenceAt(std::string_view text, std::size_t at) const {
    const char c = text[at];
    if (m_keepReferences && c == '&' && at + 1 < text.size() && text[at + 1] == '#')
        return {};
    return m_references[kEncodable.find(c)];
}

void XmlStreamWriter::comment(std::string_view text) {
    m_out.append("<!--");
    m_out.append(text);
    m_out.append("-->");
}

void XmlStreamWriter::cdata(std::string_view text) {
    m_out.append("<![CDATA[");
    m_out.append(text);
    m_out.append("]]>");
}
