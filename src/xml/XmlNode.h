#pragma once

#include "xml/XmlAttribute.h"
#include "xml/XmlChildList.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class XmlNodeStore;
struct XmlParseOptions;
struct XmlWriteOptions;

enum class XmlNodeKind { Element, Comment, CData };

// One node of the program's XML tree. A node owns its children and attributes;
// look-ups are linear scans over direct children, first match wins, names
// compared exactly.
class XmlNode {
public:
    static constexpr std::string_view kCommentName = "#COMMENT";
    static constexpr std::string_view kCDataName = "#CDATA";

    // The reader makes a node per element: an empty one is built without
    // string arguments.
    XmlNode() = default;
    explicit XmlNode(std::string name, std::string value = {},
                     XmlNodeKind kind = XmlNodeKind::Element);
    ~XmlNode();
    XmlNode(const XmlNode&) = delete;
    XmlNode& operator=(const XmlNode&) = delete;

    // A new unattached element node.
    static std::unique_ptr<XmlNode> create(std::string name, std::string value);

    const std::string& name() const { return m_name; }
    const std::string& value() const { return m_value; }
    XmlNodeKind kind() const { return m_kind; }
    XmlNode* parent() const { return m_parent; }
    void setName(std::string name) { m_name = std::move(name); }
    void setValue(std::string value) { m_value = std::move(value); }
    void setKind(XmlNodeKind kind) { m_kind = kind; }

    const XmlChildList& children() const { return m_children; }
    const std::vector<XmlAttribute>& attributes() const { return m_attributes; }

    // Takes ownership, sets the parent and appends as the last child.
    XmlNode& appendChild(std::unique_ptr<XmlNode> child);
    // Always appends, even when a child of that name exists.
    XmlNode& appendChildElement(std::string name, std::string value);
    // Never replaces an attribute of the same name. The reference stays valid
    // until the next attribute is added to this node.
    XmlAttribute& addAttribute(std::string name, std::string value);

    const XmlAttribute* findAttribute(std::string_view name) const;
    // Null when there is no such attribute, distinct from an empty value.
    const std::string* attributeValue(std::string_view name) const;
    XmlNode* findChild(std::string_view name) const;
    std::vector<XmlNode*> findChildren(std::string_view name) const;
    XmlNode* childAt(int index) const;
    int childCount() const { return static_cast<int>(m_children.size()); }

    // Destroys all children and attributes; name, value, kind and parent stay.
    void clear() {
        if (!m_children.empty() || !m_attributes.empty())
            clearAll();
    }
    // Appends a deep copy of `source` as the last child and returns it.
    XmlNode& appendCopyOf(const XmlNode& source);

    // Parses the first element at or after `position`. Returns the position
    // after it, or nothing on failure (errors are recorded in `options`).
    std::optional<std::size_t> parseFromText(std::string_view text, std::size_t position,
                                             XmlParseOptions& options);
    std::string writeAsText(XmlWriteOptions& options) const;
    // Appends the text to `out` instead of returning it.
    void writeAsText(XmlWriteOptions& options, std::string& out) const;

private:
    friend class XmlReader;
    friend class XmlNodeStore;
    friend struct XmlNodeDeleter;

    void clearAll();
    // Moves the children onto `into` and empties the list.
    void takeChildren(std::vector<XmlNodePtr>& into) {
        XmlNodePtr* const children = m_children.storage();
        for (std::size_t i = 0; i < m_children.size(); ++i)
            into.push_back(std::move(children[i]));
        m_children.release(nullptr);
    }

    // Held by a node a reader parsed into: the memory of its descendants.
    std::shared_ptr<XmlNodeStore> m_store;
    std::string m_name;
    std::string m_value;
    XmlNodeKind m_kind = XmlNodeKind::Element;
    bool m_inStore = false;
    XmlNode* m_parent = nullptr;
    XmlChildList m_children;
    std::vector<XmlAttribute> m_attributes;
};
