#pragma once

#include "model/BlockText.h"

#include <string>

// Element "interventional_design"; carries a delete flag.
class InterventionalDesign {
public:
    std::string interventional_subtype;
    std::string phase;
    std::string assignment;
    BlockText model_description;
    std::string allocation;
    std::string masking;
    std::string no_masking;
    std::string masked_subject;
    std::string masked_caregiver;
    std::string masked_investigator;
    std::string masked_assessor;
    BlockText masking_description;
    std::string control;
    std::string endpoint;
    std::string number_of_arms;
    bool deleteFlag = false;

    // The element's children in the order they are written.
    template <class Self, class Fields> static void fields(Self& self, Fields& f) {
        f.text("interventional_subtype", self.interventional_subtype);
        f.text("phase", self.phase);
        f.text("assignment", self.assignment);
        f.optionalBlockText("model_description", self.model_description);
        f.text("allocation", self.allocation);
        f.text("masking", self.masking);
        f.optionalText("no_masking", self.no_masking);
        f.text("masked_subject", self.masked_subject);
        f.text("masked_caregiver", self.masked_caregiver);
        f.text("masked_investigator", self.masked_investigator);
        f.text("masked_assessor", self.masked_assessor);
        f.optionalBlockText("masking_description", self.masking_description);
        f.text("control", self.control);
        f.text("endpoint", self.endpoint);
        f.text("number_of_arms", self.number_of_arms);
    }
};
