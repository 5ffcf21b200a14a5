#pragma once

#include "model/Agency.h"
#include "model/OwningList.h"
#include "model/ResponsibleParty.h"

// Element "sponsors"; carries a delete flag.
class Sponsors {
public:
    Agency lead_sponsor;
    OwningList<Agency> collaborator;
    ResponsibleParty resp_party;
    bool deleteFlag = false;

    void clearCollaborators() { collaborator.clear(); }

    // The element's children in the order they are written.
    template <class Self, class Fields> static void fields(Self& self, Fields& f) {
        f.record("lead_sponsor", self.lead_sponsor);
        f.list("collaborator", self.collaborator);
        f.record("resp_party", self.resp_party);
    }
};
