#pragma once

#include <string>

// Element "investigator". No delete flag.
class Investigator {
public:
    std::string first_name;
    std::string middle_name;
    std::string last_name;
    std::string degrees;
    std::string role;

    // The element's children in the order they are written.
    template <class Self, class Fields> static void fields(Self& self, Fields& f) {
        f.text("first_name", self.first_name);
        f.text("middle_name", self.middle_name);
        f.text("last_name", self.last_name);
        f.text("degrees", self.degrees);
        f.text("role", self.role);
    }
};
