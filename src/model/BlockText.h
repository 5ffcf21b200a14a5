#pragma once

#include <string>
#include <string_view>

class ElementSink;
class XmlNode;

// A multi-line text written as the value of a "textblock" child. Held in
// display form: line breaks are CR LF.
class BlockText {
public:
    BlockText() = default;
    explicit BlockText(std::string text) : m_text(std::move(text)) {}
    virtual ~BlockText() = default;
    BlockText(const BlockText&) = default;
    BlockText& operator=(const BlockText&) = default;
    BlockText(BlockText&&) = default;
    BlockText& operator=(BlockText&&) = default;

    const std::string& text() const { return m_text; }
    void setText(std::string text) { m_text = std::move(text); }

    // Null changes nothing. Line breaks in any form another tool writes
    // (references, text that spans lines in the file) become CR LF.
    void readFromTextblock(const XmlNode* textblock);
    void readFromXml(std::string_view text);
    // Appends a "textblock" child holding the text in XML form.
    void writeTextblockInto(XmlNode& element) const;
    void write(ElementSink& out) const;

    bool operator==(const BlockText& other) const = default;

private:
    std::string m_text;
};
