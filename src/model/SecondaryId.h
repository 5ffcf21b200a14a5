#pragma once

#include <string>

// Element "secondary_id"; carries a delete flag.
class SecondaryId {
public:
    std::string id;
    std::string id_type;
    std::string id_domain;
    bool deleteFlag = false;

    // The element's children in the order they are written.
    template <class Self, class Fields> static void fields(Self& self, Fields& f) {
        f.text("id", self.id);
        f.text("id_type", self.id_type);
        f.text("id_domain", self.id_domain);
    }
};
