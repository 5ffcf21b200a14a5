#include "model/LocationContact.h"

#include "model/ElementRules.h"

void LocationContact::readFromElement(const XmlNode* element) {
    if (!element)
        return;
    readText(*element, "first_name", first_name);
    readText(*element, "middle_name", middle_name);
    readText(*element, "last_name", last_name);
    readText(*element, "degrees", degrees);
    readText(*element, "phone", phone);
    readText(*element, "phone_ext", phone_ext);
    readText(*element, "email", email);
}

void LocationContact::writeIntoElement(XmlNode& element) const {
    writeText(element, "first_name", first_name);
    writeText(element, "middle_name", middle_name);
    writeText(element, "last_name", last_name);
    writeText(element, "degrees", degrees);
    writeText(element, "phone", phone);
    writeText(element, "phone_ext", phone_ext);
    writeText(element, "email", email);
}
