#pragma once

#include "model/Address.h"

#include <string>

class ElementSink;
class XmlNode;

// Element "facility". No delete flag.
class Facility {
public:
    std::string name;
    Address address;

    void readFromElement(const XmlNode* element);
    void writeIntoParent(XmlNode& parent) const;
    void write(ElementSink& out) const;
};
