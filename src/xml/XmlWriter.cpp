#include "xml/XmlWriter.h"

#include "xml/XmlNode.h"

XmlWriteOptions& XmlWriteOptions::programDefault() {
    static XmlWriteOptions options;
    return options;
}

void XmlWriter::write(const XmlNode& node) {
    if (m_options.lineBreaks)
        writeLineStart(m_options.depth);
    switch (node.kind()) {
    case XmlNodeKind::Comment:
        m_out.append("<!--").append(node.value()).append("-->");
        break;
    case XmlNodeKind::CData:
        m_out.append("<![CDATA[").append(node.value()).append("]]>");
        break;
    case XmlNodeKind::Element:
        writeElement(node);
        break;
    }
}

void XmlWriter::writeElement(const XmlNode& node) {
    m_out.append("<").append(node.name());
    if (!node.attributes().empty())
        m_out += ' ';
    for (const XmlAttribute& attribute : node.attributes()) {
        m_out.append(attribute.name()).append("=") += m_options.quoteChar;
        writeEncoded(attribute.value());
        m_out += m_options.quoteChar;
        m_out += ' ';
    }
    const bool hasChildren = !node.children().empty();
    if (!hasChildren && node.value().empty()) {
        m_out.append("/>");
        return;
    }
    m_out += '>';
    const bool indent = m_options.lineBreaks && hasChildren;
    if (indent)
        ++m_options.depth;
    for (const auto& child : node.children())
        write(*child);
    if (!node.value().empty()) {
        if (indent)
            writeLineStart(m_options.depth);
        writeEncoded(node.value());
    }
    if (indent)
        writeLineStart(m_options.depth - 1);
    m_out.append("</").append(node.name()).append(">");
    if (indent)
        --m_options.depth;
}

void XmlWriter::writeLineStart(int depth) {
    m_out.append("\r\n");
    if (depth > 0)
        m_out.append(static_cast<std::size_t>(depth), '\t');
}

void XmlWriter::writeEncoded(std::string_view text) {
    if (!m_options.encodeEntities || !m_options.entities) {
        m_out.append(text);
        return;
    }
    std::size_t runStart = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c != '&' && c != '"' && c != '\'' && c != '<' && c != '>')
            continue;
        for (const XmlEntity& entity : *m_options.entities) {
            if (entity.character == c) {
                m_out.append(text.substr(runStart, i - runStart)).append(entity.reference);
                runStart = i + 1;
                break;
            }
        }
    }
    m_out.append(text.substr(runStart));
}
