#include "xml/XmlReader.h"

#include "xml/XmlNode.h"

#include <algorithm>
#include <cstring>

namespace {

std::string_view trimmed(std::string_view text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && XmlTextScanner::isSpace(text[begin]))
        ++begin;
    while (end > begin && XmlTextScanner::isSpace(text[end - 1]))
        --end;
    return text.substr(begin, end - begin);
}

bool isBlank(const std::string& text) { return trimmed(text).empty(); }


} // namespace

void XmlParseOptions::recordError(std::size_t position, XmlParseError code, std::string message) {
    if (errorFlag)
        return;
    errorFlag = true;
    errorPosition = position;
    errorCode = static_cast<int>(code);
    errorMessage = std::move(message);
}

void XmlParseOptions::recordSkipped(XmlSkippedPart part) {
    if (skippedParts.size() < kMaxListedSkippedParts)
        skippedParts.push_back(std::move(part));
    ++skippedPartCount;
}

std::vector<std::size_t> XmlParseOptions::skippedPositions() const {
    std::vector<std::size_t> positions;
    positions.reserve(skippedParts.size());
    for (const XmlSkippedPart& part : skippedParts)
        positions.push_back(part.position);
    return positions;
}

void XmlParseOptions::forgetSkippedAfter(std::size_t count) {
    skippedParts.resize(std::min(count, std::min(skippedParts.size(), kMaxListedSkippedParts)));
    skippedPartCount = std::min(skippedPartCount, count);
}

XmlReader::XmlReader(std::string_view text, XmlParseOptions& options)
    : m_text(text), m_options(options), m_scan(text, options),
      m_store(std::make_shared<XmlNodeStore>()) {
    keyEntities();
}

XmlReader::XmlReader(XmlTextSource& source, XmlParseOptions& options, std::size_t readAhead)
    : m_text(source.text()), m_options(options), m_scan(m_text, options), m_source(&source),
      m_complete(false), m_readAhead(std::max<std::size_t>(readAhead, 1)),
      m_store(std::make_shared<XmlNodeStore>()) {
    keyEntities();
}

void XmlReader::keyEntities() {
    m_keyedTable = m_options.entities;
    if (!m_keyedTable)
        return;
    for (std::size_t i = 0; i < m_keyedTable->size(); ++i) {
        const std::string_view reference = (*m_keyedTable)[i].reference;
        EntityKey& key = m_entityKeys[i];
        key = EntityKey{};
        if (reference.size() > sizeof key.word)
            continue;
        std::memcpy(&key.word, reference.data(), reference.size());
        std::memset(&key.mask, 0xFF, reference.size());
    }
}

std::optional<std::size_t> XmlReader::parse(XmlNode& node, std::size_t position, int depth) {
    adopt(node);
    return parseTop(node, position, depth);
}

std::optional<std::size_t> XmlReader::parse(XmlNode& node, std::size_t position,
                                            const ChildHandler& handler) {
    adopt(node);
    m_handler = &handler;
    m_handledNode = &node;
    const std::optional<std::size_t> end = parseTop(node, position, 1);
    m_handler = nullptr;
    m_handledNode = nullptr;
    return end;
}

// The node's old children go while the store that holds them is still its
// own; from then on it keeps this reader's store alive.
void XmlReader::adopt(XmlNode& node) {
    node.clear();
    node.m_store = m_store;
    m_top = &node;
}

// A parse that fails on part of a source's text is done again on more of it,
// from what the node and the reader held before. Once the handled root's
// children are reached, their loop does that itself (and drops text), so
// only a failure before them comes back here.
std::optional<std::size_t> XmlReader::parseTop(XmlNode& node, std::size_t position, int depth) {
    if (!m_source) {
        const std::size_t end = parseElement(node, position, depth);
        return end == kFailed ? std::nullopt : std::optional<std::size_t>(end);
    }
    readMore(position + m_readAhead);
    const std::string name = node.m_name;
    const std::string value = node.m_value;
    const std::size_t rootPosition = m_rootPosition;
    const bool hadError = m_options.errorFlag;
    const std::size_t skippedParts = m_options.skippedPartCount;
    for (;;) {
        const std::size_t end = parseElement(node, position - m_base, depth);
        if (end != kFailed)
            return m_base + end;
        if (m_complete || m_base > 0)
            return std::nullopt;
        node.m_name = name;
        node.m_value = value;
        m_rootPosition = rootPosition;
        if (!hadError)
            m_options.clearError();
        m_options.forgetSkippedAfter(skippedParts);
        readMore(2 * m_text.size() + m_readAhead);
    }
}

