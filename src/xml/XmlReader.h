#pragma once

#include "xml/XmlParseOptions.h"

#include <array>
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "xml/XmlNode.h"

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

    std::size_t skipSpace(std::size_t position) const;
    std::size_t findUnescaped(char c, std::size_t from) const;
    std::size_t findUnescaped(std::string_view marker, std::size_t from) const;
    // Which bytes end a search, indexed by unsigned byte value.
    using StopSet = std::array<bool, 256>;
    std::size_t findFirstOf(const StopSet& set, std::size_t from) const;
    std::size_t findFirstUnescapedOf(std::string_view set, std::size_t from) const;
    bool isEscaped(std::size_t position) const;
    bool startsWith(std::size_t position, std::string_view marker) const;

    // Writes into `out`, reusing its capacity.
    void applyTextRule(std::size_t begin, std::size_t end, std::string& out) const;
    void removeEscapes(std::string_view raw, std::string& out) const;
    void decodeEntities(std::string_view raw, std::string& out) const;

    void fail(std::size_t position, XmlParseError code, std::string message);

    std::string_view m_text;
    XmlParseOptions& m_options;
    // Nodes without a name (end tags, comments) and recycled subtrees.
    std::vector<std::unique_ptr<XmlNode>> m_pool;
};
