#pragma once

#include <string>

class ElementSink;
class XmlNode;

// Element "link"; carries a delete flag.
class Link {
public:
    std::string url;
    std::string description;
    bool deleteFlag = false;

    void readFromElement(const XmlNode* element);
    void writeIntoParent(XmlNode& parent) const;
    void write(ElementSink& out) const;
};
