#include "model/Facility.h"

#include "model/ElementRules.h"

void Facility::readFromElement(const XmlNode* element) {
    if (!element)
        return;
    readText(*element, "name", name);
    address.readFromElement(element->findChild("address"));
}

void Facility::writeIntoParent(XmlNode& parent) const {
    XmlNode& element = writeText(parent, "facility", {});
    writeText(element, "name", name);
    address.writeIntoParent(element);
}
