#pragma once

#include <string>

// Element "irb_info": the review board. No delete flag.
class IrbInfo {
public:
    std::string approval_status;
    std::string approval_number;
    std::string name;
    std::string affiliation;
    std::string phone;
    std::string phone_ext;
    std::string email;
    std::string full_address;

    // The element's children in the order they are written.
    template <class Self, class Fields> static void fields(Self& self, Fields& f) {
        f.text("approval_status", self.approval_status);
        f.text("approval_number", self.approval_number);
        f.text("name", self.name);
        f.text("affiliation", self.affiliation);
        f.text("phone", self.phone);
        f.text("phone_ext", self.phone_ext);
        f.text("email", self.email);
        f.text("full_address", self.full_address);
    }
};
