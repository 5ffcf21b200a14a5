#pragma once

#include "model/Address.h"

#include <string>

// Element "facility". No delete flag.
class Facility {
public:
    std::string name;
    Address address;

    // The element's children in the order they are written.
    template <class Self, class Fields> static void fields(Self& self, Fields& f) {
        f.text("name", self.name);
        f.record("address", self.address);
    }
};
