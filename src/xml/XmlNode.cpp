#include "xml/XmlNode.h"

#include "xml/XmlNodeStore.h"
#include "xml/XmlReader.h"
#include "xml/XmlWriter.h"

#include <utility>

void XmlNodeDeleter::operator()(XmlNode* node) const noexcept {
    if (node->m_inStore)
        node->~XmlNode();
    else
        delete node;
}

XmlNode::XmlNode(std::string name, std::string value, XmlNodeKind kind)
    : m_name(std::move(name)), m_value(std::move(value)), m_kind(kind) {}

// Subtrees are released through an explicit stack so that a deep tree cannot
// exhaust the call stack.
XmlNode::~XmlNode() { clear(); }

std::unique_ptr<XmlNode> XmlNode::create(std::string name, std::string value) {
    return std::make_unique<XmlNode>(std::move(name), std::move(value));
}

XmlNode& XmlNode::appendChild(std::unique_ptr<XmlNode> child) {
    child->m_parent = this;
    m_children.push_back(XmlNodePtr(child.release()));
    return *m_children.back();
}

XmlNode& XmlNode::appendChildElement(std::string name, std::string value) {
    return appendChild(create(std::move(name), std::move(value)));
}

XmlAttribute& XmlNode::addAttribute(std::string name, std::string value) {
    return m_attributes.emplace_back(this, std::move(name), std::move(value));
}

const XmlAttribute* XmlNode::findAttribute(std::string_view name) const {
    for (const XmlAttribute& attribute : m_attributes) {
        if (attribute.name() == name)
            return &attribute;
    }
    return nullptr;
}

const std::string* XmlNode::attributeValue(std::string_view name) const {
    const XmlAttribute* attribute = findAttribute(name);
    return attribute ? &attribute->value() : nullptr;
}

XmlNode* XmlNode::findChild(std::string_view name) const {
    for (const auto& child : m_children) {
        if (child->m_name == name)
            return child.get();
    }
    return nullptr;
}

std::vector<XmlNode*> XmlNode::findChildren(std::string_view name) const {
    std::vector<XmlNode*> found;
    for (const auto& child : m_children) {
        if (child->m_name == name)
            found.push_back(child.get());
    }
    return found;
}

XmlNode* XmlNode::childAt(int index) const {
    if (index < 0 || index >= childCount())
        return nullptr;
    return m_children[static_cast<std::size_t>(index)].get();
}

void XmlNode::clearAll() {
    // A node a reader parsed into holds the memory of its descendants, which
    // outlive it on the stack: its store goes only once all are gone.
    std::vector<std::shared_ptr<XmlNodeStore>> stores;
    std::vector<XmlNodePtr> pending;
    takeChildren(pending);
    while (!pending.empty()) {
        XmlNodePtr node = std::move(pending.back());
        pending.pop_back();
        if (node->m_store)
            stores.push_back(std::move(node->m_store));
        node->takeChildren(pending);
    }
    m_attributes.clear();
}

XmlNode& XmlNode::appendCopyOf(const XmlNode& source) {
    // Explicit stack of (source, copy) pairs: deep trees copy without recursion.
    XmlNode& root = appendChild(std::make_unique<XmlNode>());
    std::vector<std::pair<const XmlNode*, XmlNode*>> pending{{&source, &root}};
    while (!pending.empty()) {
        auto [from, to] = pending.back();
        pending.pop_back();
        to->m_name = from->m_name;
        to->m_value = from->m_value;
        to->m_kind = from->m_kind;
        for (const XmlAttribute& attribute : from->m_attributes)
            to->addAttribute(attribute.name(), attribute.value());
        to->m_children.reserve(from->m_children.size());
        for (std::size_t i = 0; i < from->m_children.size(); ++i)
            to->appendChild(std::make_unique<XmlNode>());
        for (std::size_t i = from->m_children.size(); i-- > 0;)
            pending.emplace_back(from->m_children[i].get(), to->m_children[i].get());
    }
    return root;
}

std::optional<std::size_t> XmlNode::parseFromText(std::string_view text, std::size_t position,
                                                  XmlParseOptions& options) {
    return XmlReader(text, options).parse(*this, position);
}

std::string XmlNode::writeAsText(XmlWriteOptions& options) const {
    std::string out;
    writeAsText(options, out);
    return out;
}

void XmlNode::writeAsText(XmlWriteOptions& options, std::string& out) const {
    XmlWriter(options, out).write(*this);
}
