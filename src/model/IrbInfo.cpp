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
    XmlTreeSink sink(parent);
    write(sink);
}

void IrbInfo::write(ElementSink& out) const {
    out.open("irb_info");
    writeText(out, "approval_status", approval_status);
    writeText(out, "approval_number", approval_number);
    writeText(out, "name", name);
    writeText(out, "affiliation", affiliation);
    writeText(out, "phone", phone);
    writeText(out, "phone_ext", phone_ext);
    writeText(out, "email", email);
    writeText(out, "full_address", full_address);
    out.close();
}
