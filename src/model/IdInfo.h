#pragma once

#include "model/OwningList.h"
#include "model/SecondaryId.h"

#include <string>

// Element "id_info": the study's identifiers. No delete flag.
class IdInfo {
public:
    std::string provider_name;
    std::string provider_study_id;
    std::string org_name;
    std::string org_study_id;
    OwningList<SecondaryId> secondary_id;

    void clearSecondaryIds() { secondary_id.clear(); }

    // The element's children in the order they are written.
    template <class Self, class Fields> static void fields(Self& self, Fields& f) {
        f.text("provider_name", self.provider_name);
        f.text("provider_study_id", self.provider_study_id);
        f.text("org_name", self.org_name);
        f.text("org_study_id", self.org_study_id);
        f.list("secondary_id", self.secondary_id);
    }
};
