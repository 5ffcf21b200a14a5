#pragma once

#include "model/BlockText.h"

#include <string>

class ElementSink;
class XmlNode;

// Element "eligibility"; carries a delete flag.
class Eligibility {
public:
    BlockText study_population;
    std::string sampling_method;
    BlockText criteria;
    std::string healthy_volunteers;
    std::string gender;
    std::string minimum_age;
    std::string maximum_age;
    bool deleteFlag = false;

    void readFromElement(const XmlNode* element);
    void writeIntoParent(XmlNode& parent) const;
    void write(ElementSink& out) const;
};