void XmlReader::recordAfterRoot(std::size_t position) {
    std::size_t p = position - m_base;
    for (;;) {
        keepWindowAhead(p);
        p = m_scan.skipSpace(p);
        if (p < m_text.size())
            break;
        if (m_complete)
            return;
    }
    skipped(XmlSkippedPart::Kind::AfterRoot, p, partStartingAt(p), nullptr);
}

// What a part of the text starting at `position` is, in a few words.
std::string XmlReader::partStartingAt(std::size_t position) const {
    if (m_scan.startsWith(position, "<!--"))
        return "a comment";
    if (m_scan.startsWith(position, "<?") || m_scan.startsWith(position, "<!"))
        return "markup";
    if (m_scan.startsWith(position, "</"))
        return "an end tag";
    if (!m_scan.startsWith(position, "<"))
        return "text";
    const std::size_t nameEnd = std::min(m_scan.findNameEnd(position + 1), m_text.size());
    if (nameEnd == position + 1)
        return "markup";
    std::string element = "<";
    element.append(m_text.substr(position + 1, nameEnd - position - 1)).append(">");
    return element;
}

void XmlReader::recycle(XmlNode& node) {
    std::size_t next = m_pool.size();
    poolChildren(node);
    // Indices, not iterators: the pool grows while it is walked.
    for (; next < m_pool.size(); ++next) {
        XmlNode& pooled = *m_pool[next];
        poolChildren(pooled);
        pooled.m_attributes.clear();
    }
}

// The children's array goes back to the store for a later list of its length.
void XmlReader::poolChildren(XmlNode& node) {
    XmlChildList& children = node.m_children;
    for (std::size_t i = 0; i < children.size(); ++i)
        m_pool.push_back(std::move(children.storage()[i]));
    children.release(m_store.get());
}

std::size_t XmlReader::parseElement(XmlNode& node, std::size_t position, int depth) {
    node.clear();
    std::size_t p = m_text.find('<', position);
    if (p == npos)
        return kFailed;
    skippedText(position, p, node.m_parent);
    if (m_scan.startsWith(p, "</"))
        return p;

    switch (skipMarkup(node, p)) {
    case Markup::EndsElement:
        return p;
    case Markup::Unterminated:
        return kFailed;
    default:
        break;
    }
    // Anything between skipped markup and the next tag is not part of an element.
    const std::size_t afterMarkup = p;
    p = m_text.find('<', p);
    if (p == npos)
        return kFailed;
    skippedText(afterMarkup, p, node.m_parent);
    if (m_scan.startsWith(p, "</"))
        return p;
    return parseStartTag(node, p, depth);
}

// `startTag` is the "<" of a start tag; `node` holds no children or attributes.
std::size_t XmlReader::parseStartTag(XmlNode& node, std::size_t startTag, int depth) {
    std::size_t p = startTag;
    if (&node == m_top)
        m_rootPosition = m_base + startTag;
    const std::size_t nameEnd = m_scan.findNameEnd(p + 1);
    node.m_name.assign(m_text.substr(p + 1, nameEnd == npos ? npos : nameEnd - p - 1));
    if (nameEnd == npos) {
        failStartTag(startTag, node);
        return kFailed;
    }
    if (depth > XmlParseOptions::kMaxDepth) {
        fail(p, XmlParseError::NestedTooDeeply, "<" + node.m_name + "> is nested too deeply.");
        return kFailed;
    }

    if (m_text[nameEnd] != '>') {
        p = parseAttributes(node, nameEnd, startTag);
        if (p == kFailed)
            return kFailed;
    } else {
        p = nameEnd;
    }
    if (m_text[p] == '/') {
        if (m_scan.startsWith(p + 1, ">"))
            return p + 2;
        fail(p, XmlParseError::ElementNotClosed, "Element must be closed.");
        return kFailed;
    }

    const std::size_t textEnd = readText(p + 1, node.m_value);
    if (textEnd == npos) {
        fail(startTag, XmlParseError::MissingEndTag,
             node.m_name + " must be closed with </" + node.m_name + ">");
        return kFailed;
    }
    // Most elements hold text alone: their end tag follows it at once.
    if (&node != m_handledNode && isOwnEndTag(node, textEnd))
        return textEnd + node.m_name.size() + 3;
    return parseChildren(node, textEnd, depth, startTag);
}

