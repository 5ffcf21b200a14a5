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
    XmlTreeSink sink(parent);
    write(sink);
}

void Reference::write(ElementSink& out) const {
    out.open("reference", deleteFlag);
    writeText(out, "citation", citation);
    writeText(out, "pubmed_id", pubmed_id);
    writeText(out, "is_results_ref", is_results_ref);
    out.close();
}
