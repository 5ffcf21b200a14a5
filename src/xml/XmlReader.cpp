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
    return parseElement(node, position, depth);
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

    const std::size_t nameEnd = m_scan.findFirstOf(XmlTextScanner::kNameEnd, p + 1);
    if (nameEnd == npos)
        return std::nullopt;
    node.m_name.assign(m_text.substr(p + 1, nameEnd - p - 1));
    if (depth > XmlParseOptions::kMaxDepth) {
        fail(p, XmlParseError::NestedTooDeeply, "<" + node.m_name + "> is nested too deeply.");
        return std::nullopt;
    }

    const std::optional<std::size_t> afterAttributes = parseAttributes(node, nameEnd);
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
        fail(p, XmlParseError::MissingEndTag,
             node.m_name + " must be closed with </" + node.m_name + ">");
        return std::nullopt;
    }
    applyTextRule(p + 1, textEnd, node.m_value);
    return parseChildren(node, textEnd, depth);
}

std::optional<std::size_t> XmlReader::parseChildren(XmlNode& node, std::size_t p, int depth) {
    while (p < m_text.size()) {
        // End tags and comments leave a nameless placeholder; it is reused for
        // the next child instead of being allocated again.
        std::unique_ptr<XmlNode> child = takeSpareNode(node);
        const std::optional<std::size_t> next = parseElement(*child, p, depth + 1);
        if (!child->m_name.empty()) {
            if (node.m_children.empty())
                node.m_children.reserve(4);
            node.m_children.push_back(std::move(child));
        } else
            giveBack(std::move(child));
        if (!next)
            return std::nullopt;
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
            if (textEnd == npos) {
                fail(p, XmlParseError::MissingEndTag,
                     "it must be closed with </" + node.m_name + ">");
                return std::nullopt;
            }
            applyTextRule(p, textEnd, node.m_value);
            p = textEnd;
        }
    }
    return p;
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

XmlNode& XmlReader::appendChild(XmlNode& parent) {
    return parent.appendChild(takeSpareNode(parent));
}

void XmlReader::giveBack(std::unique_ptr<XmlNode> node) {
    recycle(*node);
    m_pool.push_back(std::move(node));
}

std::optional<std::size_t> XmlReader::parseAttributes(XmlNode& node, std::size_t p) {
    for (;;) {
        if (p >= m_text.size())
            return std::nullopt;
        p = m_scan.skipSpace(p);
        if (p < m_text.size() && (m_text[p] == '>' || m_text[p] == '/'))
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
        if (p >= m_text.size())
            return std::nullopt;
        const char quote = m_text[p];
        if (quote == '"' || quote == '\'') {
            const std::size_t close = m_scan.findUnescaped(quote, p + 1);
            if (close == npos)
                return std::nullopt;
            std::string value;
            applyTextRule(p + 1, close, value);
            attribute.setValue(std::move(value));
            p = close + 1;
        } else {
            const std::size_t close = m_scan.findFirstUnescapedOf(" >", p);
            if (close == npos)
                return std::nullopt;
            std::string value;
            applyTextRule(p, close, value);
            attribute.setValue(std::move(value));
            p = close;
        }
    }
}

XmlReader::Markup XmlReader::skipMarkup(XmlNode& node, std::size_t& position) {
    // Every marker starts "<?" or "<!"; most tags are neither.
    const std::size_t first = m_scan.skipSpace(position);
    if (first + 1 < m_text.size() && m_text[first] == '<' && m_text[first + 1] != '?' &&
        m_text[first + 1] != '!')
        return Markup::None;
    Markup round = Markup::Skipped;
    while (round == Markup::Skipped) {
        round = Markup::None;
        std::size_t p = m_scan.skipSpace(position);
        if (m_scan.startsWith(p, "<?")) {
            const std::size_t end = m_scan.findUnescaped("?>", p + 2);
            if (end == npos)
                return Markup::Unterminated;
            position = end + 2;
            round = Markup::Skipped;
        }
        for (const auto& [open, close, name, kind] :
             {std::tuple{std::string_view("<!--"), std::string_view("-->"),
                         XmlNode::kCommentName, XmlNodeKind::Comment},
              std::tuple{std::string_view("<![CDATA["), std::string_view("]]>"),
                         XmlNode::kCDataName, XmlNodeKind::CData}}) {
            const Markup section = skipSection(node, position, open, close, name, kind);
            if (section == Markup::EndsElement || section == Markup::Unterminated)
                return section;
            if (section == Markup::Skipped)
                round = Markup::Skipped;
        }
    }
    return Markup::None;
}

// A comment or CDATA section becomes a child of the parent (ending this
// node's parse), or is skipped when there is no parent.
XmlReader::Markup XmlReader::skipSection(XmlNode& node, std::size_t& position,
                                         std::string_view open, std::string_view close,
                                         std::string_view nodeName, XmlNodeKind kind) {
    const std::size_t p = m_scan.skipSpace(position);
    if (!m_scan.startsWith(p, open))
        return Markup::None;
    const std::size_t contentBegin = p + open.size();
    const std::size_t end = m_scan.findUnescaped(close, contentBegin);
    if (end == npos)
        return Markup::Unterminated;
    position = end + close.size();
    if (!node.m_parent)
        return Markup::Skipped;
    node.m_parent->appendChild(std::make_unique<XmlNode>(
        std::string(nodeName), std::string(m_text.substr(contentBegin, end - contentBegin)),
        kind));
    return Markup::EndsElement;
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