// Every element must be closed: running out of input inside one names the
// innermost element still open, where it starts.
std::size_t XmlReader::parseChildren(XmlNode& node, std::size_t p, int depth,
                                     std::size_t startTag) {
    if (&node == m_handledNode)
        return parseHandledChildren(node, p, depth, m_base + startTag);
    const PendingChildren pending(*this, &node);
    const std::size_t start = m_base + startTag;
    // Only this loop changes the value; whether it is blank is asked after
    // every child, so the answer is kept.
    std::optional<bool> blankValue;
    for (;;) {
        p = nextChild(node, p, depth, start);
        if (p == kFailed)
            return kFailed;
        switch (afterChild(node, p, start, blankValue)) {
        case AfterChild::Closed:
            return p;
        case AfterChild::Failed:
            return kFailed;
        case AfterChild::Next:
            break;
        }
    }
}

// The handler sees the root's children in the root itself, as they come.
// Reading from a source, the text before the next child is dropped, and a
// step that runs out of the text read so far is undone and done again on
// more of it: on a shortened text a step either fails or ends as it would on
// the whole text, since every search that reaches the end fails.
std::size_t XmlReader::parseHandledChildren(XmlNode& node, std::size_t p, int depth,
                                            std::size_t start) {
    const PendingChildren direct(*this, nullptr);
    std::optional<bool> blankValue;
    for (;;) {
        keepWindowAhead(p);
        std::size_t next = kFailed;
        for (Checkpoint undo = checkpoint(node);; undo = checkpoint(node)) {
            next = nextChild(node, p, depth, start);
            if (next != kFailed || !retryOnMoreText(node, undo))
                break;
        }
        if (next == kFailed)
            return kFailed;
        p = next;
        AfterChild after = AfterChild::Failed;
        for (Checkpoint undo = checkpoint(node);; undo = checkpoint(node)) {
            std::size_t q = p;
            after = afterChild(node, q, start, blankValue);
            if (after != AfterChild::Failed) {
                p = q;
                break;
            }
            if (!retryOnMoreText(node, undo))
                break;
        }
        if (after != AfterChild::Next)
            return after == AfterChild::Closed ? p : kFailed;
    }
}

// Both steps run for every element: inline, they cost no call each.
inline std::size_t XmlReader::nextChild(XmlNode& node, std::size_t p, int depth,
                                        std::size_t start) {
    const std::size_t childStart = m_scan.find('<', p);
    if (childStart == npos)
        return unclosed(node, start);
    // Text here follows a child or a stray end tag in an element that has
    // text already: it has no place in the tree.
    if (childStart != p)
        skippedText(p, childStart, &node);
    if (m_scan.startsWith(childStart, "</"))
        return childStart;
    const std::size_t before = node.m_children.size();
    const std::size_t next = parseChild(node, childStart, depth + 1);
    if (next == kFailed)
        return m_options.errorFlag ? kFailed : unclosed(node, start);
    if (&node == m_handledNode)
        offerChildren(node, before);
    return next;
}

