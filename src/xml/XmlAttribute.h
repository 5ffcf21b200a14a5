#pragma once

#include <string>

class XmlNode;

// One attribute of an element; owned by the node that lists it.
class XmlAttribute {
public:
    XmlAttribute(XmlNode* owner, std::string name, std::string value)
        : m_name(std::move(name)), m_value(std::move(value)), m_owner(owner) {}

    const std::string& name() const { return m_name; }
    const std::string& value() const { return m_value; }
    void setName(std::string name) { m_name = std::move(name); }
    void setValue(std::string value) { m_value = std::move(value); }
    XmlNode* owner() const { return m_owner; }

private:
    std::string m_name;
    std::string m_value;
    XmlNode* m_owner;
};
