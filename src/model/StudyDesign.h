#pragma once

#include "model/FieldValue.h"
#include "model/InterventionalDesign.h"
#include "model/ObservationalDesign.h"

#include <string>

// Element "study_design". Both designs always exist and are always written,
// whatever the study type. No delete flag of its own.
class StudyDesign {
public:
    FieldValue study_type;
    InterventionalDesign interventional_design;
    ObservationalDesign observational_design;
    std::string no_exp_acc_type;
    std::string exp_acc_type_individual;
    std::string exp_acc_type_intermediate;
    std::string exp_acc_type_treatment;

    // The element's children in the order they are written.
    template <class Self, class Fields> static void fields(Self& self, Fields& f) {
        f.field("study_type", self.study_type);
        f.record("interventional_design", self.interventional_design);
        f.record("observational_design", self.observational_design);
        f.optionalText("no_exp_acc_type", self.no_exp_acc_type);
        f.optionalText("exp_acc_type_individual", self.exp_acc_type_individual);
        f.optionalText("exp_acc_type_intermediate", self.exp_acc_type_intermediate);
        f.optionalText("exp_acc_type_treatment", self.exp_acc_type_treatment);
    }
};