inline XmlReader::AfterChild XmlReader::afterChild(XmlNode& node, std::size_t& p,
                                                   std::size_t start,
                                                   std::optional<bool>& blankValue) {
    if (m_scan.startsWith(p, "</")) {
        switch (readEndTag(node, p)) {
        case EndTag::Closes:
            return AfterChild::Closed;
        case EndTag::Failed:
            return AfterChild::Failed;
        case EndTag::Stray:
            return AfterChild::Next;
        }
    }
    // Nothing left fails here as it would at the search for the next child,
    // so that the step fails wherever the text it reads runs out.
    if (p >= m_text.size()) {
        unclosed(node, start);
        return AfterChild::Failed;
    }
    if (m_text[p] == '<')
        return AfterChild::Next;
    if (followsCData(node) && indentEnd(p) == npos)
        return textAfterCData(node, p, start);
    if (!blankValue)
        blankValue = isBlank(node.m_value);
    if (!*blankValue)
        return AfterChild::Next;
    std::size_t textEnd = indentEnd(p);
    if (textEnd != npos) {
        node.m_value.assign(m_options.trimValues ? std::string_view()
                                                 : m_text.substr(p, textEnd - p));
    } else {
        textEnd = readText(p, node.m_value);
        if (textEnd == npos) {
            unclosed(node, start);
            return AfterChild::Failed;
        }
        blankValue = isBlank(node.m_value);
    }
    p = textEnd;
    return AfterChild::Next;
}

// The tree keeps one value before the children: text after a CDATA section
// is kept after it as a section of its own, so that the two read in order.
// Not in the root, whose children a handler takes as they come (a tree read
// whole keeps to the same rule), nor where a section could not hold the text.
bool XmlReader::followsCData(const XmlNode& node) const {
    if (&node == m_top)
        return false;
    const XmlNode* last = nullptr;
    if (&node == m_gathering && !m_pending.empty() && m_pending.back()->m_parent == &node)
        last = m_pending.back().get();
    else if (&node != m_gathering && !node.m_children.empty())
        last = node.m_children.back().get();
    return last && last->m_kind == XmlNodeKind::CData;
}

XmlReader::AfterChild XmlReader::textAfterCData(XmlNode& node, std::size_t& p, std::size_t start) {
    XmlNodePtr section = takeSpareNode(node);
    const std::size_t textEnd = readText(p, section->m_value);
    if (textEnd == npos) {
        giveBack(std::move(section));
        unclosed(node, start);
        return AfterChild::Failed;
    }
    if (section->m_value.find("]]>") != std::string::npos) {
        giveBack(std::move(section));
        return AfterChild::Next;
    }
    section->m_name.assign(XmlNode::kCDataName);
    section->m_kind = XmlNodeKind::CData;
    addChild(node, std::move(section));
    p = textEnd;
    return AfterChild::Next;
}

XmlReader::Checkpoint XmlReader::checkpoint(const XmlNode& node) const {
    return {node.m_children.size(), m_options.errorFlag, m_options.skippedPartCount};
}

// Gives back what the failed step added to the node and the error it
// recorded, and reads more. False when the whole text was read already: the
// failure stands.
bool XmlReader::retryOnMoreText(XmlNode& node, const Checkpoint& undo) {
    if (m_complete)
        return false;
    while (node.m_children.size() > undo.children)
        giveBack(node.m_children.takeBack());
    if (!undo.hadError)
        m_options.clearError();
    m_options.forgetSkippedAfter(undo.skippedParts);
    readMore(2 * m_text.size() + m_readAhead);
    return true;
}

// At least `wanted` bytes of text, unless the source ends first.
void XmlReader::readMore(std::size_t wanted) {
    while (!m_complete && m_source->text().size() < wanted)
        m_complete = !m_source->readMore();
    refreshText();
}

// Drops the finished text before `p` once there is much of it, and reads
// ahead, so that most steps find all they need. The byte before `p` stays:
// whether a character is escaped depends on it.
void XmlReader::keepWindowAhead(std::size_t& p) {
    if (!m_source)
        return;
    if (p >= 4 * m_readAhead) {
        const std::size_t done = p - 1;
        m_source->drop(done);
        m_base += done;
        p -= done;
        refreshText();
    }
    if (!m_complete && m_text.size() - p < m_readAhead)
        readMore(p + 2 * m_readAhead);
}

void XmlReader::refreshText() {
    m_text = m_source->text();
    m_scan.setText(m_text);
}

