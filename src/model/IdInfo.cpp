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
    XmlTreeSink sink(parent);
    write(sink);
}

void IdInfo::write(ElementSink& out) const {
    out.open("id_info");
    writeText(out, "provider_name", provider_name);
    writeText(out, "provider_study_id", provider_study_id);
    writeText(out, "org_name", org_name);
    writeText(out, "org_study_id", org_study_id);
    for (const auto& entry : secondary_id)
        entry->write(out);
    out.close();
}
