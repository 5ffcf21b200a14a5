#pragma once

#include <string>

// A sponsor or collaborator ("lead_sponsor" or "collaborator", named by its holder).
class Agency {
public:
    std::string agency;

    // The element's children in the order they are written.
    template <class Self, class Fields> static void fields(Self& self, Fields& f) {
        f.text("agency", self.agency);
    }
};
