#include "xml/XmlWriter.h"

#include "xml/XmlNode.h"

XmlWriteOptions& XmlWriteOptions::programDefault() {
    static XmlWriteOptions options;
    return options;
}

void XmlWriter::write(const XmlNode& node) {
    writeNode(node);
    m_out.flush();
}

void XmlWriter::writeNode(const XmlNode& node) {
    if (m_options.lineBreaks)
        m_out.lineStart(m_options.depth);
    switch (node.kind()) {
    case XmlNodeKind::Comment:
        m_out.comment(node.value());
        break;
    case XmlNodeKind::CData:
        m_out.cdata(node.value());
        break;
    case XmlNodeKind::Element:
        writeElement(node);
        break;
    }
}

void XmlWriter::writeElement(const XmlNode& node) {
    m_out.startTag(node.name());
    for (const XmlAttribute& attribute : node.attributes())
        m_out.attribute(attribute.name(), attribute.value());
    const bool hasChildren = !node.children().empty();
    if (!hasChildren && node.value().empty()) {
        m_out.endEmptyElement();
        return;
    }
    m_out.endStartTag();
    const bool indent = m_options.lineBreaks && hasChildren;
    if (indent)
        ++m_options.depth;
    for (const auto& child : node.children())
        writeNode(*child);
    if (!node.value().empty()) {
        if (indent)
            m_out.lineStart(m_options.depth);
        m_out.text(node.value());
    }
    if (indent)
        m_out.lineStart(m_options.depth - 1);
    m_out.endTag(node.name());
    if (indent)
        --m_options.depth;
}
