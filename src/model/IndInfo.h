#pragma once

#include <string>

class ElementSink;
class XmlNode;

// Element "ind_info": the IND/IDE information; carries a delete flag.
class IndInfo {
public:
    std::string ind_grantor;
    std::string ind_number;
    std::string ind_serial_number;
    std::string has_expanded_access;
    std::string expanded_access_nct_id;
    bool deleteFlag = false;

    void readFromElement(const XmlNode* element);
    void writeIntoParent(XmlNode& parent) const;
    void write(ElementSink& out) const;
};
