#pragma once

#include "model/Facility.h"
#include "model/Investigator.h"
#include "model/LocationContact.h"
#include "model/OwningList.h"

#include <string>

class ElementSink;
class XmlNode;

// Element "location"; carries a delete flag (its contacts do not).
class Location {
public:
    Facility facility;
    std::string status;
    LocationContact contact;
    LocationContact contact_backup;
    OwningList<Investigator> investigator;
    bool deleteFlag = false;

    void clearInvestigators() { investigator.clear(); }
    void readFromElement(const XmlNode* element);
    void writeIntoParent(XmlNode& parent) const;
    void write(ElementSink& out) const;
};
