#pragma once

#include <string>
#include <string_view>

class ElementSink;
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
    // Fills an element the holder has appended.
    void writeIntoElement(XmlNode& element) const;
    // Writes the element under the holder's name.
    void write(ElementSink& out, std::string_view name) const;

private:
    void writeChildren(ElementSink& out) const;
};
