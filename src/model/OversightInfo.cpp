#include "model/OversightInfo.h"

#include "model/ElementRules.h"

void OversightInfo::readFromElement(const XmlNode* element) {
    if (!element)
        return;
    clearRegulatoryAuthorities();
    readTextList(*element, "regulatory_authority", regulatory_authority);
    irb_info.readFromElement(element->findChild("irb_info"));
    readText(*element, "has_dmc", has_dmc);
    deleteFlag = readDeleteFlag(*element);
}

void OversightInfo::writeIntoParent(XmlNode& parent) const {
    XmlNode& element = writeText(parent, "oversight_info", {});
    writeTextList(element, "regulatory_authority", regulatory_authority);
    irb_info.writeIntoParent(element);
    writeText(element, "has_dmc", has_dmc);
    writeDeleteFlag(element, deleteFlag);
}
