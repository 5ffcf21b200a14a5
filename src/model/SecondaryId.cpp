#include "model/SecondaryId.h"

#include "model/ElementRules.h"

void SecondaryId::readFromElement(const XmlNode* element) {
    if (!element)
        return;
    readText(*element, "id", id);
    readText(*element, "id_type", id_type);
    readText(*element, "id_domain", id_domain);
    deleteFlag = readDeleteFlag(*element);
}

void SecondaryId::writeIntoParent(XmlNode& parent) const {
    XmlNode& element = writeText(parent, "secondary_id", {});
    writeText(element, "id", id);
    writeText(element, "id_type", id_type);
    writeText(element, "id_domain", id_domain);
    writeDeleteFlag(element, deleteFlag);
}
