#pragma once

#include "model/IrbInfo.h"

#include <string>
#include <vector>

// Element "oversight_info"; carries a delete flag.
class OversightInfo {
public:
    std::vector<std::string> regulatory_authority;
    IrbInfo irb_info;
    std::string has_dmc;
    bool deleteFlag = false;

    void clearRegulatoryAuthorities() { regulatory_authority.clear(); }

    // The element's children in the order they are written.
    template <class Self, class Fields> static void fields(Self& self, Fields& f) {
        f.textList("regulatory_authority", self.regulatory_authority);
        f.record("irb_info", self.irb_info);
        f.text("has_dmc", self.has_dmc);
    }
};
