#pragma once

#include <string>

// Element "address". No delete flag.
class Address {
public:
    std::string city;
    std::string state;
    std::string country;
    std::string zip;

    // The element's children in the order they are written.
    template <class Self, class Fields> static void fields(Self& self, Fields& f) {
        f.text("city", self.city);
        f.text("state", self.state);
        f.text("country", self.country);
        f.text("zip", self.zip);
    }
};
