#pragma once

#include "model/BlockText.h"

#include <string>

// Element "eligibility"; carries a delete flag.
class Eligibility {
public:
    BlockText study_population;
    std::string sampling_method;
    BlockText criteria;
    std::string healthy_volunteers;
    std::string gender;
    std::string gender_based;
    BlockText gender_description;
    std::string minimum_age;
    std::string maximum_age;
    bool deleteFlag = false;

    // The element's children in the order they are written.
    template <class Self, class Fields> static void fields(Self& self, Fields& f) {
        f.blockText("study_population", self.study_population);
        f.text("sampling_method", self.sampling_method);
        f.blockText("criteria", self.criteria);
        f.text("healthy_volunteers", self.healthy_volunteers);
        f.text("gender", self.gender);
        f.optionalText("gender_based", self.gender_based);
        f.optionalBlockText("gender_description", self.gender_description);
        f.text("minimum_age", self.minimum_age);
        f.text("maximum_age", self.maximum_age);
    }
};
