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
    XmlNode& element = writeText(parent, "overall_official", {});
    writeText(element, "first_name", first_name);
    writeText(element, "middle_name", middle_name);
    writeText(element, "last_name", last_name);
    writeText(element, "degrees", degrees);
    writeText(element, "role", role);
    writeText(element, "affiliation", affiliation);
    writeDeleteFlag(element, deleteFlag);
}
