#pragma once

#include "model/ElementSink.h"

#include <string>
#include <vector>

// Appends to a text exactly what the XML writer, with the program's default
// options, produces for the elements written, as if they stood at the given
// depth: CR LF and tabs before every node, entities encoded, a space after
// every attribute, "/>" for an element without children and text.
class XmlTextSink : public ElementSink {
public:
    XmlTextSink(std::string& out, int depth) : m_out(out), m_depth(depth) {}

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
    void beginNode();
    void startTag(std::string_view name);
    void deleteAttribute(bool flag);
    void encoded(std::string_view value);

    std::string& m_out;
    int m_depth;
    std::vector<Open> m_open;
};
