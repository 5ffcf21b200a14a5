#pragma once

#include <string>

// Element "resp_party". No delete flag. The type is always written (the registry
// requires it); the investigator fields when they hold text; the five older texts, which
// the registry no longer uses, on every save.
class ResponsibleParty {
public:
    std::string resp_party_type;
    std::string investigator_username;
    std::string investigator_title;
    std::string investigator_affiliation;
    std::string name_title;
    std::string organization;
    std::string phone;
    std::string phone_ext;
    std::string email;

    // The element's children in the order they are written.
    template <class Self, class Fields> static void fields(Self& self, Fields& f) {
        f.text("resp_party_type", self.resp_party_type);
        f.optionalText("investigator_username", self.investigator_username);
        f.optionalText("investigator_title", self.investigator_title);
        f.optionalText("investigator_affiliation", self.investigator_affiliation);
        f.text("name_title", self.name_title);
        f.text("organization", self.organization);
        f.text("phone", self.phone);
        f.text("phone_ext", self.phone_ext);
        f.text("email", self.email);
    }
};
