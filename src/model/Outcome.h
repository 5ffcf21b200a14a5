#pragma once

#include "model/BlockText.h"

#include <string>

class XmlNode;

// A primary or secondary outcome measure. The holder names and appends the
// element ("primary_outcome" or "secondary_outcome"); carries a delete flag.
class Outcome {
public:
    std::string outcome_measure;
    std::string outcome_time_frame;
    BlockText outcome_description;
    std::string outcome_safety_issue;
    bool deleteFlag = false;

    void readFromElement(const XmlNode* element);
    void writeIntoElement(XmlNode& element) const;
};
