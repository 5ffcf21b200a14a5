#pragma once

#include "model/BlockText.h"

#include <string>
#include <string_view>

class ElementSink;
class XmlNode;

// A BlockText with a delete flag on the outer element.
class TextBlock {
public:
    TextBlock() = default;
    virtual ~TextBlock() = default;
    TextBlock(const TextBlock&) = default;
    TextBlock& operator=(const TextBlock&) = default;
    TextBlock(TextBlock&&) = default;
    TextBlock& operator=(TextBlock&&) = default;

    const std::string& text() const { return m_block.text(); }
    void setText(std::string text) { m_block.setText(std::move(text)); }
    BlockText& block() { return m_block; }
    const BlockText& block() const { return m_block; }

    bool deleteFlag() const { return m_deleteFlag; }
    void setDeleteFlag(bool flag) { m_deleteFlag = flag; }

    // Null changes nothing; otherwise reads the "textblock" child (if any)
    // and takes the flag from the element.
    void readFromElement(const XmlNode* element);
    // Writes the outer element named `name` with its textblock and flag.
    void write(ElementSink& out, std::string_view name) const;

    bool operator==(const TextBlock& other) const = default;

private:
    BlockText m_block;
    bool m_deleteFlag = false;
};
