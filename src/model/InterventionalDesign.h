#pragma once

#include <string>

class ElementSink;
class XmlNode;

// Element "interventional_design"; carries a delete flag.
class InterventionalDesign {
public:
    std::string interventional_subtype;
    std::string phase;
    std::string assignment;
    std::string allocation;
    std::string masking;
    std::string masked_subject;
    std::string masked_caregiver;
    std::string masked_investigator;
    std::string masked_assessor;
    std::string control;
    std::string endpoint;
    std::string number_of_arms;
    bool deleteFlag = false;

    void readFromElement(const XmlNode* element);
    void writeIntoParent(XmlNode& parent) const;
    void write(ElementSink& out) const;
};
