#include "model/ElementRules.h"

#include "model/BlockText.h"
#include "model/FieldValue.h"
#include "model/TextBlock.h"
#include "model/TextForms.h"
#include "xml/XmlNode.h"

void readText(const XmlNode& element, std::string_view name, std::string& text) {
    if (const XmlNode* child = element.findChild(name))
        text = child->value();
}

void readField(const XmlNode& element, std::string_view name, FieldValue& field) {
    if (const XmlNode* child = element.findChild(name))
        field.setFromXml(child->value(), child->attributeValue("delete"));
}

void readBlockText(const XmlNode& element, std::string_view name, BlockText& block) {
    if (const XmlNode* child = element.findChild(name))
        block.readFromTextblock(child->findChild("textblock"));
}

void readTextBlock(const XmlNode& element, std::string_view name, TextBlock& block) {
    block.readFromElement(element.findChild(name));
}

void readTextList(const XmlNode& element, std::string_view name, std::vector<std::string>& list) {
    for (const auto& child : element.children()) {
        if (child->name() == name)
            list.push_back(child->value());
    }
}

void readFieldList(const XmlNode& element, std::string_view name, std::vector<FieldValue>& list) {
    for (const auto& child : element.children()) {
        if (child->name() == name)
            list.emplace_back().setFromXml(child->value(), child->attributeValue("delete"));
    }
}

bool readDeleteFlag(const XmlNode& element) {
    const std::string* value = element.attributeValue("delete");
    return value && booleanFromText(*value);
}

void writeText(ElementSink& out, std::string_view name, std::string_view text) {
    out.text(name, text);
}

void writeField(ElementSink& out, std::string_view name, const FieldValue& field) {
    out.text(name, field.xmlText(), field.deleteFlag());
}

void writeBlockText(ElementSink& out, std::string_view name, const BlockText& block) {
    out.open(name);
    block.write(out);
    out.close();
}

void writeTextBlock(ElementSink& out, std::string_view name, const TextBlock& block) {
    block.write(out, name);
}

void writeTextList(ElementSink& out, std::string_view name, const std::vector<std::string>& list) {
    for (const std::string& entry : list)
        out.text(name, entry);
}

void writeDeleteFlag(XmlNode& element, bool flag) {
    element.addAttribute("delete", std::string(booleanToText(flag)));
}
