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
    XmlNode& element = writeText(parent, "sponsors", {});
    lead_sponsor.writeIntoElement(writeText(element, "lead_sponsor", {}));
    for (const auto& entry : collaborator)
        entry->writeIntoElement(writeText(element, "collaborator", {}));
    resp_party.writeIntoParent(element);
    writeDeleteFlag(element, deleteFlag);
}
