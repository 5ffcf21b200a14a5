#pragma once

#include <string>

class ElementSink;
class XmlNode;

// Element "irb_info": the review board. No delete flag.
class IrbInfo {
public:
    std::string approval_status;
    std::string approval_number;
    std::string name;
    std::string affiliation;
    std::string phone;
    std::string phone_ext;
    std::string email;
    std::string full_address;

    void readFromElement(const XmlNode* element);
    void writeIntoParent(XmlNode& parent) const;
    void write(ElementSink& out) const;
};
