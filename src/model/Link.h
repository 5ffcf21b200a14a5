#pragma once

#include <string>

// Element "link"; carries a delete flag.
class Link {
public:
    std::string url;
    std::string description;
    bool deleteFlag = false;

    // The element's children in the order they are written.
    template <class Self, class Fields> static void fields(Self& self, Fields& f) {
        f.text("url", self.url);
        f.text("description", self.description);
    }
};
