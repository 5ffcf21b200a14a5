#pragma once

#include "xml/XmlNode.h"
#include "xml/XmlNodeStore.h"
#include "xml/XmlParseOptions.h"
#include "xml/XmlTextScanner.h"
#include "xml/XmlTextSource.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
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
    // Called with the root and each of its direct children as soon as the child
    // is complete (comments and CDATA sections included). Returning true takes
    // the child: the reader removes it and reuses its nodes, so that a large
    // document can be read one child at a time.
    using ChildHandler = std::function<bool(const XmlNode& root, XmlNode& child)>;

    XmlReader(std::string_view text, XmlParseOptions& options);
    // How much text a source is read ahead of the next child by default.
    static constexpr std::size_t kDefaultReadAhead = std::size_t{1} << 20;

    // Reads the text from `source` as far as the parse needs it, `readAhead`
    // bytes beyond the next child, and drops what it is done with. Positions
    // (given, returned and in errors) count from the start of the whole text.
    XmlReader(XmlTextSource& source, XmlParseOptions& options,
              std::size_t readAhead = kDefaultReadAhead);

    // `depth` is the level `node` stands at, for the nesting limit: a node
    // parsed out of a larger document counts the levels above it.
    std::optional<std::size_t> parse(XmlNode& node, std::size_t position, int depth = 1);
    std::optional<std::size_t> parse(XmlNode& node, std::size_t position,
                                     const ChildHandler& handler);

    // A document ends with its root element: anything but white space from
    // `position` (where parse() ended) on is recorded as one skipped part,
    // named after what starts it. Reads a source to its end.
    void recordAfterRoot(std::size_t position);

    // Where the start tag of the element parsed last by parse() begins.
    std::size_t rootPosition() const { return m_rootPosition; }

