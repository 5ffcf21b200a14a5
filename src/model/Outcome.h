#pragma once

#include "model/BlockText.h"

#include <string>
#include <string_view>

class ElementSink;
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
    // Fills an element the holder has appended.
    void writeIntoElement(XmlNode& element) const;
    // Writes the element under the holder's name.
    void write(ElementSink& out, std::string_view name) const;

private:
    void writeChildren(ElementSink& out) const;
};