// Reads the end tag at `p` and moves `p` past its name and the byte after it.
// An end tag of another element is stray, when that is tolerated.
XmlReader::EndTag XmlReader::readEndTag(const XmlNode& node, std::size_t& p) {
    const std::string& name = node.m_name;
    // Nearly every end tag is exactly "</name>": one comparison settles it.
    if (isOwnEndTag(node, p)) {
        p += name.size() + 3;
        return EndTag::Closes;
    }
    const std::size_t nameBegin = m_scan.skipSpace(p + 2);
    const std::size_t nameEnd = m_scan.findFirstOf(XmlTextScanner::kEndTagNameEnd, nameBegin);
    if (nameEnd == npos) {
        fail(p, XmlParseError::MissingEndTag, "it must be closed with </" + name + ">");
        return EndTag::Failed;
    }
    const std::size_t tagStart = p;
    p = nameEnd + 1;
    const std::string_view endName = m_text.substr(nameBegin, nameEnd - nameBegin);
    if (endName == name)
        return EndTag::Closes;
    if (m_options.tolerateMismatchedEndTags) {
        skipped(XmlSkippedPart::Kind::EndTag, tagStart, endName, &node);
        return EndTag::Stray;
    }
    fail(nameBegin, XmlParseError::MismatchedEndTag,
         "'<" + name + "> ... </" + std::string(endName) + ">' is not wel-formed.");
    return EndTag::Failed;
}

// Whether exactly "</name>" of `node` stands at `p`.
bool XmlReader::isOwnEndTag(const XmlNode& node, std::size_t p) const {
    const std::string& name = node.m_name;
    return p < m_text.size() && m_text.size() - p > name.size() + 2 && m_text[p] == '<' &&
           m_text[p + 1] == '/' && !XmlTextScanner::isSpace(m_text[p + 2]) &&
           XmlTextScanner::sameBytes(m_text.data() + p + 2, name.data(), name.size()) &&
           m_text[p + 2 + name.size()] == '>';
}

// Where the white space from `p` ends at a tag; npos when anything else
// comes first. Such a run is the value the text rule gives, read as it is.
std::size_t XmlReader::indentEnd(std::size_t p) const {
    if (XmlTextScanner::isSpace(m_options.escapeChar))
        return npos;
    const std::size_t end = m_scan.skipSpace(p);
    return end < m_text.size() && m_text[end] == '<' ? end : npos;
}

std::size_t XmlReader::unclosed(const XmlNode& node, std::size_t start) {
    m_options.recordError(start, XmlParseError::MissingEndTag,
                          "it must be closed with </" + node.m_name + ">");
    return kFailed;
}

// Parses what starts at `childStart` (not an end tag) into a new child of
// `node`. Markup that ends no element (end tags, comments) leaves a nameless
// node, which goes back to the pool instead of into the tree.
std::size_t XmlReader::parseChild(XmlNode& node, std::size_t childStart, int depth) {
    XmlNodePtr child = takeSpareNode(node);
    const bool plainStartTag = childStart + 1 < m_text.size() &&
                               m_text[childStart + 1] != '?' && m_text[childStart + 1] != '!';
    const std::size_t next = plainStartTag ? parseStartTag(*child, childStart, depth)
                                           : parseElement(*child, childStart, depth);
    if (child->m_name.empty())
        giveBack(std::move(child));
    else
        addChild(node, std::move(child));
    return next;
}

// Children of a node that gathers them wait on the pending stack; any other
// node (the handled root, the parent of the node parsed first) takes them now.
void XmlReader::addChild(XmlNode& parent, XmlNodePtr child) {
    child->m_parent = &parent;
    if (&parent == m_gathering)
        m_pending.push_back(std::move(child));
    else
        parent.m_children.push_back(std::move(child));
}

XmlReader::PendingChildren::PendingChildren(XmlReader& reader, XmlNode* node)
    : m_reader(reader), m_node(node), m_outer(reader.m_gathering),
      m_base(reader.m_pending.size()) {
    reader.m_gathering = node;
}

