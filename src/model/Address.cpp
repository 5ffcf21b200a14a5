#include "model/Address.h"

#include "model/ElementRules.h"

void Address::readFromElement(const XmlNode* element) {
    if (!element)
        return;
    readText(*element, "city", city);
    readText(*element, "state", state);
    readText(*element, "country", country);
    readText(*element, "zip", zip);
}

void Address::writeIntoParent(XmlNode& parent) const {
    XmlNode& element = writeText(parent, "address", {});
    writeText(element, "city", city);
    writeText(element, "state", state);
    writeText(element, "country", country);
    writeText(element, "zip", zip);
}
