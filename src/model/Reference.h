#pragma once

#include <string>

class ElementSink;
class XmlNode;

// Element "reference"; carries a delete flag.
class Reference {
public:
    std::string citation;
    std::string pubmed_id;
    std::string is_results_ref;
    bool deleteFlag = false;

    void readFromElement(const XmlNode* element);
    void writeIntoParent(XmlNode& parent) const;
    void write(ElementSink& out) const;
};