// The children go into the node on every way out, an error included, so that
// a failed parse leaves the same partial tree.
XmlReader::PendingChildren::~PendingChildren() {
    auto& pending = m_reader.m_pending;
    if (m_node && pending.size() > m_base) {
        XmlChildList& children = m_node->m_children;
        m_reader.makeRoom(children, children.size() + (pending.size() - m_base));
        children.appendMoved(pending.data() + m_base, pending.data() + pending.size());
        pending.resize(m_base);
    }
    m_reader.m_gathering = m_outer;
}

// Children appended since `from` (an element, or comments the child's parse
// attached) go to the handler; those it takes are released at once.
void XmlReader::offerChildren(XmlNode& node, std::size_t from) {
    XmlNodePtr* const children = node.m_children.storage();
    std::size_t kept = from;
    for (std::size_t i = from; i < node.m_children.size(); ++i) {
        if ((*m_handler)(node, *children[i]))
            giveBack(std::move(children[i]));
        else
            children[kept++] = std::move(children[i]);
    }
    node.m_children.truncate(kept);
}

// A list filled at once takes an array of the store at its final length.
void XmlReader::makeRoom(XmlChildList& children, std::size_t count) {
    if (count <= children.capacity())
        return;
    if (count <= XmlNodeStore::kLongestStoredList)
        children.moveTo(m_store->makeChildArray(count), count, m_store.get());
    else
        children.reserve(count);
}

XmlNodePtr XmlReader::takeSpareNode(XmlNode& parent) {
    XmlNodePtr node;
    if (m_pool.empty()) {
        node.reset(m_store->make());
    } else {
        node = std::move(m_pool.back());
        m_pool.pop_back();
        node->clear();
        node->m_name.clear();
        node->m_value.clear();
    }
    node->m_kind = parent.m_kind;
    node->m_parent = &parent;
    return node;
}

void XmlReader::giveBack(XmlNodePtr node) {
    recycle(*node);
    m_pool.push_back(std::move(node));
}

std::size_t XmlReader::parseAttributes(XmlNode& node, std::size_t p, std::size_t startTag) {
    for (;;) {
        p = m_scan.skipSpace(p);
        if (p >= m_text.size()) {
            failStartTag(startTag, node);
            return kFailed;
        }
        if (m_text[p] == '>' || m_text[p] == '/')
            return p;
        const std::size_t nameEnd = m_scan.findFirstOf(XmlTextScanner::kAttributeNameEnd, p);
        if (nameEnd == npos) {
            fail(p, XmlParseError::AttributeError, "<" + node.m_name + "> attribute has error ");
            return kFailed;
        }
        XmlAttribute& attribute =
            node.addAttribute(std::string(m_text.substr(p, nameEnd - p)), std::string());
        p = m_scan.skipSpace(nameEnd);
        if (!m_scan.startsWith(p, "="))
            continue;
        p = m_scan.skipSpace(p + 1);
        const char quote = p < m_text.size() ? m_text[p] : '\0';
        const bool quoted = quote == '"' || quote == '\'';
        const std::size_t close = quoted ? m_scan.findUnescaped(quote, p + 1)
                                         : m_scan.findFirstUnescapedOf(" >", p);
        if (close == npos) {
            if (quoted)
                fail(p, XmlParseError::Unterminated,
                     "The value of " + attribute.name() + " in <" + node.m_name +
                         "> must be closed with " + quote);
            else
                failStartTag(startTag, node);
            return kFailed;
        }
        std::string value;
        applyTextRule(quoted ? p + 1 : p, close, value);
        attribute.setValue(std::move(value));
        p = quoted ? close + 1 : close;
    }
}

