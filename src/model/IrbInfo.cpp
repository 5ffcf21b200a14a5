#include "model/IrbInfo.h"

#include "model/ElementRules.h"

void IrbInfo::readFromElement(const XmlNode* element) {
    if (!element)
        return;
    readText(*element, "approval_status", approval_status);
    readText(*element, "approval_number", approval_number);
    readText(*element, "name", name);
    readText(*element, "affiliation", affiliation);
    readText(*element, "phone", phone);
    readText(*element, "phone_ext", phone_ext);
    readText(*element, "email", email);
    readText(*element, "full_address", full_address);
}

void IrbInfo::writeIntoParent(XmlNode& parent) const {
    XmlNode& element = writeText(parent, "irb_info", {});
    writeText(element, "approval_status", approval_status);
    writeText(element, "approval_number", approval_number);
    writeText(element, "name", name);
    writeText(element, "affiliation", affiliation);
    writeText(element, "phone", phone);
    writeText(element, "phone_ext", phone_ext);
    writeText(element, "email", email);
    writeText(element, "full_address", full_address);
}
