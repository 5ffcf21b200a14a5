#pragma once

#include "model/OwningList.h"
#include "model/SecondaryId.h"

#include <string>

class ElementSink;
class XmlNode;

// Element "id_info": the study's identifiers. No delete flag.
class IdInfo {
public:
    std::string provider_name;
    std::string provider_study_id;
    std::string org_name;
    std::string org_study_id;
    OwningList<SecondaryId> secondary_id;

    void clearSecondaryIds() { secondary_id.clear(); }
    void readFromElement(const XmlNode* element);
    void writeIntoParent(XmlNode& parent) const;
    void write(ElementSink& out) const;
};
