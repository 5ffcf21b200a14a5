#pragma once

#include "xml/XmlParseOptions.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "xml/XmlNode.h"

// A forgiving single-pass scanner that builds an XmlNode tree from the first
// element of a text. It decodes only the five named entities and records the
// first error in the options.
class XmlReader {
public:
    XmlReader(std::string_view text, XmlParseOptions& options);

    std::optional<std::size_t> parse(XmlNode& node, std::size_t position);

private:
    static constexpr std::size_t npos = std::string_view::npos;

    std::optional<std::size_t> parseElement(XmlNode& node, std::size_t position, int depth);
    std::optional<std::size_t> parseChildren(XmlNode& node, std::size_t position, int depth);
    std::optional<std::size_t> parseAttributes(XmlNode& node, std::size_t position);
    std::unique_ptr<XmlNode> takeSpareNode(XmlNode& parent);

    enum class Markup { None, Skipped, EndsElement, Unterminated };
    Markup skipMarkup(XmlNode& node, std::size_t& position);
    Markup skipSection(XmlNode& node, std::size_t& position, std::string_view open,
                       std::string_view close, std::string_view nodeName, XmlNodeKind kind);

    std::size_t skipSpace(std::size_t position) const;
    std::size_t findUnescaped(char c, std::size_t from) const;
    std::size_t findUnescaped(std::string_view marker, std::size_t from) const;
    std::size_t findFirstOf(std::string_view set, std::size_t from) const;
    std::size_t findFirstUnescapedOf(std::string_view set, std::size_t from) const;
    bool isEscaped(std::size_t position) const;
    bool startsWith(std::size_t position, std::string_view marker) const;

    std::string applyTextRule(std::size_t begin, std::size_t end) const;
    std::string removeEscapes(std::string_view raw) const;
    std::string decodeEntities(std::string_view raw) const;

    void fail(std::size_t position, XmlParseError code, std::string message);

    std::string_view m_text;
    XmlParseOptions& m_options;
    std::unique_ptr<XmlNode> m_spare;
};
