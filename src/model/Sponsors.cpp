#include "model/Sponsors.h"

#include "model/ElementRules.h"

void Sponsors::readFromElement(const XmlNode* element) {
    if (!element)
        return;
    clearCollaborators();
    lead_sponsor.readFromElement(element->findChild("lead_sponsor"));
    readRecordList(*element, "collaborator", collaborator);
    resp_party.readFromElement(element->findChild("resp_party"));
    deleteFlag = readDeleteFlag(*element);
}

void Sponsors::writeIntoParent(XmlNode& parent) const {
    XmlTreeSink sink(parent);
    write(sink);
}

void Sponsors::write(ElementSink& out) const {
    out.open("sponsors", deleteFlag);
    lead_sponsor.write(out, "lead_sponsor");
    for (const auto& entry : collaborator)
        entry->write(out, "collaborator");
    resp_party.write(out);
    out.close();
}
