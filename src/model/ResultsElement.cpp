#include "model/ResultsElement.h"

#include "model/ElementSink.h"
#include "model/TextForms.h"
#include "xml/XmlParseOptions.h"
#include "xml/XmlWriteOptions.h"

#include <utility>
#include <vector>

namespace {

bool deeperThan(const XmlNode& root, int levels) {
    std::vector<std::pair<const XmlNode*, int>> pending{{&root, 1}};
    while (!pending.empty()) {
        auto [node, level] = pending.back();
        pending.pop_back();
        if (level > levels)
            return true;
        for (const auto& child : node->children())
            pending.emplace_back(child.get(), level + 1);
    }
    return false;
}

} // namespace

bool ResultsElement::qualifies(const std::string& childName) const {
    const std::string lower = lowerCased(childName);
    const bool disposition = lower.find("resultdisposition") != std::string::npos;
    if (m_kind == Kind::ResultDisposition)
        return disposition;
    return !disposition && lower.find("result") != std::string::npos;
}

void ResultsElement::takeFromClinicalStudy(const XmlNode& study) {
    for (const auto& child : study.children()) {
        if (qualifies(child->name()))
            copyFrom(*child);
    }
}

// The copy goes through one-line text and back, as the program has always
// done it. An element too deep to be read back from a saved file is left out
// rather than written into a file that could no longer be opened.
void ResultsElement::copyFrom(const XmlNode& element) {
    if (deeperThan(element, kMaxLevels))
        return;
    XmlWriteOptions writeOptions;
    writeOptions.lineBreaks = false;
    const std::string text = element.writeAsText(writeOptions);
    XmlParseOptions parseOptions = XmlParseOptions::program();
    m_node.parseFromText(text, 0, parseOptions);
}

void ResultsElement::writeIntoClinicalStudy(XmlNode& study) const {
    if (m_node.childCount() > 0)
        study.appendCopyOf(m_node);
}

void ResultsElement::write(ElementSink& out) const {
    if (m_node.childCount() > 0)
        out.copy(m_node);
}
