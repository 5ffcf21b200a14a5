#pragma once

#include "model/ElementSink.h"
#include "xml/XmlStreamWriter.h"

#include <string>
#include <string_view>
#include <vector>

class SavedTextFilter;

// Writes elements straight into the text of a saved collection file, as if
// they stood at the given depth: what the XML writer, with the program's
// default options, produces for them (CR LF and tabs before every node,
// entities encoded, a space after every attribute, "/>" for an element
// without children and text), in the form the save gives that text (see
// SavedTextFilter). Tree lines thus end in CR CR LF and a character reference
// in a value stays one. A node whose text holds a line feed, and a copied
// element, are written as the XML writer has them and go through the filter.
// The line before the first node must hold more than blanks.
class XmlTextSink : public ElementSink {
public:
    XmlTextSink(SavedTextFilter& file, int depth);

    // Puts everything written into the file's text; the filter may go on
    // after it.
    void finish();

    void open(std::string_view name) override;
    void open(std::string_view name, bool deleteFlag) override;
    void open(std::string_view name, const std::vector<SinkAttribute>& attributes) override;
    void close() override;
    void text(std::string_view name, std::string_view value) override;
    void text(std::string_view name, std::string_view value, bool deleteFlag) override;
    void copy(const XmlNode& element) override;

private:
    struct Open {
        std::string_view name;
        bool startTagOpen; // no child yet: ">" not written
    };
    void completeParentTag();
    // Starts a node's line: straight into the file, or (`filtered`) into the
    // scratch text that endNode() hands to the filter.
    XmlStreamWriter& beginNode(bool filtered);
    void endNode(bool filtered);
    // The scratch text, after what was written straight.
    void appendFiltered();
    void leaf(std::string_view name, std::string_view value, const bool* deleteFlag);
    void push(std::string_view name);

    SavedTextFilter& m_file;
    int m_depth;
    std::vector<Open> m_open;
    XmlStreamWriter m_direct;
    std::string m_scratch;
    XmlStreamWriter m_plain;
};
