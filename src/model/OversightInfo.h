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
    std::string fda_regulated_drug;
    std::string fda_regulated_device;
    std::string post_prior_to_approval;
    std::string exported_from_us;
    std::string ped_postmarket_surv;
    bool deleteFlag = false;

    void clearRegulatoryAuthorities() { regulatory_authority.clear(); }

    // The element's children in the order they are written.
    template <class Self, class Fields> static void fields(Self& self, Fields& f) {
        f.textList("regulatory_authority", self.regulatory_authority);
        f.record("irb_info", self.irb_info);
        f.text("has_dmc", self.has_dmc);
        f.optionalText("fda_regulated_drug", self.fda_regulated_drug);
        f.optionalText("fda_regulated_device", self.fda_regulated_device);
        f.optionalText("post_prior_to_approval", self.post_prior_to_approval);
        f.optionalText("exported_from_us", self.exported_from_us);
        f.optionalText("ped_postmarket_surv", self.ped_postmarket_surv);
    }
};
