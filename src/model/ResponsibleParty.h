#pragma once

#include <string>

class ElementSink;
class XmlNode;

// Element "resp_party". No delete flag.
class ResponsibleParty {
public:
    std::string name_title;
    std::string organization;
    std::string phone;
    std::string phone_ext;
    std::string email;

    void readFromElement(const XmlNode* element);
    void writeIntoParent(XmlNode& parent) const;
    void write(ElementSink& out) const;
};
