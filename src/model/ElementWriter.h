#pragma once

#include "model/ElementSink.h"
#include "model/OwningList.h"

#include <string>
#include <string_view>
#include <vector>

class BlockText;
class FieldValue;
class ResultsElement;
class TextBlock;

// Writes a record's fields into a sink in the order its field list gives:
// the elements the program has always written on every save whatever their
// content, the optional ones (newer elements of the registry's format) when
// they hold a value.
class ElementWriter {
public:
    explicit ElementWriter(ElementSink& out) : m_out(out) {}

    // The record's element named `name`, carrying the "delete" attribute when
    // the record has a flag.
    template <class Record>
    static void write(const Record& record, std::string_view name, ElementSink& out);

    void text(std::string_view name, const std::string& text);
    void field(std::string_view name, const FieldValue& field);
    void blockText(std::string_view name, const BlockText& block);
    void textBlock(std::string_view name, const TextBlock& block);
    void textList(std::string_view name, const std::vector<std::string>& list);
    // Conditions and keywords: each entry with its display text, so that a line
    // break stays a raw CR LF.
    void fieldList(std::string_view name, const std::vector<FieldValue>& list);
    void results(const ResultsElement& holder);
    template <class Record> void record(std::string_view name, const Record& record) {
        write(record, name, m_out);
    }

    void optionalText(std::string_view name, const std::string& text);
    // With its flag, when it holds text or a true flag.
    void optionalField(std::string_view name, const FieldValue& field);
    void optionalBlockText(std::string_view name, const BlockText& block);
    // When any field holds a value or its flag is true.
    template <class Record> void optionalRecord(std::string_view name, const Record& record) {
        if (holdsValue(record))
            write(record, name, m_out);
    }
    // Attributes are written with the start tag; see write().
    void attribute(std::string_view, const std::string&) {}

    template <class Record> static bool holdsValue(const Record& record);
    template <class Record> void list(std::string_view name, const OwningList<Record>& list) {
        for (const auto& entry : list)
            write(*entry, name, m_out);
    }

private:
    // Finds whether any field of a record holds a value.
    class Probe {
    public:
        bool found = false;
        void text(std::string_view, const std::string& text) { found |= !text.empty(); }
        void field(std::string_view, const FieldValue& field);
        void blockText(std::string_view, const BlockText& block);
        void textBlock(std::string_view, const TextBlock& block);
        template <class List> void textList(std::string_view, const List& list) {
            found |= !list.empty();
        }
        template <class List> void fieldList(std::string_view, const List& list) {
            found |= !list.empty();
        }
        void results(const ResultsElement& holder);
        template <class Record> void record(std::string_view, const Record& record) {
            found |= holdsValue(record);
        }
        template <class Record> void list(std::string_view, const OwningList<Record>& list) {
            found |= !list.empty();
        }
        void optionalText(std::string_view name, const std::string& value) { text(name, value); }
        void optionalField(std::string_view name, const FieldValue& value) { field(name, value); }
        void optionalBlockText(std::string_view name, const BlockText& block) {
            blockText(name, block);
        }
        template <class Record> void optionalRecord(std::string_view name, const Record& value) {
            record(name, value);
        }
        void attribute(std::string_view, const std::string& value) { found |= !value.empty(); }
    };

    // Collects the attributes that hold a value.
    struct Attributes {
        std::vector<SinkAttribute> list;
        void attribute(std::string_view name, const std::string& value) {
            if (!value.empty())
                list.push_back({name, value});
        }
    };

    ElementSink& m_out;
};

template <class Record> bool ElementWriter::holdsValue(const Record& record) {
    Probe probe;
    Record::fields(record, probe);
    if constexpr (requires { record.deleteFlag == true; })
        probe.found |= record.deleteFlag;
    return probe.found;
}

template <class Record>
void ElementWriter::write(const Record& record, std::string_view name, ElementSink& out) {
    Attributes attributes;
    if constexpr (requires { Record::attributes(record, attributes); })
        Record::attributes(record, attributes);
    if constexpr (requires { record.deleteFlag == true; })
        out.open(name, record.deleteFlag);
    else if (!attributes.list.empty())
        out.open(name, attributes.list);
    else
        out.open(name);
    ElementWriter writer(out);
    Record::fields(record, writer);
    out.close();
}
