#pragma once

#include "model/FieldValue.h"
#include "model/InterventionalDesign.h"
#include "model/ObservationalDesign.h"

// Element "study_design". Both designs always exist and are always written,
// whatever the study type. No delete flag of its own.
class StudyDesign {
public:
    FieldValue study_type;
    InterventionalDesign interventional_design;
    ObservationalDesign observational_design;

    // The element's children in the order they are written.
    template <class Self, class Fields> static void fields(Self& self, Fields& f) {
        f.field("study_type", self.study_type);
        f.record("interventional_design", self.interventional_design);
        f.record("observational_design", self.observational_design);
    }
};
