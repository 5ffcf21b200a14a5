#include "model/ResultsElement.h"

#include "model/ElementSink.h"
#include "model/TextForms.h"
#include "xml/XmlParseOptions.h"
#include "xml/XmlWriteOptions.h"

#include <utility>
#include <vector>

namespace {

// An end tag's name is read after skipping white space, so an element whose
// name starts with a vertical tab or form feed cannot be closed again.
bool closable(const XmlNode& node) {
    return node.kind() != XmlNodeKind::Element || node.name().empty() ||
           (node.name().front() != '\v' && node.name().front() != '\f');
}

// Whether a saved file gives the element back: not nested too deeply for the
// reader, and every element name one that an end tag can close.
bool survivesSaving(const XmlNode& root) {
    std::vector<std::pair<const XmlNode*, int>> pending{{&root, 1}};
    while (!pending.empty()) {
        auto [node, level] = pending.back();
        pending.pop_back();
        if (level > ResultsElement::kMaxLevels || !closable(*node))
            return false;
        for (const auto& child : node->children())
            pending.emplace_back(child.get(), level + 1);
    }
    return true;
}

} // namespace

const XmlNode& ResultsElement::node() const {
    static const XmlNode kNothing;
    return m_node ? *m_node : kNothing;
}

bool ResultsElement::qualifies(const std::string& childName) const {
    const bool disposition = holdsIgnoringCase(childName, "resultdisposition");
    if (m_kind == Kind::ResultDisposition)
        return disposition;
    return !disposition && holdsIgnoringCase(childName, "result");
}

void ResultsElement::takeFromClinicalStudy(const XmlNode& study) {
    for (const auto& child : study.children()) {
        if (qualifies(child->name()))
            copyFrom(*child);
    }
}

// The copy goes through one-line text and back, as the program has always
// done it. An element that a saved file could not give back is left out
// rather than written into a file that would no longer open as it was.
bool ResultsElement::copyFrom(const XmlNode& element) {
    if (!survivesSaving(element))
        return false;
    XmlWriteOptions writeOptions;
    writeOptions.lineBreaks = false;
    const std::string text = element.writeAsText(writeOptions);
    XmlParseOptions parseOptions = XmlParseOptions::program();
    if (!m_node)
        m_node = std::make_unique<XmlNode>();
    m_node->parseFromText(text, 0, parseOptions);
    return true;
}

void ResultsElement::clear() {
    m_node.reset();
}

void ResultsElement::writeIntoClinicalStudy(XmlNode& study) const {
    if (node().childCount() > 0)
        study.appendCopyOf(*m_node);
}

void ResultsElement::write(ElementSink& out) const {
    if (node().childCount() > 0)
        out.copy(*m_node);
}
