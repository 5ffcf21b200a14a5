#include "model/ElementReader.h"

#include "model/BlockText.h"
#include "model/FieldValue.h"
#include "model/NotKeptReport.h"
#include "model/ResultsElement.h"
#include "model/TextBlock.h"
#include "model/TextForms.h"
#include "xml/XmlTextScanner.h"

#include <algorithm>

namespace {

constexpr std::string_view kDelete = "delete";
constexpr std::string_view kTextblock = "textblock";

bool isBlankChar(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Asked for every element read: a loop beats find_first_not_of, which
// searches the set again for every byte.
bool isBlank(std::string_view text) { return std::all_of(text.begin(), text.end(), isBlankChar); }

std::string_view nameInPath(const XmlNode& node) {
    switch (node.kind()) {
    case XmlNodeKind::Comment:
        return "comment()";
    case XmlNodeKind::CData:
        return "text()";
    default:
        return node.name();
    }
}

} // namespace

// Every field compares its name with a child's: names are a few words long,
// compared a word at a time.
bool ElementReader::isNamed(std::size_t index, std::string_view name) const {
    const std::string& childName = child(index).name();
    return childName.size() == name.size() &&
           XmlTextScanner::sameBytes(childName.data(), name.data(), name.size());
}

ElementReader::ElementReader(const XmlNode& element, Context& context)
    : m_element(element), m_children(element.children().data()),
      m_childCount(element.children().size()), m_context(context),
      m_base(context.m_taken.size()) {
    // Children first, then attributes.
    m_context.m_taken.resize(m_base + childCount() + element.attributes().size(), 0);
}

ElementReader::~ElementReader() { m_context.m_taken.resize(m_base); }

// Fields are read in the order a saved file holds their elements, so the
// first child not yet taken is tried before the rest are searched. Every
// child before it is taken, by a field of another name (the results holders
// take only names that no field has), so no search looks there.
const XmlNode* ElementReader::take(std::string_view name) {
    const std::size_t first = firstOpen();
    for (std::size_t i = first, n = childCount(); i < n; ++i) {
        if (isNamed(i, name)) {
            takeChild(i);
            if (i == first)
                ++m_next;
            return &child(i);
        }
    }
    return nullptr;
}

std::size_t ElementReader::takeAll(std::string_view name) {
    std::vector<std::size_t>& matches = m_context.m_matches;
    const std::size_t first = matches.size();
    for (std::size_t i = firstOpen(); i < m_childCount; ++i) {
        if (isNamed(i, name)) {
            takeChild(i);
            matches.push_back(i);
        }
    }
    return first;
}

std::size_t ElementReader::firstOpen() {
    const std::uint8_t* const taken = m_context.m_taken.data() + m_base;
    while (m_next < m_childCount && taken[m_next])
        ++m_next;
    return m_next;
}

const std::string* ElementReader::takeAttribute(const XmlNode& element, std::string_view name) {
    const std::string* value = element.attributeValue(name);
    if (value && &element == &m_element) {
        const auto& attributes = element.attributes();
        for (std::size_t i = 0; i < attributes.size(); ++i) {
            if (&attributes[i].value() == value)
                m_context.m_taken[m_base + childCount() + i] = 1;
        }
    }
    return value;
}

void ElementReader::attribute(std::string_view name, std::string& value) {
    if (const std::string* found = takeAttribute(m_element, name))
        value = *found;
}

bool ElementReader::deleteFlag() {
    const std::string* value = takeAttribute(m_element, kDelete);
    return value && booleanFromText(*value);
}

void ElementReader::text(std::string_view name, std::string& text) {
    if (const XmlNode* leaf = take(name))
        text.assign(leafText(*leaf, {}));
}

void ElementReader::field(std::string_view name, FieldValue& field) {
    if (const XmlNode* leaf = take(name))
        field.setFromXml(leafText(*leaf, kDelete), leaf->attributeValue(kDelete));
}

void ElementReader::blockText(std::string_view name, BlockText& block) {
    if (const XmlNode* element = take(name)) {
        if (const XmlNode* textblock = blockOf(*element, {}))
            block.readFromXml(leafText(*textblock, {}));
    }
}

void ElementReader::textBlock(std::string_view name, TextBlock& block) {
    if (const XmlNode* element = take(name)) {
        if (const XmlNode* textblock = blockOf(*element, kDelete))
            block.block().readFromXml(leafText(*textblock, {}));
        const std::string* flag = element->attributeValue(kDelete);
        block.setDeleteFlag(flag && booleanFromText(*flag));
    }
}

void ElementReader::textList(std::string_view name, std::vector<std::string>& list) {
    list.clear();
    const std::size_t first = takeAll(name);
    std::vector<std::size_t>& matches = m_context.m_matches;
    list.reserve(matches.size() - first);
    for (std::size_t k = first; k < matches.size(); ++k)
        list.emplace_back(leafText(child(matches[k]), {}));
    matches.resize(first);
}

void ElementReader::fieldList(std::string_view name, std::vector<FieldValue>& list) {
    list.clear();
    const std::size_t first = takeAll(name);
    std::vector<std::size_t>& matches = m_context.m_matches;
    list.reserve(matches.size() - first);
    for (std::size_t k = first; k < matches.size(); ++k) {
        const XmlNode& leaf = child(matches[k]);
        list.emplace_back().setFromXml(leafText(leaf, kDelete), leaf.attributeValue(kDelete));
    }
    matches.resize(first);
}

// The holder keeps the last qualifying child it can give back on saving;
// every other qualifying child is left to the report. A taken child cannot
// qualify: no field's name holds "result", and the two kinds of holder
// exclude each other.
void ElementReader::results(ResultsElement& holder) {
    std::size_t kept = childCount();
    for (std::size_t i = firstOpen(), n = childCount(); i < n; ++i) {
        if (m_context.m_taken[m_base + i])
            continue;
        if (holder.qualifies(child(i).name()) && holder.copyFrom(child(i)))
            kept = i;
    }
    if (kept < childCount() && holder.node().childCount() > 0)
        takeChild(kept);
}

// The "textblock" child of a block element; the rest of the element is reported.
const XmlNode* ElementReader::blockOf(const XmlNode& element, std::string_view keptAttribute) {
    const XmlNode* textblock = element.findChild(kTextblock);
    reportRest(element, textblock, keptAttribute);
    return textblock;
}

// A leaf's text is its value, or the CDATA sections it holds (after a
// non-blank value, if any).
std::string_view ElementReader::leafText(const XmlNode& leaf, std::string_view keptAttribute) {
    if (!leaf.attributes().empty() || !leaf.children().empty())
        reportRest(leaf, nullptr, keptAttribute);
    if (leaf.children().empty())
        return leaf.value();
    m_scratch.clear();
    bool cdata = false;
    for (const auto& part : leaf.children()) {
        if (part->kind() == XmlNodeKind::CData) {
            if (!cdata && !isBlank(leaf.value()))
                m_scratch = leaf.value();
            m_scratch += part->value();
            cdata = true;
        }
    }
    return cdata ? std::string_view(m_scratch) : std::string_view(leaf.value());
}

// Reports what a leaf or block element holds beyond its text or its kept
// child (a leaf's CDATA sections are its text), and its attributes but one.
void ElementReader::reportRest(const XmlNode& element, const XmlNode* keptChild,
                               std::string_view keptAttribute) {
    if (!m_context.m_report)
        return;
    const auto kept = [&](const XmlNode& part) {
        return &part == keptChild || (!keptChild && part.kind() == XmlNodeKind::CData);
    };
    const auto& parts = element.children();
    const auto& attributes = element.attributes();
    if (std::all_of(parts.begin(), parts.end(), [&](const auto& part) { return kept(*part); }) &&
        std::all_of(attributes.begin(), attributes.end(),
                    [&](const XmlAttribute& attribute) { return attribute.name() == keptAttribute; }))
        return;
    m_context.m_path.push_back(element.name());
    for (const auto& part : parts) {
        if (!kept(*part))
            report({}, nameInPath(*part));
    }
    for (const XmlAttribute& attribute : attributes) {
        if (attribute.name() != keptAttribute)
            report("@", attribute.name());
    }
    m_context.m_path.pop_back();
}

void ElementReader::finish() {
    if (m_finished || !m_context.m_report)
        return;
    m_finished = true;
    for (std::size_t i = 0, n = childCount(); i < n; ++i) {
        if (m_context.m_taken[m_base + i])
            continue;
        report({}, nameInPath(child(i)));
    }
    const auto& attributes = m_element.attributes();
    for (std::size_t i = 0; i < attributes.size(); ++i) {
        if (!m_context.m_taken[m_base + childCount() + i])
            report("@", attributes[i].name());
    }
    if (!isBlank(m_element.value()))
        report({}, "text()");
}

void ElementReader::report(std::string_view prefix, std::string_view name) {
    std::string path;
    for (std::string_view part : m_context.m_path)
        path.append(part) += '/';
    path.append(prefix).append(name);
    m_context.m_report->add(std::move(path));
}
