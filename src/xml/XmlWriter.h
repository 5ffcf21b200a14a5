#pragma once

#include "xml/XmlStreamWriter.h"
#include "xml/XmlWriteOptions.h"

#include <string>

class XmlNode;

// Turns an XmlNode tree into text: CR LF line breaks, tab indentation, and a
// space after every attribute.
class XmlWriter {
public:
    XmlWriter(XmlWriteOptions& options, std::string& out) : m_options(options), m_out(out, options) {}

    // Appends the node's text to the output.
    void write(const XmlNode& node);

private:
    void writeNode(const XmlNode& node);
    void writeElement(const XmlNode& node);

    XmlWriteOptions& m_options;
    XmlStreamWriter m_out;
};
