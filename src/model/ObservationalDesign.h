#pragma once

#include "model/BlockText.h"

#include <string>

class ElementSink;
class XmlNode;

// Element "observational_design"; carries a delete flag.
class ObservationalDesign {
public:
    std::string observational_study_design;
    std::string biospecimen_retention;
    BlockText biospecimen_description;
    std::string timing;
    std::string number_of_groups;
    bool deleteFlag = false;

    void readFromElement(const XmlNode* element);
    void writeIntoParent(XmlNode& parent) const;
    void write(ElementSink& out) const;
};
