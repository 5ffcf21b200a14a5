#include "model/XmlTextSink.h"

#include "model/SavedTextFilter.h"
#include "model/TextForms.h"
#include "xml/XmlNode.h"
#include "xml/XmlWriteOptions.h"

#include <algorithm>

namespace {

bool holdsLineFeed(std::string_view text) { return text.find('\n') != std::string_view::npos; }

} // namespace

// The sink's own elements are written with the writer's defaults; copied
// elements with the program's options, as the XML writer writes them.
XmlTextSink::XmlTextSink(SavedTextFilter& file, int depth)
    : m_file(file), m_depth(depth), m_direct(file.out(), XmlWriteOptions()),
      m_plain(m_scratch, XmlWriteOptions()) {
    // The filter makes the line break before a line with content CR CR LF and
    // "&amp;#" "&#"; written straight, the text takes that form at once.
    m_direct.setLineBreak("\r\r\n");
    m_direct.setKeepCharacterReferences(true);
}

// A parent's start tag is completed by its first child.
void XmlTextSink::completeParentTag() {
    if (!m_open.empty() && m_open.back().startTagOpen) {
        m_direct.endStartTag();
        m_open.back().startTagOpen = false;
    }
}

XmlStreamWriter& XmlTextSink::beginNode(bool filtered) {
    completeParentTag();
    if (filtered)
        m_scratch.clear();
    XmlStreamWriter& writer = filtered ? m_plain : m_direct;
    writer.lineStart(m_depth);
    return writer;
}

void XmlTextSink::endNode(bool filtered) {
    if (!filtered)
        return;
    m_plain.flush();
    appendFiltered();
}

void XmlTextSink::appendFiltered() {
    finish();
    m_file.append(m_scratch);
}

void XmlTextSink::finish() {
    m_direct.flush();
    m_file.continueAfterDirectText();
}

void XmlTextSink::push(std::string_view name) {
    m_open.push_back({name, true});
    ++m_depth;
}

void XmlTextSink::open(std::string_view name) {
    beginNode(false).startTag(name);
    push(name);
}

void XmlTextSink::open(std::string_view name, bool deleteFlag) {
    XmlStreamWriter& writer = beginNode(false);
    writer.startTag(name);
    writer.attribute("delete", booleanToText(deleteFlag));
    push(name);
}

void XmlTextSink::open(std::string_view name, const std::vector<SinkAttribute>& attributes) {
    const bool filtered = std::any_of(attributes.begin(), attributes.end(),
                                      [](const SinkAttribute& a) { return holdsLineFeed(a.value); });
    XmlStreamWriter& writer = beginNode(filtered);
    writer.startTag(name);
    for (const SinkAttribute& attribute : attributes)
        writer.attribute(attribute.name, attribute.value);
    endNode(filtered);
    push(name);
}

void XmlTextSink::close() {
    const Open element = m_open.back();
    m_open.pop_back();
    --m_depth;
    if (element.startTagOpen) {
        m_direct.endEmptyElement();
        return;
    }
    m_direct.lineStart(m_depth);
    m_direct.endTag(element.name);
}

void XmlTextSink::text(std::string_view name, std::string_view value) {
    leaf(name, value, nullptr);
}

void XmlTextSink::text(std::string_view name, std::string_view value, bool deleteFlag) {
    leaf(name, value, &deleteFlag);
}

void XmlTextSink::leaf(std::string_view name, std::string_view value, const bool* deleteFlag) {
    const bool filtered = holdsLineFeed(value);
    XmlStreamWriter& writer = beginNode(filtered);
    writer.startTag(name);
    if (deleteFlag)
        writer.attribute("delete", booleanToText(*deleteFlag));
    if (value.empty()) {
        writer.endEmptyElement();
    } else {
        writer.endStartTag();
        writer.text(value);
        writer.endTag(name);
    }
    endNode(filtered);
}

void XmlTextSink::copy(const XmlNode& element) {
    completeParentTag();
    XmlWriteOptions options = XmlWriteOptions::programDefault();
    options.depth = m_depth;
    m_scratch.clear();
    element.writeAsText(options, m_scratch);
    appendFiltered();
}
