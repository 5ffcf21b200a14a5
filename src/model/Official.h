#pragma once

#include <string>

class ElementSink;
class XmlNode;

// Element "overall_official"; carries a delete flag.
class Official {
public:
    std::string first_name;
    std::string middle_name;
    std::string last_name;
    std::string degrees;
    std::string role;
    std::string affiliation;
    bool deleteFlag = false;

    void readFromElement(const XmlNode* element);
    void writeIntoParent(XmlNode& parent) const;
    void write(ElementSink& out) const;
};
