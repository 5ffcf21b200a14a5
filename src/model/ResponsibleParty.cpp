#include "model/ResponsibleParty.h"

#include "model/ElementRules.h"

void ResponsibleParty::readFromElement(const XmlNode* element) {
    if (!element)
        return;
    readText(*element, "name_title", name_title);
    readText(*element, "organization", organization);
    readText(*element, "phone", phone);
    readText(*element, "phone_ext", phone_ext);
    readText(*element, "email", email);
}

void ResponsibleParty::writeIntoParent(XmlNode& parent) const {
    XmlNode& element = writeText(parent, "resp_party", {});
    writeText(element, "name_title", name_title);
    writeText(element, "organization", organization);
    writeText(element, "phone", phone);
    writeText(element, "phone_ext", phone_ext);
    writeText(element, "email", email);
}