XmlReader::Markup XmlReader::skipMarkup(XmlNode& node, std::size_t& position) {
    // Every marker starts "<?" or "<!"; most tags are neither.
    const std::size_t first = m_scan.skipSpace(position);
    if (first + 1 < m_text.size() && m_text[first] == '<' && m_text[first + 1] != '?' &&
        m_text[first + 1] != '!')
        return Markup::None;
    struct Section {
        std::string_view open, close, nodeName, what;
        XmlNodeKind kind;
    };
    static constexpr Section kSections[] = {
        {"<?", "?>", {}, "The processing instruction", XmlNodeKind::Element},
        {"<!--", "-->", XmlNode::kCommentName, "The comment", XmlNodeKind::Comment},
        {"<![CDATA[", "]]>", XmlNode::kCDataName, "The CDATA section", XmlNodeKind::CData},
        // Before the root only; its internal subset ends at "]>".
        {"<!DOCTYPE", ">", {}, "The document type declaration", XmlNodeKind::Element},
    };
    Markup round = Markup::Skipped;
    while (round == Markup::Skipped) {
        round = Markup::None;
        for (const Section& section : kSections) {
            const std::size_t p = m_scan.skipSpace(position);
            if (!m_scan.startsWith(p, section.open))
                continue;
            const bool doctype = section.open == "<!DOCTYPE";
            if (doctype && node.m_parent)
                continue;
            std::size_t end = m_scan.findUnescaped(section.close, p + section.open.size());
            std::size_t closeLength = section.close.size();
            const std::size_t subset = doctype ? m_text.find('[', p) : npos;
            if (subset < end) {
                end = m_text.find("]>", subset);
                closeLength = 2;
            }
            if (end == npos) {
                fail(p, XmlParseError::Unterminated,
                     std::string(section.what) + " must be closed with " +
                         std::string(doctype ? std::string_view(">") : section.close));
                return Markup::Unterminated;
            }
            const std::size_t contentBegin = p + section.open.size();
            position = end + closeLength;
            round = Markup::Skipped;
            if (section.nodeName.empty() || !node.m_parent)
                skippedMarkup(p, m_text.substr(contentBegin, end - contentBegin), node.m_parent);
            // A comment or CDATA section inside an element becomes a child of
            // that element and ends this node's parse.
            if (section.nodeName.empty() || !node.m_parent)
                continue;
            XmlNodePtr child(m_store->make());
            child->m_name = section.nodeName;
            child->m_value = m_text.substr(contentBegin, end - contentBegin);
            child->m_kind = section.kind;
            addChild(*node.m_parent, std::move(child));
            return Markup::EndsElement;
        }
    }
    return Markup::None;
}

// The text from `begin` to the next tag, by the text rule; where it ends, or
// npos (with `out` untouched) when no tag follows.
std::size_t XmlReader::readText(std::size_t begin, std::string& out) const {
    const XmlTextScanner::TextRun text = m_scan.textRun(begin);
    if (text.end != npos)
        applyTextRule(begin, text, out);
    return text.end;
}

void XmlReader::applyTextRule(std::size_t begin, std::size_t end, std::string& out) const {
    const std::size_t ampersand = m_text.substr(begin, end - begin).find('&');
    applyTextRule(begin, {end, ampersand == npos ? npos : begin + ampersand}, out);
}

void XmlReader::applyTextRule(std::size_t begin, XmlTextScanner::TextRun text,
                              std::string& out) const {
    std::string_view raw = m_text.substr(begin, text.end - begin);
    if (m_options.trimValues) {
        raw = trimmed(raw);
        begin = static_cast<std::size_t>(raw.data() - m_text.data());
    }
    const bool escapes = m_options.escapeChar != 0 &&
                         raw.find(m_options.escapeChar) != std::string_view::npos;
    const bool entities =
        m_options.decodeEntities && m_options.entities && text.firstAmpersand != npos;
    if (!escapes && !entities) {
        out.assign(raw);
    } else if (!escapes) {
        decodeEntities(raw, text.firstAmpersand - begin, out);
    } else if (!entities) {
        removeEscapes(raw, out);
    } else {
        std::string unescaped;
        removeEscapes(raw, unescaped);
        decodeEntities(unescaped, unescaped.find('&'), out);
    }
}

void XmlReader::removeEscapes(std::string_view raw, std::string& out) const {
    out.clear();
    out.reserve(raw.size());
    for (std::size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] != m_options.escapeChar) {
            out += raw[i];
        } else if (i + 1 < raw.size()) {
            out += raw[++i];
        }
    }
}

