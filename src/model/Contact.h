#pragma once

#include <string>

// The central contact or its backup ("overall_contact" or
// "overall_contact_backup", named by its holder); carries a delete flag.
class Contact {
public:
    std::string first_name;
    std::string middle_name;
    std::string last_name;
    std::string degrees;
    std::string phone;
    std::string phone_ext;
    std::string email;
    bool deleteFlag = false;

    // The element's children in the order they are written.
    template <class Self, class Fields> static void fields(Self& self, Fields& f) {
        f.text("first_name", self.first_name);
        f.text("middle_name", self.middle_name);
        f.text("last_name", self.last_name);
        f.text("degrees", self.degrees);
        f.text("phone", self.phone);
        f.text("phone_ext", self.phone_ext);
        f.text("email", self.email);
    }
};
