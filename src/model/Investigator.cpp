#include "model/Investigator.h"

#include "model/ElementRules.h"

void Investigator::readFromElement(const XmlNode* element) {
    if (!element)
        return;
    readText(*element, "first_name", first_name);
    readText(*element, "middle_name", middle_name);
    readText(*element, "last_name", last_name);
    readText(*element, "degrees", degrees);
    readText(*element, "role", role);
}

void Investigator::writeIntoParent(XmlNode& parent) const {
    XmlTreeSink sink(parent);
    write(sink);
}

void Investigator::write(ElementSink& out) const {
    out.open("investigator");
    writeText(out, "first_name", first_name);
    writeText(out, "middle_name", middle_name);
    writeText(out, "last_name", last_name);
    writeText(out, "degrees", degrees);
    writeText(out, "role", role);
    out.close();
}
