#pragma once

#include "model/BlockText.h"
#include "model/FieldValue.h"
#include "model/OwningList.h"
#include "model/ResultsElement.h"
#include "model/TextBlock.h"

#include <string>
#include <string_view>

// Puts every field of a record back to what a new record holds.
class RecordClearer {
public:
    template <class Record> static void clear(Record& record) {
        RecordClearer clearer;
        clearer.record({}, record);
    }

    void text(std::string_view, std::string& text) { text.clear(); }
    void field(std::string_view, FieldValue& field) { field = FieldValue(); }
    void blockText(std::string_view, BlockText& block) { block = BlockText(); }
    void textBlock(std::string_view, TextBlock& block) { block = TextBlock(); }
    template <class List> void textList(std::string_view, List& list) { list.clear(); }
    template <class List> void fieldList(std::string_view, List& list) { list.clear(); }
    void results(ResultsElement& holder) { holder.clear(); }
    template <class Record> void list(std::string_view, OwningList<Record>& list) { list.clear(); }
    template <class Record> void record(std::string_view, Record& record) {
        if constexpr (requires { Record::attributes(record, *this); })
            Record::attributes(record, *this);
        Record::fields(record, *this);
        if constexpr (requires { record.deleteFlag = false; })
            record.deleteFlag = false;
    }
    void optionalText(std::string_view name, std::string& value) { text(name, value); }
    void optionalField(std::string_view name, FieldValue& value) { field(name, value); }
    void optionalBlockText(std::string_view name, BlockText& block) { blockText(name, block); }
    template <class Record> void optionalRecord(std::string_view name, Record& value) {
        record(name, value);
    }
    void attribute(std::string_view, std::string& value) { value.clear(); }
};
