#pragma once

// The general rules by which every record reads its fields from its element
// and writes them into a new one. Look-ups are by exact name among the direct
// children, first match wins; a missing child leaves the field as it was.

#include "model/ElementSink.h"
#include "model/OwningList.h"
#include "model/XmlTreeSink.h"

#include <string>
#include <string_view>
#include <vector>

class XmlNode;
class FieldValue;
class BlockText;
class TextBlock;

void readText(const XmlNode& element, std::string_view name, std::string& text);
void readField(const XmlNode& element, std::string_view name, FieldValue& field);
void readBlockText(const XmlNode& element, std::string_view name, BlockText& block);
void readTextBlock(const XmlNode& element, std::string_view name, TextBlock& block);
// Appends the value of every child of that name, in document order.
void readTextList(const XmlNode& element, std::string_view name, std::vector<std::string>& list);
void readFieldList(const XmlNode& element, std::string_view name, std::vector<FieldValue>& list);
// The element's "delete" attribute; absent reads as false.
bool readDeleteFlag(const XmlNode& element);

// Appends one new entry per child of that name, each read by its own reader.
template <class Record>
void readRecordList(const XmlNode& element, std::string_view name, OwningList<Record>& list);

void writeText(ElementSink& out, std::string_view name, std::string_view text);
void writeField(ElementSink& out, std::string_view name, const FieldValue& field);
void writeBlockText(ElementSink& out, std::string_view name, const BlockText& block);
void writeTextBlock(ElementSink& out, std::string_view name, const TextBlock& block);
void writeTextList(ElementSink& out, std::string_view name, const std::vector<std::string>& list);
// Adds the "delete" attribute to an element built as a tree.
void writeDeleteFlag(XmlNode& element, bool flag);

#include "xml/XmlNode.h"

template <class Record>
void readRecordList(const XmlNode& element, std::string_view name, OwningList<Record>& list) {
    for (const auto& child : element.children()) {
        if (child->name() == name)
            appendNew(list).readFromElement(child.get());
    }
}
