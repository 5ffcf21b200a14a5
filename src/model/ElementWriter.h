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

// Writes a record's fields into a sink in the order its field list gives,
// every single-valued element whatever its content.
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
    template <class Record> void list(std::string_view name, const OwningList<Record>& list) {
        for (const auto& entry : list)
            write(*entry, name, m_out);
    }

private:
    ElementSink& m_out;
};

template <class Record>
void ElementWriter::write(const Record& record, std::string_view name, ElementSink& out) {
    if constexpr (requires { record.deleteFlag == true; })
        out.open(name, record.deleteFlag);
    else
        out.open(name);
    ElementWriter writer(out);
    Record::fields(record, writer);
    out.close();
}
