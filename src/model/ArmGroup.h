#pragma once

#include "model/BlockText.h"

#include <string>

// Element "arm_group"; carries a delete flag.
class ArmGroup {
public:
    std::string arm_group_label;
    std::string arm_type;
    BlockText arm_group_description;
    bool deleteFlag = false;

    // The element's children in the order they are written.
    template <class Self, class Fields> static void fields(Self& self, Fields& f) {
        f.text("arm_group_label", self.arm_group_label);
        f.text("arm_type", self.arm_type);
        f.blockText("arm_group_description", self.arm_group_description);
    }
};
