#pragma once

#include <string>
#include <string_view>

class ElementSink;
class XmlNode;

// A sponsor or collaborator. The holder names and appends the element
// ("lead_sponsor" or "collaborator"); the agency fills it.
class Agency {
public:
    std::string agency;

    void readFromElement(const XmlNode* element);
    // Fills an element the holder has appended.
    void writeIntoElement(XmlNode& element) const;
    // Writes the element under the holder's name.
    void write(ElementSink& out, std::string_view name) const;

private:
    void writeChildren(ElementSink& out) const;
};
