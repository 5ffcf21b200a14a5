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
    XmlTreeSink sink(parent);
    write(sink);
}

void ResponsibleParty::write(ElementSink& out) const {
    out.open("resp_party");
    writeText(out, "name_title", name_title);
    writeText(out, "organization", organization);
    writeText(out, "phone", phone);
    writeText(out, "phone_ext", phone_ext);
    writeText(out, "email", email);
    out.close();
}
