#pragma once

#include "model/BlockText.h"

#include <string>
#include <vector>

class ElementSink;
class XmlNode;

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
    void clearLists();
    void readFromElement(const XmlNode* element);
    void writeIntoParent(XmlNode& parent) const;
    void write(ElementSink& out) const;
};
