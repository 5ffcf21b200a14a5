#include "model/XmlTextSink.h"

#include "xml/XmlEntityTable.h"
#include "xml/XmlNode.h"
#include "xml/XmlWriteOptions.h"

#include <array>

// Every node starts on a new line; a parent's start tag is completed by its
// first child.
void XmlTextSink::beginNode() {
    if (!m_open.empty() && m_open.back().startTagOpen) {
        m_out += '>';
        m_open.back().startTagOpen = false;
    }
    m_out.append("\r\n");
    m_out.append(static_cast<std::size_t>(m_depth > 0 ? m_depth : 0), '\t');
}

void XmlTextSink::startTag(std::string_view name) {
    beginNode();
    m_out += '<';
    m_out.append(name);
}

void XmlTextSink::deleteAttribute(bool flag) {
    m_out.append(flag ? " delete=\"true\" " : " delete=\"false\" ");
}

void XmlTextSink::open(std::string_view name) {
    startTag(name);
    m_open.push_back({name, true});
    ++m_depth;
}

void XmlTextSink::open(std::string_view name, bool deleteFlag) {
    startTag(name);
    deleteAttribute(deleteFlag);
    m_open.push_back({name, true});
    ++m_depth;
}

void XmlTextSink::open(std::string_view name, const std::vector<SinkAttribute>& attributes) {
    startTag(name);
    if (!attributes.empty())
        m_out += ' ';
    for (const SinkAttribute& attribute : attributes) {
        m_out.append(attribute.name).append("=\"");
        encoded(attribute.value);
        m_out.append("\" ");
    }
    m_open.push_back({name, true});
    ++m_depth;
}

void XmlTextSink::close() {
    const Open element = m_open.back();
    m_open.pop_back();
    --m_depth;
    if (element.startTagOpen) {
        m_out.append("/>");
        return;
    }
    m_out.append("\r\n");
    m_out.append(static_cast<std::size_t>(m_depth > 0 ? m_depth : 0), '\t');
    m_out.append("</").append(element.name) += '>';
}

void XmlTextSink::text(std::string_view name, std::string_view value) {
    startTag(name);
    if (value.empty()) {
        m_out.append("/>");
        return;
    }
    m_out += '>';
    encoded(value);
    m_out.append("</").append(name) += '>';
}

void XmlTextSink::text(std::string_view name, std::string_view value, bool deleteFlag) {
    startTag(name);
    deleteAttribute(deleteFlag);
    if (value.empty()) {
        m_out.append("/>");
        return;
    }
    m_out += '>';
    encoded(value);
    m_out.append("</").append(name) += '>';
}

void XmlTextSink::copy(const XmlNode& element) {
    if (!m_open.empty() && m_open.back().startTagOpen) {
        m_out += '>';
        m_open.back().startTagOpen = false;
    }
    XmlWriteOptions options = XmlWriteOptions::programDefault();
    options.depth = m_depth;
    element.writeAsText(options, m_out);
}

namespace {

// Which bytes the entity table replaces, for a one-look test per byte.
const std::array<bool, 256> kEncodedBytes = [] {
    std::array<bool, 256> bytes{};
    for (const XmlEntity& entity : kXmlEntities)
        bytes[static_cast<unsigned char>(entity.character)] = true;
    return bytes;
}();

} // namespace

void XmlTextSink::encoded(std::string_view value) {
    std::size_t runStart = 0;
    for (std::size_t i = 0; i < value.size(); ++i) {
        const char c = value[i];
        if (!kEncodedBytes[static_cast<unsigned char>(c)])
            continue;
        for (const XmlEntity& entity : kXmlEntities) {
            if (entity.character == c) {
                m_out.append(value.substr(runStart, i - runStart)).append(entity.reference);
                runStart = i + 1;
                break;
            }
        }
    }
    m_out.append(value.substr(runStart));
}
