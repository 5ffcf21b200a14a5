#pragma once

#include "model/Facility.h"
#include "model/Investigator.h"
#include "model/LocationContact.h"
#include "model/OwningList.h"

#include <string>

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

    // The element's children in the order they are written.
    template <class Self, class Fields> static void fields(Self& self, Fields& f) {
        f.record("facility", self.facility);
        f.text("status", self.status);
        f.record("contact", self.contact);
        f.record("contact_backup", self.contact_backup);
        f.list("investigator", self.investigator);
    }
};
