#pragma once

#include "xml/XmlWriteOptions.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

// Writes XML text piece by piece in the program's layout: every node on a line
// of its own (a line break, then a tab per level), a space after every
// attribute, and the entity table's references for the characters it names.
// The tree writer and the collection file's writer both go through it.
class XmlStreamWriter {
public:
    // Takes the quote character and the entity rules of `options`.
    XmlStreamWriter(std::string& out, const XmlWriteOptions& options);

    // What starts a line before its tabs; "\r\n" unless set.
    void setLineBreak(std::string_view lineBreak);
    // Writes "&" as it is where "#" follows it, so that a character reference
    // in a value stays a reference.
    void setKeepCharacterReferences(bool keep) { m_keepReferences = keep; }

    // A line break and `depth` tabs (none for a depth below one).
    void lineStart(int depth);
    // "<name"; the attributes may follow.
    void startTag(std::string_view name);
    // The first attribute of a tag is set off by a space; every one is
    // followed by a space.
    void attribute(std::string_view name, std::string_view value);
    void endStartTag() { m_out += '>'; }
    void endEmptyElement() { m_out.append("/>"); }
    void endTag(std::string_view name);
    void text(std::string_view text);
    void comment(std::string_view text);
    void cdata(std::string_view text);

    std::string& out() { return m_out; }

private:
    // The reference written for the byte at `at`; empty when it stays as it is.
    std::string_view referenceAt(std::string_view text, std::size_t at) const;

    std::string& m_out;
    char m_quote;
    bool m_encode;
    bool m_keepReferences = false;
    bool m_firstAttribute = true;
    // For each of the five characters a reference may stand for, in the order
    // of kEncodable, the table's first reference; empty when it has none.
    std::array<std::string_view, 5> m_references{};
    // The line break followed by tabs; a line start is a prefix of it.
    std::string m_indent;
    std::size_t m_lineBreakSize = 0;
};
