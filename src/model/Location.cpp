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
    XmlTreeSink sink(parent);
    write(sink);
}

void Location::write(ElementSink& out) const {
    out.open("location", deleteFlag);
    facility.write(out);
    writeText(out, "status", status);
    contact.write(out, "contact");
    contact_backup.write(out, "contact_backup");
    for (const auto& entry : investigator)
        entry->write(out);
    out.close();
}
