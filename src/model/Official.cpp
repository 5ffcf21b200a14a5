#include "model/Official.h"

#include "model/ElementRules.h"

void Official::readFromElement(const XmlNode* element) {
    if (!element)
        return;
    readText(*element, "first_name", first_name);
    readText(*element, "middle_name", middle_name);
    readText(*element, "last_name", last_name);
    readText(*element, "degrees", degrees);
    readText(*element, "role", role);
    readText(*element, "affiliation", affiliation);
    deleteFlag = readDeleteFlag(*element);
}

void Official::writeIntoParent(XmlNode& parent) const {
    XmlTreeSink sink(parent);
    write(sink);
}

void Official::write(ElementSink& out) const {
    out.open("overall_official", deleteFlag);
    writeText(out, "first_name", first_name);
    writeText(out, "middle_name", middle_name);
    writeText(out, "last_name", last_name);
    writeText(out, "degrees", degrees);
    writeText(out, "role", role);
    writeText(out, "affiliation", affiliation);
    out.close();
}
