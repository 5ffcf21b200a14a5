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
    XmlNode& element = writeText(parent, "ind_info", {});
    writeText(element, "ind_grantor", ind_grantor);
    writeText(element, "ind_number", ind_number);
    writeText(element, "ind_serial_number", ind_serial_number);
    writeText(element, "has_expanded_access", has_expanded_access);
    writeText(element, "expanded_access_nct_id", expanded_access_nct_id);
    writeDeleteFlag(element, deleteFlag);
}
