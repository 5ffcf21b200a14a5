#pragma once

#include <string>

class ElementSink;
class XmlNode;

// Element "secondary_id"; carries a delete flag.
class SecondaryId {
public:
    std::string id;
    std::string id_type;
    std::string id_domain;
    bool deleteFlag = false;

    void readFromElement(const XmlNode* element);
    void writeIntoParent(XmlNode& parent) const;
    void write(ElementSink& out) const;
};
