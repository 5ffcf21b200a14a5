#pragma once

#include <string>

// Element "ind_info": the IND/IDE information; carries a delete flag.
class IndInfo {
public:
    std::string ind_grantor;
    std::string ind_number;
    std::string ind_serial_number;
    std::string has_expanded_access;
    std::string expanded_access_nct_id;
    bool deleteFlag = false;

    // The element's children in the order they are written.
    template <class Self, class Fields> static void fields(Self& self, Fields& f) {
        f.text("ind_grantor", self.ind_grantor);
        f.text("ind_number", self.ind_number);
        f.text("ind_serial_number", self.ind_serial_number);
        f.text("has_expanded_access", self.has_expanded_access);
        f.text("expanded_access_nct_id", self.expanded_access_nct_id);
    }
};
