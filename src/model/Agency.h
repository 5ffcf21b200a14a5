#pragma once

#include <string>

class XmlNode;

// A sponsor or collaborator. The holder names and appends the element
// ("lead_sponsor" or "collaborator"); the agency fills it.
class Agency {
public:
    std::string agency;

    void readFromElement(const XmlNode* element);
    void writeIntoElement(XmlNode& element) const;
};
