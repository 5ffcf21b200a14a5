#include "model/Agency.h"

#include "model/ElementRules.h"

void Agency::readFromElement(const XmlNode* element) {
    if (element)
        readText(*element, "agency", agency);
}

void Agency::writeIntoElement(XmlNode& element) const {
    writeText(element, "agency", agency);
}
