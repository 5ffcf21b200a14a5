#pragma once

#include "xml/XmlWriteOptions.h"

#include <string>
#include <string_view>

class XmlNode;

// Turns an XmlNode tree into text: CR LF line breaks, tab indentation, and a
// space after every attribute.
class XmlWriter {
public:
    XmlWriter(XmlWriteOptions& options, std::string& out) : m_options(options), m_out(out) {}

    void write(const XmlNode& node);

private:
    void writeElement(const XmlNode& node);
    void writeLineStart(int depth);
    void writeEncoded(std::string_view text);

    XmlWriteOptions& m_options;
    std::string& m_out;
};
