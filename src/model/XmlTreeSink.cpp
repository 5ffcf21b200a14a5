#include "model/XmlTreeSink.h"

#include "model/TextForms.h"
#include "xml/XmlNode.h"

#include <string>

XmlTreeSink::XmlTreeSink(XmlNode& parent) : m_open{{&parent, Flag::None}} {}

XmlNode& XmlTreeSink::appendElement(std::string_view name, std::string_view value) {
    return m_open.back().node->appendChildElement(std::string(name), std::string(value));
}

void XmlTreeSink::open(std::string_view name) {
    m_open.push_back({&appendElement(name, {}), Flag::None});
}

void XmlTreeSink::open(std::string_view name, bool deleteFlag) {
    m_open.push_back({&appendElement(name, {}), deleteFlag ? Flag::True : Flag::False});
}

void XmlTreeSink::open(std::string_view name, const std::vector<SinkAttribute>& attributes) {
    XmlNode& element = appendElement(name, {});
    for (const SinkAttribute& attribute : attributes)
        element.addAttribute(std::string(attribute.name), std::string(attribute.value));
    m_open.push_back({&element, Flag::None});
}

// The "delete" attribute is added after all children.
void XmlTreeSink::close() {
    const Open& element = m_open.back();
    if (element.flag != Flag::None)
        element.node->addAttribute("delete",
                                   std::string(booleanToText(element.flag == Flag::True)));
    m_open.pop_back();
}

void XmlTreeSink::text(std::string_view name, std::string_view value) {
    appendElement(name, value);
}

void XmlTreeSink::text(std::string_view name, std::string_view value, bool deleteFlag) {
    appendElement(name, value).addAttribute("delete", std::string(booleanToText(deleteFlag)));
}

void XmlTreeSink::copy(const XmlNode& element) {
    m_open.back().node->appendCopyOf(element);
}
