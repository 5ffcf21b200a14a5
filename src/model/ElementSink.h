#pragma once

#include <string_view>
#include <vector>

class XmlNode;

struct SinkAttribute {
    std::string_view name;
    std::string_view value;
};

// Where a record writes its elements: into an XmlNode tree, or straight into
// the text the XML writer would make of that tree. Names must stay valid
// until their element is closed.
class ElementSink {
public:
    virtual ~ElementSink() = default;

    // An element whose children follow until close().
    virtual void open(std::string_view name) = 0;
    // The same, carrying the "delete" attribute.
    virtual void open(std::string_view name, bool deleteFlag) = 0;
    // The same, carrying these attributes in this order.
    virtual void open(std::string_view name, const std::vector<SinkAttribute>& attributes) = 0;
    virtual void close() = 0;
    // An element holding a text and no children.
    virtual void text(std::string_view name, std::string_view value) = 0;
    virtual void text(std::string_view name, std::string_view value, bool deleteFlag) = 0;
    // A copy of a whole element.
    virtual void copy(const XmlNode& element) = 0;
};
