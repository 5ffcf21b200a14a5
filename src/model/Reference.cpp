#include "model/Reference.h"

#include "model/ElementRules.h"

void Reference::readFromElement(const XmlNode* element) {
    if (!element)
        return;
    readText(*element, "citation", citation);
    readText(*element, "pubmed_id", pubmed_id);
    readText(*element, "is_results_ref", is_results_ref);
    deleteFlag = readDeleteFlag(*element);
}

void Reference::writeIntoParent(XmlNode& parent) const {
    XmlNode& element = writeText(parent, "reference", {});
    writeText(element, "citation", citation);
    writeText(element, "pubmed_id", pubmed_id);
    writeText(element, "is_results_ref", is_results_ref);
    writeDeleteFlag(element, deleteFlag);
}
