#pragma once

#include "xml/XmlNode.h"
#include "xml/XmlParseOptions.h"
#include "xml/XmlWriteOptions.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

// Parses a text with the program's options; fails the test when it does not parse.
inline std::unique_ptr<XmlNode> parseXml(std::string_view text) {
    auto node = std::make_unique<XmlNode>();
    XmlParseOptions options = XmlParseOptions::program();
    if (!node->parseFromText(text, 0, options))
        return nullptr;
    return node;
}

inline std::vector<std::string> childNames(const XmlNode& node) {
    std::vector<std::string> names;
    for (const auto& child : node.children())
        names.push_back(child->name());
    return names;
}

inline std::string oneLine(const XmlNode& node) {
    XmlWriteOptions options;
    options.lineBreaks = false;
    return node.writeAsText(options);
}
