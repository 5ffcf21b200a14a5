#include "xml/XmlReader.h"

#include "xml/XmlNode.h"

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

XmlReader::XmlReader(std::string_view text, XmlParseOptions& options)
    : m_text(text), m_options(options), m_scan(text, options) {}

std::optional<std::size_t> XmlReader::parse(XmlNode& node, std::size_t position, int depth) {
    m_top = &node;
    return parseElement(node, position, depth);
}

std::optional<std::size_t> XmlReader::parse(XmlNode& node, std::size_t position,
                                            const ChildHandler& handler) {
    m_handler = &handler;
    m_handledNode = &node;
    m_top = &node;
    const std::optional<std::size_t> end = parseElement(node, position, 1);
    m_handler = nullptr;
    m_handledNode = nullptr;
    return end;
}

void XmlReader::recycle(XmlNode& node) {
    std::size_t next = m_pool.size();
    for (auto& child : node.m_children)
        m_pool.push_back(std::move(child));
    node.m_children.clear();
    // Indices, not iterators: the pool grows while it is walked.
    for (; next < m_pool.size(); ++next) {
        XmlNode& pooled = *m_pool[next];
        for (auto& child : pooled.m_children)
            m_pool.push_back(std::move(child));
        pooled.m_children.clear();
        pooled.m_attributes.clear();
    }
}

std::optional<std::size_t> XmlReader::parseElement(XmlNode& node, std::size_t position,
                                                   int depth) {
    node.clear();
    std::size_t p = m_text.find('<', position);
    if (p == npos)
        return std::nullopt;
    if (m_scan.startsWith(p, "</"))
        return p;

    switch (skipMarkup(node, p)) {
    case Markup::EndsElement:
        return p;
    case Markup::Unterminated:
        return std::nullopt;
    default:
        break;
    }
    // Anything between skipped markup and the next tag is not part of an element.
    p = m_text.find('<', p);
    if (p == npos)
        return std::nullopt;
    if (m_scan.startsWith(p, "</"))
        return p;

    const std::size_t startTag = p;
    if (&node == m_top)
        m_rootPosition = startTag;
    const std::size_t nameEnd = m_scan.findFirstOf(XmlTextScanner::kNameEnd, p + 1);
    node.m_name.assign(m_text.substr(p + 1, nameEnd == npos ? npos : nameEnd - p - 1));
    if (nameEnd == npos) {
        failStartTag(startTag, node);
        return std::nullopt;
    }
    if (depth > XmlParseOptions::kMaxDepth) {
        fail(p, XmlParseError::NestedTooDeeply, "<" + node.m_name + "> is nested too deeply.");
        return std::nullopt;
    }

    const std::optional<std::size_t> afterAttributes = parseAttributes(node, nameEnd, startTag);
    if (!afterAttributes)
        return std::nullopt;
    p = *afterAttributes;
    if (m_text[p] == '/') {
        if (m_scan.startsWith(p + 1, ">"))
            return p + 2;
        fail(p, XmlParseError::ElementNotClosed, "Element must be closed.");
        return std::nullopt;
    }

    const std::size_t textEnd = m_scan.findUnescaped('<', p + 1);
    if (textEnd == npos) {
        fail(startTag, XmlParseError::MissingEndTag,
             node.m_name + " must be closed with </" + node.m_name + ">");
        return std::nullopt;
    }
    applyTextRule(p + 1, textEnd, node.m_value);
    return parseChildren(node, textEnd, depth, startTag);
}

// Every element must be closed: running out of input inside one names the
// innermost element still open, where it starts.
std::optional<std::size_t> XmlReader::parseChildren(XmlNode& node, std::size_t p, int depth,
                                                    std::size_t startTag) {
    const auto unclosed = [&] {
        fail(startTag, XmlParseError::MissingEndTag, "it must be closed with </" + node.m_name + ">");
        return std::nullopt;
    };
    for (;;) {
        const std::size_t childStart = m_text.find('<', p);
        if (childStart == npos)
            return unclosed();
        // End tags and comments leave a nameless placeholder; it is reused for
        // the next child instead of being allocated again.
        const std::size_t before = node.m_children.size();
        std::unique_ptr<XmlNode> child = takeSpareNode(node);
        const std::optional<std::size_t> next = parseElement(*child, childStart, depth + 1);
        if (!child->m_name.empty()) {
            if (node.m_children.empty())
                node.m_children.reserve(4);
            node.m_children.push_back(std::move(child));
        } else
            giveBack(std::move(child));
        if (!next)
            return m_options.errorFlag ? std::nullopt : unclosed();
        if (&node == m_handledNode)
            offerChildren(node, before);
        p = *next;

        if (m_scan.startsWith(p, "</")) {
            const std::size_t nameBegin = m_scan.skipSpace(p + 2);
            const std::size_t nameEnd = m_scan.findFirstOf(XmlTextScanner::kEndTagNameEnd, nameBegin);
            if (nameEnd == npos) {
                fail(p, XmlParseError::MissingEndTag,
                     "it must be closed with </" + node.m_name + ">");
                return std::nullopt;
            }
            p = nameEnd + 1;
            const std::string_view endName = m_text.substr(nameBegin, nameEnd - nameBegin);
            if (endName == node.m_name)
                return p;
            if (!m_options.tolerateMismatchedEndTags) {
                fail(nameBegin, XmlParseError::MismatchedEndTag,
                     "'<" + node.m_name + "> ... </" + std::string(endName) +
                         ">' is not wel-formed.");
                return std::nullopt;
            }
        } else if (p < m_text.size() && m_text[p] != '<' && isBlank(node.m_value)) {
            const std::size_t textEnd = m_scan.findUnescaped('<', p);
            if (textEnd == npos)
                return unclosed();
            applyTextRule(p, textEnd, node.m_value);
            p = textEnd;
        }
    }
}

