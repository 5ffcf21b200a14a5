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
    XmlTreeSink sink(element);
    writeChildren(sink);
}

void LocationContact::write(ElementSink& out, std::string_view name) const {
    out.open(name);
    writeChildren(out);
    out.close();
}

void LocationContact::writeChildren(ElementSink& out) const {
    writeText(out, "first_name", first_name);
    writeText(out, "middle_name", middle_name);
    writeText(out, "last_name", last_name);
    writeText(out, "degrees", degrees);
    writeText(out, "phone", phone);
    writeText(out, "phone_ext", phone_ext);
    writeText(out, "email", email);
}
