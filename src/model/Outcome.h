#pragma once

#include "model/BlockText.h"

#include <string>

// A primary, secondary or other pre-specified outcome measure, named by its
// holder; carries a delete flag.
class Outcome {
public:
    std::string outcome_measure;
    std::string outcome_time_frame;
    BlockText outcome_description;
    std::string outcome_safety_issue;
    bool deleteFlag = false;

    // The element's children in the order they are written.
    template <class Self, class Fields> static void fields(Self& self, Fields& f) {
        f.text("outcome_measure", self.outcome_measure);
        f.text("outcome_time_frame", self.outcome_time_frame);
        f.blockText("outcome_description", self.outcome_description);
        f.text("outcome_safety_issue", self.outcome_safety_issue);
    }
};