// Children appended since `from` (an element, or comments the child's parse
// attached) go to the handler; those it takes are released at once.
void XmlReader::offerChildren(XmlNode& node, std::size_t from) {
    std::size_t kept = from;
    for (std::size_t i = from; i < node.m_children.size(); ++i) {
        if ((*m_handler)(node, *node.m_children[i]))
            giveBack(std::move(node.m_children[i]));
        else
            node.m_children[kept++] = std::move(node.m_children[i]);
    }
    node.m_children.resize(kept);
}

std::unique_ptr<XmlNode> XmlReader::takeSpareNode(XmlNode& parent) {
    std::unique_ptr<XmlNode> node;
    if (m_pool.empty()) {
        node = std::make_unique<XmlNode>();
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

void XmlReader::giveBack(std::unique_ptr<XmlNode> node) {
    recycle(*node);
    m_pool.push_back(std::move(node));
}

std::optional<std::size_t> XmlReader::parseAttributes(XmlNode& node, std::size_t p,
                                                      std::size_t startTag) {
    for (;;) {
        p = m_scan.skipSpace(p);
        if (p >= m_text.size()) {
            failStartTag(startTag, node);
            return std::nullopt;
        }
        if (m_text[p] == '>' || m_text[p] == '/')
            return p;
        const std::size_t nameEnd = m_scan.findFirstOf(XmlTextScanner::kAttributeNameEnd, p);
        if (nameEnd == npos) {
            fail(p, XmlParseError::AttributeError, "<" + node.m_name + "> attribute has error ");
            return std::nullopt;
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
            return std::nullopt;
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
            // A comment or CDATA section inside an element becomes a child of
            // that element and ends this node's parse.
            if (section.nodeName.empty() || !node.m_parent)
                continue;
            node.m_parent->appendChild(std::make_unique<XmlNode>(
                std::string(section.nodeName),
                std::string(m_text.substr(contentBegin, end - contentBegin)), section.kind));
            return Markup::EndsElement;
        }
    }
    return Markup::None;
}

void XmlReader::applyTextRule(std::size_t begin, std::size_t end, std::string& out) const {
    std::string_view raw = m_text.substr(begin, end - begin);
    if (m_options.trimValues)
        raw = trimmed(raw);
    const bool escapes = m_options.escapeChar != 0 &&
                         raw.find(m_options.escapeChar) != std::string_view::npos;
    const bool entities = m_options.decodeEntities && m_options.entities &&
                          raw.find('&') != std::string_view::npos;
    if (!escapes && !entities) {
        out.assign(raw);
    } else if (!escapes) {
        decodeEntities(raw, out);
    } else if (!entities) {
        removeEscapes(raw, out);
    } else {
        std::string unescaped;
        removeEscapes(raw, unescaped);
        decodeEntities(unescaped, out);
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

void XmlReader::decodeEntities(std::string_view raw, std::string& out) const {
    out.clear();
    out.reserve(raw.size());
    std::size_t i = 0;
    while (i < raw.size()) {
        const std::size_t amp = raw.find('&', i);
        if (amp == std::string_view::npos) {
            out.append(raw.substr(i));
            break;
        }
        out.append(raw.substr(i, amp - i));
        i = amp + 1;
        char decoded = '&';
        for (const XmlEntity& entity : *m_options.entities) {
            if (raw.substr(amp).starts_with(entity.reference)) {
                decoded = entity.character;
                i = amp + entity.reference.size();
                break;
            }
        }
        out += decoded;
    }
}

void XmlReader::fail(std::size_t position, XmlParseError code, std::string message) {
    m_options.recordError(position, code, std::move(message));
}

void XmlReader::failStartTag(std::size_t startTag, const XmlNode& node) {
    fail(startTag, XmlParseError::Unterminated,
         "The start tag <" + node.m_name + " must be closed with >");
}