private:
    static constexpr std::size_t npos = std::string_view::npos;
    // The steps below return the position after what they read, or kFailed:
    // a plain position comes back in a register, where an optional made every
    // return of the recursion wait on memory.
    static constexpr std::size_t kFailed = npos;

    // Collects the children of a node on m_pending while it is parsed: the
    // node's list is then allocated once, at its final size.
    class PendingChildren {
    public:
        PendingChildren(XmlReader& reader, XmlNode* node);
        ~PendingChildren();
        PendingChildren(const PendingChildren&) = delete;
        PendingChildren& operator=(const PendingChildren&) = delete;

    private:
        XmlReader& m_reader;
        XmlNode* m_node;
        XmlNode* m_outer;
        std::size_t m_base;
    };

    void adopt(XmlNode& node);
    std::optional<std::size_t> parseTop(XmlNode& node, std::size_t position, int depth);
    std::size_t parseElement(XmlNode& node, std::size_t position, int depth);
    std::size_t parseStartTag(XmlNode& node, std::size_t startTag, int depth);
    std::size_t parseChildren(XmlNode& node, std::size_t position, int depth, std::size_t startTag);
    std::size_t parseHandledChildren(XmlNode& node, std::size_t position, int depth,
                                     std::size_t start);
    // The next child from `position`, or where an end tag starts. `start`:
    // where the node's start tag is in the whole text.
    std::size_t nextChild(XmlNode& node, std::size_t position, int depth, std::size_t start);
    enum class AfterChild { Closed, Next, Failed };
    // An end tag or the text after a child, at `position`.
    AfterChild afterChild(XmlNode& node, std::size_t& position, std::size_t start,
                          std::optional<bool>& blankValue);
    bool followsCData(const XmlNode& node) const;
    AfterChild textAfterCData(XmlNode& node, std::size_t& p, std::size_t start);
    std::size_t parseChild(XmlNode& node, std::size_t childStart, int depth);
    enum class EndTag { Closes, Stray, Failed };
    EndTag readEndTag(const XmlNode& node, std::size_t& position);
    bool isOwnEndTag(const XmlNode& node, std::size_t position) const;
    std::size_t unclosed(const XmlNode& node, std::size_t start);

    // Reading from a source: what a step that runs out of text has to undo.
    struct Checkpoint {
        std::size_t children;
        bool hadError;
        std::size_t skippedParts;
    };
    Checkpoint checkpoint(const XmlNode& node) const;
    bool retryOnMoreText(XmlNode& node, const Checkpoint& checkpoint);
    void readMore(std::size_t wanted);
    void keepWindowAhead(std::size_t& position);
    void refreshText();
    std::size_t indentEnd(std::size_t position) const;
    void addChild(XmlNode& parent, XmlNodePtr child);
    std::size_t parseAttributes(XmlNode& node, std::size_t position, std::size_t startTag);
    XmlNodePtr takeSpareNode(XmlNode& parent);
    void giveBack(XmlNodePtr node);
    void offerChildren(XmlNode& node, std::size_t from);
    void makeRoom(XmlChildList& children, std::size_t count);
    void poolChildren(XmlNode& node);
    // Takes back every descendant of `node` for reuse by later parses, with
    // the capacity of its strings; `node` is left without children.
    void recycle(XmlNode& node);

    enum class Markup { None, Skipped, EndsElement, Unterminated };
    Markup skipMarkup(XmlNode& node, std::size_t& position);
    std::string partStartingAt(std::size_t position) const;

    // Writes into `out`, reusing its capacity.
    std::size_t readText(std::size_t begin, std::string& out) const;
    void applyTextRule(std::size_t begin, std::size_t end, std::string& out) const;
    // The same for a run the scanner found, which knows its first '&'.
    void applyTextRule(std::size_t begin, XmlTextScanner::TextRun text, std::string& out) const;
    void removeEscapes(std::string_view raw, std::string& out) const;
    void decodeEntities(std::string_view raw, std::size_t firstAmpersand, std::string& out) const;
    const XmlEntity* entityAt(const char* amp, std::size_t available) const;
    static bool matches(std::string_view reference, const char* amp, std::size_t available);
    void keyEntities();

    void skipped(XmlSkippedPart::Kind kind, std::size_t position, std::string_view name,
                 const XmlNode* open);
    void skippedText(std::size_t begin, std::size_t end, const XmlNode* open);
    void skippedMarkup(std::size_t position, std::string_view content, const XmlNode* open);
    void fail(std::size_t position, XmlParseError code, std::string message);
    void failStartTag(std::size_t startTag, const XmlNode& node);

    // The whole text, or the part of a source's text not dropped yet, which
    // starts m_base bytes into the whole text.
    std::string_view m_text;
    XmlParseOptions& m_options;
    XmlTextScanner m_scan;
    XmlTextSource* m_source = nullptr;
    std::size_t m_base = 0;
    bool m_complete = true;
    // Finished text is dropped once there is four times this much of it.
    std::size_t m_readAhead = kDefaultReadAhead;
    // Where the nodes made come from; every tree parsed shares it. Declared
    // before the nodes below: it outlives them.
    std::shared_ptr<XmlNodeStore> m_store;
    // Nodes without a name (end tags, comments) and recycled subtrees.
    std::vector<XmlNodePtr> m_pool;
    // Children of the nodes being parsed, innermost last; see PendingChildren.
    std::vector<XmlNodePtr> m_pending;
    XmlNode* m_gathering = nullptr;
    const ChildHandler* m_handler = nullptr;
    const XmlNode* m_handledNode = nullptr;
    const XmlNode* m_top = nullptr;
    // The references of the entity table the options gave at the start, each
    // of up to eight bytes as a word and the mask of its bytes: matching one
    // against the text is a single comparison. Empty for longer references.
    struct EntityKey {
        std::uint64_t word = 0;
        std::uint64_t mask = 0;
    };
    const XmlEntityTable* m_keyedTable = nullptr;
    std::array<EntityKey, std::tuple_size_v<XmlEntityTable>> m_entityKeys{};
    std::size_t m_rootPosition = 0;
};
