#pragma once

#include <string>

class XmlNode;

// A location's contact or its backup. The holder names and appends the
// element ("contact" or "contact_backup"). No delete flag.
class LocationContact {
public:
    std::string first_name;
    std::string middle_name;
    std::string last_name;
    std::string degrees;
    std::string phone;
    std::string phone_ext;
    std::string email;

    void readFromElement(const XmlNode* element);
    void writeIntoElement(XmlNode& element) const;
};
