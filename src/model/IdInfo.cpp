#include "model/IdInfo.h"

#include "model/ElementRules.h"

void IdInfo::readFromElement(const XmlNode* element) {
    if (!element)
        return;
    clearSecondaryIds();
    readText(*element, "provider_name", provider_name);
    readText(*element, "provider_study_id", provider_study_id);
    readText(*element, "org_name", org_name);
    readText(*element, "org_study_id", org_study_id);
    readRecordList(*element, "secondary_id", secondary_id);
}

void IdInfo::writeIntoParent(XmlNode& parent) const {
    XmlNode& element = writeText(parent, "id_info", {});
    writeText(element, "provider_name", provider_name);
    writeText(element, "provider_study_id", provider_study_id);
    writeText(element, "org_name", org_name);
    writeText(element, "org_study_id", org_study_id);
    for (const auto& entry : secondary_id)
        entry->writeIntoParent(element);
}
