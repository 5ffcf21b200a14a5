#pragma once

#include "model/BlockText.h"

#include <string>

class ElementSink;
class XmlNode;

// Element "arm_group"; carries a delete flag.
class ArmGroup {
public:
    std::string arm_group_label;
    std::string arm_type;
    BlockText arm_group_description;
    bool deleteFlag = false;

    void readFromElement(const XmlNode* element);
    void writeIntoParent(XmlNode& parent) const;
    void write(ElementSink& out) const;
};
