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
    XmlTreeSink sink(parent);
    write(sink);
}

void OversightInfo::write(ElementSink& out) const {
    out.open("oversight_info", deleteFlag);
    writeTextList(out, "regulatory_authority", regulatory_authority);
    irb_info.write(out);
    writeText(out, "has_dmc", has_dmc);
    out.close();
}
