#pragma once

#include "model/OwningList.h"
#include "xml/XmlNode.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class BlockText;
class FieldValue;
class NotKeptReport;
class ResultsElement;
class TextBlock;

// Reads a record's fields from its element by the model's rules: each field
// looks up its child by exact name, first match wins, a missing child leaves
// the field as it was, lists take every child of their name in document
// order. Whatever no field takes (another element, a second occurrence, an
// attribute, text between elements) is added to the load's report. The
// fields of a record have distinct names.
class ElementReader {
public:
    // What the readers of one load share.
    class Context {
    public:
        explicit Context(NotKeptReport* report = nullptr) : m_report(report) {}

    private:
        friend class ElementReader;
        NotKeptReport* m_report;
        // Names of the elements being read, outermost first, as the file has them.
        std::vector<std::string_view> m_path;
        // Which children and attributes the open readers have taken, as a stack.
        std::vector<std::uint8_t> m_taken;
        // The children a list takes, as a stack: lists within lists add above.
        std::vector<std::size_t> m_matches;
    };

    ElementReader(const XmlNode& element, Context& context);
    ~ElementReader();
    ElementReader(const ElementReader&) = delete;
    ElementReader& operator=(const ElementReader&) = delete;

    // Fills `record` from `element` through its field list, reading the
    // "delete" attribute when the record carries a flag, and reports the rest.
    template <class Record>
    static void read(Record& record, const XmlNode& element, Context& context);

    void text(std::string_view name, std::string& text);
    void field(std::string_view name, FieldValue& field);
    void blockText(std::string_view name, BlockText& block);
    void textBlock(std::string_view name, TextBlock& block);
    void textList(std::string_view name, std::vector<std::string>& list);
    void fieldList(std::string_view name, std::vector<FieldValue>& list);
    void results(ResultsElement& holder);
    template <class Record> void record(std::string_view name, Record& record);
    template <class Record> void list(std::string_view name, OwningList<Record>& list);
    // Elements written only when they hold a value read like the others.
    void optionalText(std::string_view name, std::string& value) { text(name, value); }
    void optionalField(std::string_view name, FieldValue& value) { field(name, value); }
    void optionalBlockText(std::string_view name, BlockText& block) { blockText(name, block); }
    template <class Record> void optionalRecord(std::string_view name, Record& value) {
        record(name, value);
    }
    // An attribute of the element itself, as written.
    void attribute(std::string_view name, std::string& value);

    // Whether the element's own "delete" attribute says true.
    bool deleteFlag();
    // Reports what no field took; called once, after the fields.
    void finish();

private:
    const XmlNode* take(std::string_view name);
    std::size_t firstOpen();
    // Takes every child named `name` and adds their indices, in document
    // order, to the context's matches; returns where they start there.
    std::size_t takeAll(std::string_view name);
    void takeChild(std::size_t index) { m_context.m_taken[m_base + index] = 1; }
    const std::string* takeAttribute(const XmlNode& element, std::string_view name);
    std::size_t childCount() const { return m_childCount; }
    const XmlNode& child(std::size_t index) const { return *m_children[index]; }
    bool isNamed(std::size_t index, std::string_view name) const;

    // The text of a leaf element (CDATA sections count as its text); its
    // other content is reported.
    std::string_view leafText(const XmlNode& leaf, std::string_view keptAttribute);
    const XmlNode* blockOf(const XmlNode& element, std::string_view keptAttribute);
    void reportRest(const XmlNode& element, const XmlNode* keptChild,
                    std::string_view keptAttribute);
    void report(std::string_view below, std::string_view name);

    const XmlNode& m_element;
    // The element's children, held here: every field asks for them.
    const XmlNodePtr* m_children;
    std::size_t m_childCount;
    Context& m_context;
    std::size_t m_base;
    // Where the search for the next field's child starts; see take().
    std::size_t m_next = 0;
    bool m_finished = false;
    std::string m_scratch;
};

template <class Record>
void ElementReader::read(Record& record, const XmlNode& element, Context& context) {
    context.m_path.push_back(element.name());
    ElementReader reader(element, context);
    if constexpr (requires { Record::attributes(record, reader); })
        Record::attributes(record, reader);
    Record::fields(record, reader);
    if constexpr (requires { record.deleteFlag = true; })
        record.deleteFlag = reader.deleteFlag();
    reader.finish();
    context.m_path.pop_back();
}

template <class Record> void ElementReader::record(std::string_view name, Record& record) {
    if (const XmlNode* element = take(name))
        read(record, *element, m_context);
}

template <class Record>
void ElementReader::list(std::string_view name, OwningList<Record>& list) {
    list.clear();
    const std::size_t first = takeAll(name);
    std::vector<std::size_t>& matches = m_context.m_matches;
    list.reserve(matches.size() - first);
    for (std::size_t k = first; k < matches.size(); ++k)
        read(appendNew(list), child(matches[k]), m_context);
    matches.resize(first);
}
