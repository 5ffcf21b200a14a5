#pragma once

#include <string>

// Element "resp_party". No delete flag.
class ResponsibleParty {
public:
    std::string name_title;
    std::string organization;
    std::string phone;
    std::string phone_ext;
    std::string email;

    // The element's children in the order they are written.
    template <class Self, class Fields> static void fields(Self& self, Fields& f) {
        f.text("name_title", self.name_title);
        f.text("organization", self.organization);
        f.text("phone", self.phone);
        f.text("phone_ext", self.phone_ext);
        f.text("email", self.email);
    }
};
