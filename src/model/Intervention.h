#pragma once

#include "model/BlockText.h"

#include <string>
#include <vector>

// Element "intervention"; carries a delete flag. The arm group labels are
// independent texts, not references to the record's arm groups.
class Intervention {
public:
    std::string intervention_type;
    std::string intervention_name;
    BlockText intervention_description;
    std::vector<std::string> arm_group_label;
    std::vector<std::string> intervention_other_name;
    bool deleteFlag = false;

    // Empties both text lists.
    void clearLists() {
        arm_group_label.clear();
        intervention_other_name.clear();
    }

    // The element's children in the order they are written.
    template <class Self, class Fields> static void fields(Self& self, Fields& f) {
        f.text("intervention_type", self.intervention_type);
        f.text("intervention_name", self.intervention_name);
        f.blockText("intervention_description", self.intervention_description);
        f.textList("arm_group_label", self.arm_group_label);
        f.textList("intervention_other_name", self.intervention_other_name);
    }
};