// Decoded text is never longer: it is copied once and decoded in place, from
// its first '&', the run up to each next '&' moved at once.
void XmlReader::decodeEntities(std::string_view raw, std::size_t firstAmpersand,
                               std::string& out) const {
    out.assign(raw);
    char* const data = out.data();
    const char* const end = data + out.size();
    char* write = data + std::min(firstAmpersand, out.size());
    const char* read = write;
    while (const char* amp = static_cast<const char*>(
               std::memchr(read, '&', static_cast<std::size_t>(end - read)))) {
        const std::size_t run = static_cast<std::size_t>(amp - read);
        if (write != read)
            std::memmove(write, read, run);
        write += run;
        const XmlEntity* entity = entityAt(amp, static_cast<std::size_t>(end - amp));
        *write++ = entity ? entity->character : '&';
        read = amp + (entity ? entity->reference.size() : 1);
    }
    if (write != read) {
        const std::size_t rest = static_cast<std::size_t>(end - read);
        std::memmove(write, read, rest);
        out.resize(static_cast<std::size_t>(write - data) + rest);
    }
}

// The first entity of the table whose reference starts at `amp`, which has
// `available` bytes. An empty reference never matches: it would decode forever.
const XmlEntity* XmlReader::entityAt(const char* amp, std::size_t available) const {
    const XmlEntityTable& table = *m_options.entities;
    if (available >= sizeof(std::uint64_t) && &table == m_keyedTable) {
        std::uint64_t text;
        std::memcpy(&text, amp, sizeof text);
        for (std::size_t i = 0; i < table.size(); ++i) {
            const EntityKey& key = m_entityKeys[i];
            if (key.mask != 0 ? (text & key.mask) == key.word
                              : table[i].reference.size() > sizeof text &&
                                    matches(table[i].reference, amp, available))
                return &table[i];
        }
        return nullptr;
    }
    for (const XmlEntity& entity : *m_options.entities) {
        if (matches(entity.reference, amp, available))
            return &entity;
    }
    return nullptr;
}

bool XmlReader::matches(std::string_view reference, const char* amp, std::size_t available) {
    // One byte rules out most references before a whole comparison.
    return !reference.empty() && reference.size() <= available &&
           (reference.size() < 2 || amp[1] == reference[1]) &&
           std::memcmp(amp, reference.data(), reference.size()) == 0;
}

void XmlReader::skipped(XmlSkippedPart::Kind kind, std::size_t position, std::string_view name,
                        const XmlNode* open) {
    m_options.recordSkipped(
        {kind, m_base + position, std::string(name), open ? open->m_name : std::string()});
}

// Text from `begin` to `end` that no node takes, when it is more than white space.
void XmlReader::skippedText(std::size_t begin, std::size_t end, const XmlNode* open) {
    const std::size_t first = m_scan.skipSpace(begin);
    if (first < std::min(end, m_text.size()))
        skipped(XmlSkippedPart::Kind::Text, first, {}, open);
}

// Markup at `position` the tree has no node for: a processing instruction
// (but the XML declaration), a document type declaration, or a CDATA section
// outside the root element. A comment there is not recorded: it is the
// header that a save writes anew.
void XmlReader::skippedMarkup(std::size_t position, std::string_view content,
                              const XmlNode* open) {
    using Kind = XmlSkippedPart::Kind;
    if (m_scan.startsWith(position, "<?")) {
        const std::string_view target = content.substr(0, content.find_first_of(" \t\r\n"));
        if (target != "xml")
            skipped(Kind::ProcessingInstruction, position, target, open);
    } else if (!m_scan.startsWith(position, "<!--")) {
        skipped(m_scan.startsWith(position, "<![") ? Kind::Text : Kind::DocumentType, position, {},
                open);
    }
}

void XmlReader::fail(std::size_t position, XmlParseError code, std::string message) {
    m_options.recordError(m_base + position, code, std::move(message));
}

void XmlReader::failStartTag(std::size_t startTag, const XmlNode& node) {
    fail(startTag, XmlParseError::Unterminated,
         "The start tag <" + node.m_name + " must be closed with >");
}
