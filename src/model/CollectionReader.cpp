#include "model/CollectionReader.h"

#include "model/StudyCollection.h"
#include "xml/XmlNode.h"
#include "xml/XmlParseOptions.h"

#include <utility>

CollectionReader::CollectionReader(std::string_view text, XmlParseOptions& options)
    : m_text(text), m_options(options), m_scan(text, options), m_reader(text, options) {}

bool CollectionReader::read(OwningList<StudyRecord>& records) {
    std::size_t p = m_text.find('<');
    if (p == npos)
        return false;
    if (m_scan.startsWith(p, "</"))
        return true; // a nameless root holds no records
    if (skipMarkup(p) == Markup::Unterminated)
        return false;
    p = m_text.find('<', p);
    if (p == npos)
        return false;
    if (m_scan.startsWith(p, "</"))
        return true;

    const std::size_t nameEnd = m_scan.findFirstOf(XmlTextScanner::kNameEnd, p + 1);
    if (nameEnd == npos)
        return false;
    m_rootName.assign(m_text.substr(p + 1, nameEnd - p - 1));
    if (StudyCollection::isClinicalStudyRoot(m_rootName))
        return readWholeStudy(records);

    const std::optional<std::size_t> afterAttributes = scanAttributes(nameEnd);
    if (!afterAttributes)
        return false;
    p = *afterAttributes;
    if (m_text[p] == '/') {
        if (m_scan.startsWith(p + 1, ">"))
            return true;
        fail(p, 1, "Element must be closed.");
        return false;
    }
    const std::size_t textEnd = m_scan.findUnescaped('<', p + 1);
    if (textEnd == npos) {
        fail(p, 2, m_rootName + " must be closed with </" + m_rootName + ">");
        return false;
    }
    return readChildren(textEnd, blankAfterTextRule(p + 1, textEnd), records);
}

// A single protocol is small: it is parsed as one tree.
bool CollectionReader::readWholeStudy(OwningList<StudyRecord>& records) {
    XmlNode root;
    if (!root.parseFromText(m_text, 0, m_options))
        return false;
    appendNew(records).readFromClinicalStudy(&root);
    return true;
}

bool CollectionReader::readChildren(std::size_t p, bool valueBlank,
                                    OwningList<StudyRecord>& records) {
    XmlNode parent;
    while (p < m_text.size()) {
        XmlNode& child = m_reader.appendChild(parent);
        if (!parseChild(child, p))
            return false;
        if (child.name() == "clinical_study")
            appendNew(records).readFromClinicalStudy(&child);
        m_reader.recycle(parent);

        if (m_scan.startsWith(p, "</")) {
            const std::size_t nameBegin = m_scan.skipSpace(p + 2);
            const std::size_t nameEnd =
                m_scan.findFirstOf(XmlTextScanner::kEndTagNameEnd, nameBegin);
            if (nameEnd == npos) {
                fail(p, 2, "it must be closed with </" + m_rootName + ">");
                return false;
            }
            p = nameEnd + 1;
            const std::string_view endName = m_text.substr(nameBegin, nameEnd - nameBegin);
            if (endName == m_rootName)
                return true;
            if (!m_options.tolerateMismatchedEndTags) {
                fail(nameBegin, 3,
                     "'<" + m_rootName + "> ... </" + std::string(endName) +
                         ">' is not wel-formed.");
                return false;
            }
        } else if (p < m_text.size() && m_text[p] != '<' && valueBlank) {
            const std::size_t textEnd = m_scan.findUnescaped('<', p);
            if (textEnd == npos) {
                fail(p, 2, "it must be closed with </" + m_rootName + ">");
                return false;
            }
            valueBlank = blankAfterTextRule(p, textEnd);
            p = textEnd;
        }
    }
    return true;
}

// Parses one child of the collection element with the XML reader, at the
// depth it has in the whole document, so that the nesting limit falls where
// parsing the whole text would put it.
bool CollectionReader::parseChild(XmlNode& child, std::size_t& position) {
    const std::optional<std::size_t> next = m_reader.parse(child, position, 2);
    if (!next)
        return false;
    position = *next;
    return true;
}

std::optional<std::size_t> CollectionReader::scanAttributes(std::size_t p) {
    for (;;) {
        if (p >= m_text.size())
            return std::nullopt;
        p = m_scan.skipSpace(p);
        if (p < m_text.size() && (m_text[p] == '>' || m_text[p] == '/'))
            return p;
        const std::size_t nameEnd = m_scan.findFirstOf(XmlTextScanner::kAttributeNameEnd, p);
        if (nameEnd == npos) {
            fail(p, 4, "<" + m_rootName + "> attribute has error ");
            return std::nullopt;
        }
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
            p = close + 1;
        } else {
            const std::size_t close = m_scan.findFirstUnescapedOf(" >", p);
            if (close == npos)
                return std::nullopt;
            p = close;
        }
    }
}

// Declarations, comments and CDATA sections before the root are skipped.
CollectionReader::Markup CollectionReader::skipMarkup(std::size_t& position) const {
    static constexpr std::pair<std::string_view, std::string_view> kSections[] = {
        {"<!--", "-->"}, {"<![CDATA[", "]]>"}};
    Markup round = Markup::Skipped;
    while (round == Markup::Skipped) {
        round = Markup::None;
        const std::size_t p = m_scan.skipSpace(position);
        if (m_scan.startsWith(p, "<?")) {
            const std::size_t end = m_scan.findUnescaped("?>", p + 2);
            if (end == npos)
                return Markup::Unterminated;
            position = end + 2;
            round = Markup::Skipped;
        }
        for (const auto& [open, close] : kSections) {
            const std::size_t q = m_scan.skipSpace(position);
            if (!m_scan.startsWith(q, open))
                continue;
            const std::size_t end = m_scan.findUnescaped(close, q + open.size());
            if (end == npos)
                return Markup::Unterminated;
            position = end + close.size();
            round = Markup::Skipped;
        }
    }
    return Markup::None;
}

// Whether the element text would be blank after the reader's text rule.
// Entity decoding never turns a non-blank text blank; removing escape
// characters can.
bool CollectionReader::blankAfterTextRule(std::size_t begin, std::size_t end) const {
    const char escape = m_options.escapeChar;
    for (std::size_t i = begin; i < end; ++i) {
        char c = m_text[i];
        if (escape != 0 && c == escape) {
            if (i + 1 >= end)
                continue;
            c = m_text[++i];
        }
        if (!XmlTextScanner::isSpace(c))
            return false;
    }
    return true;
}

void CollectionReader::fail(std::size_t position, int code, std::string message) {
    m_options.recordError(position, static_cast<XmlParseError>(code), std::move(message));
}
