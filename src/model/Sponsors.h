#pragma once

#include "model/Agency.h"
#include "model/OwningList.h"
#include "model/ResponsibleParty.h"

class ElementSink;
class XmlNode;

// Element "sponsors"; carries a delete flag.
class Sponsors {
public:
    Agency lead_sponsor;
    OwningList<Agency> collaborator;
    ResponsibleParty resp_party;
    bool deleteFlag = false;

    void clearCollaborators() { collaborator.clear(); }
    void readFromElement(const XmlNode* element);
    void writeIntoParent(XmlNode& parent) const;
    void write(ElementSink& out) const;
};
