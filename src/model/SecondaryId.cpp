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
    XmlTreeSink sink(parent);
    write(sink);
}

void SecondaryId::write(ElementSink& out) const {
    out.open("secondary_id", deleteFlag);
    writeText(out, "id", id);
    writeText(out, "id_type", id_type);
    writeText(out, "id_domain", id_domain);
    out.close();
}
