#pragma once

#include "model/BlockText.h"

#include <string>

// Element "observational_design"; carries a delete flag.
class ObservationalDesign {
public:
    std::string observational_study_design;
    std::string biospecimen_retention;
    BlockText biospecimen_description;
    std::string timing;
    std::string number_of_groups;
    std::string patient_registry;
    std::string target_duration_quantity;
    std::string target_duration_units;
    bool deleteFlag = false;

    // The element's children in the order they are written.
    template <class Self, class Fields> static void fields(Self& self, Fields& f) {
        f.text("observational_study_design", self.observational_study_design);
        f.text("biospecimen_retention", self.biospecimen_retention);
        f.blockText("biospecimen_description", self.biospecimen_description);
        f.text("timing", self.timing);
        f.text("number_of_groups", self.number_of_groups);
        f.optionalText("patient_registry", self.patient_registry);
        f.optionalText("target_duration_quantity", self.target_duration_quantity);
        f.optionalText("target_duration_units", self.target_duration_units);
    }
};
