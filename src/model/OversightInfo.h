#pragma once

#include "model/IrbInfo.h"

#include <string>
#include <vector>

class ElementSink;
class XmlNode;

// Element "oversight_info"; carries a delete flag.
class OversightInfo {
public:
    std::vector<std::string> regulatory_authority;
    IrbInfo irb_info;
    std::string has_dmc;
    bool deleteFlag = false;

    void clearRegulatoryAuthorities() { regulatory_authority.clear(); }
    void readFromElement(const XmlNode* element);
    void writeIntoParent(XmlNode& parent) const;
    void write(ElementSink& out) const;
};
