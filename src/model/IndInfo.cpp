#include "model/IndInfo.h"

#include "model/ElementRules.h"

void IndInfo::readFromElement(const XmlNode* element) {
    if (!element)
        return;
    readText(*element, "ind_grantor", ind_grantor);
    readText(*element, "ind_number", ind_number);
    readText(*element, "ind_serial_number", ind_serial_number);
    readText(*element, "has_expanded_access", has_expanded_access);
    readText(*element, "expanded_access_nct_id", expanded_access_nct_id);
    deleteFlag = readDeleteFlag(*element);
}

void IndInfo::writeIntoParent(XmlNode& parent) const {
    XmlTreeSink sink(parent);
    write(sink);
}

void IndInfo::write(ElementSink& out) const {
    out.open("ind_info", deleteFlag);
    writeText(out, "ind_grantor", ind_grantor);
    writeText(out, "ind_number", ind_number);
    writeText(out, "ind_serial_number", ind_serial_number);
    writeText(out, "has_expanded_access", has_expanded_access);
    writeText(out, "expanded_access_nct_id", expanded_access_nct_id);
    out.close();
}
