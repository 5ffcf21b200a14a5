#pragma once

#include "model/BlockText.h"

#include <string>

// Element "ipd_sharing_statement": the plan to share individual participant
// data; carries a delete flag. Written when it holds anything, each child when it holds text.
class IpdSharingStatement {
public:
    std::string sharing_ipd;
    BlockText ipd_description;
    std::string ipd_info_type_protocol;
    std::string ipd_info_type_sap;
    std::string ipd_info_type_icf;
    std::string ipd_info_type_csr;
    std::string ipd_info_type_analytic_code;
    BlockText ipd_time_frame;
    BlockText ipd_access_criteria;
    std::string ipd_url;
    bool deleteFlag = false;

    // The element's children in the order they are written.
    template <class Self, class Fields> static void fields(Self& self, Fields& f) {
        f.optionalText("sharing_ipd", self.sharing_ipd);
        f.optionalBlockText("ipd_description", self.ipd_description);
        f.optionalText("ipd_info_type_protocol", self.ipd_info_type_protocol);
        f.optionalText("ipd_info_type_sap", self.ipd_info_type_sap);
        f.optionalText("ipd_info_type_icf", self.ipd_info_type_icf);
        f.optionalText("ipd_info_type_csr", self.ipd_info_type_csr);
        f.optionalText("ipd_info_type_analytic_code", self.ipd_info_type_analytic_code);
        f.optionalBlockText("ipd_time_frame", self.ipd_time_frame);
        f.optionalBlockText("ipd_access_criteria", self.ipd_access_criteria);
        f.optionalText("ipd_url", self.ipd_url);
    }
};
