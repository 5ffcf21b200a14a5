#pragma once

#include <string>

class ElementSink;
class XmlNode;

// Element "address". No delete flag.
class Address {
public:
    std::string city;
    std::string state;
    std::string country;
    std::string zip;

    void readFromElement(const XmlNode* element);
    void writeIntoParent(XmlNode& parent) const;
    void write(ElementSink& out) const;
};
