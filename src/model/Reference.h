#pragma once

#include <string>

// Element "reference"; carries a delete flag.
class Reference {
public:
    std::string citation;
    std::string pubmed_id;
    std::string is_results_ref;
    bool deleteFlag = false;

    // The element's children in the order they are written.
    template <class Self, class Fields> static void fields(Self& self, Fields& f) {
        f.text("citation", self.citation);
        f.text("pubmed_id", self.pubmed_id);
        f.text("is_results_ref", self.is_results_ref);
    }
};
