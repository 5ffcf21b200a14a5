#pragma once

#include <string>

class ElementSink;
class XmlNode;

// Element "investigator". No delete flag.
class Investigator {
public:
    std::string first_name;
    std::string middle_name;
    std::string last_name;
    std::string degrees;
    std::string role;

    void readFromElement(const XmlNode* element);
    void writeIntoParent(XmlNode& parent) const;
    void write(ElementSink& out) const;
};
