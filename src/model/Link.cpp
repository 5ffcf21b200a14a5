#include "model/Link.h"

#include "model/ElementRules.h"

void Link::readFromElement(const XmlNode* element) {
    if (!element)
        return;
    readText(*element, "url", url);
    readText(*element, "description", description);
    deleteFlag = readDeleteFlag(*element);
}

void Link::writeIntoParent(XmlNode& parent) const {
    XmlNode& element = writeText(parent, "link", {});
    writeText(element, "url", url);
    writeText(element, "description", description);
    writeDeleteFlag(element, deleteFlag);
}
