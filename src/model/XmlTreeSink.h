#pragma once

#include "model/ElementSink.h"

#include <vector>

class XmlNode;

// Appends the written elements as children of an existing node.
class XmlTreeSink : public ElementSink {
public:
    explicit XmlTreeSink(XmlNode& parent);

    void open(std::string_view name) override;
    void open(std::string_view name, bool deleteFlag) override;
    void open(std::string_view name, const std::vector<SinkAttribute>& attributes) override;
    void close() override;
    void text(std::string_view name, std::string_view value) override;
    void text(std::string_view name, std::string_view value, bool deleteFlag) override;
    void copy(const XmlNode& element) override;

private:
    enum class Flag { None, False, True };
    struct Open {
        XmlNode* node;
        Flag flag;
    };
    XmlNode& appendElement(std::string_view name, std::string_view value);

    std::vector<Open> m_open;
};
