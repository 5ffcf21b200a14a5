#pragma once

#include "xml/XmlNode.h"
#include "xml/XmlParseOptions.h"
#include "xml/XmlTextScanner.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A forgiving single-pass scanner that builds an XmlNode tree from the first
// element of a text. It decodes only the five named entities and records the
// first error in the options.
class XmlReader {
public:
    XmlReader(std::string_view text, XmlParseOptions& options);

    // `depth` is the level `node` stands at, for the nesting limit: a node
    // parsed out of a larger document counts the levels above it.
    std::optional<std::size_t> parse(XmlNode& node, std::size_t position, int depth = 1);

    // Takes back every descendant of `node` for reuse by later parses, with
    // the capacity of its strings; `node` is left without children.
    void recycle(XmlNode& node);
    // Appends an empty element to `parent`, a recycled node when there is one.
    XmlNode& appendChild(XmlNode& parent);

private:
    static constexpr std::size_t npos = std::string_view::npos;

    std::optional<std::size_t> parseElement(XmlNode& node, std::size_t position, int depth);
    std::optional<std::size_t> parseChildren(XmlNode& node, std::size_t position, int depth);
    std::optional<std::size_t> parseAttributes(XmlNode& node, std::size_t position);
    std::unique_ptr<XmlNode> takeSpareNode(XmlNode& parent);
    void giveBack(std::unique_ptr<XmlNode> node);

    enum class Markup { None, Skipped, EndsElement, Unterminated };
    Markup skipMarkup(XmlNode& node, std::size_t& position);
    Markup skipSection(XmlNode& node, std::size_t& position, std::string_view open,
                       std::string_view close, std::string_view nodeName, XmlNodeKind kind);

    // Writes into `out`, reusing its capacity.
    void applyTextRule(std::size_t begin, std::size_t end, std::string& out) const;
    void removeEscapes(std::string_view raw, std::string& out) const;
    void decodeEntities(std::string_view raw, std::string& out) const;

    void fail(std::size_t position, XmlParseError code, std::string message);

    std::string_view m_text;
    XmlParseOptions& m_options;
    XmlTextScanner m_scan;
    // Nodes without a name (end tags, comments) and recycled subtrees.
    std::vector<std::unique_ptr<XmlNode>> m_pool;
};
