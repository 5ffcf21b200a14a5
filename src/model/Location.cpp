#include "model/Location.h"

#include "model/ElementRules.h"

void Location::readFromElement(const XmlNode* element) {
    if (!element)
        return;
    clearInvestigators();
    facility.readFromElement(element->findChild("facility"));
    readText(*element, "status", status);
    contact.readFromElement(element->findChild("contact"));
    contact_backup.readFromElement(element->findChild("contact_backup"));
    readRecordList(*element, "investigator", investigator);
    deleteFlag = readDeleteFlag(*element);
}

void Location::writeIntoParent(XmlNode& parent) const {
    XmlNode& element = writeText(parent, "location", {});
    facility.writeIntoParent(element);
    writeText(element, "status", status);
    contact.writeIntoElement(writeText(element, "contact", {}));
    contact_backup.writeIntoElement(writeText(element, "contact_backup", {}));
    for (const auto& entry : investigator)
        entry->writeIntoParent(element);
    writeDeleteFlag(element, deleteFlag);
}
