#include "RecordFixtures.h"

#include "model/StudyRecord.h"

std::string RecordFiller::next() {
    return token(++m_count);
}

std::string RecordFiller::nextLines() {
    return next() + "\r\n" + "second line";
}

bool RecordFiller::nextFlag() {
    const bool flag = (m_flags++ % 2) == 0;
    m_trueFlags += flag ? 1 : 0;
    return flag;
}

namespace {

// Fills whatever a record's field list names: every text, two entries of every
// list, the delete flags alternately true and false.
class Filling {
public:
    explicit Filling(RecordFiller& filler) : m_f(filler) {}

    void text(std::string_view, std::string& text) { text = m_f.next(); }
    void field(std::string_view name, FieldValue& field) {
        field.setText(name == "brief_title" ? m_f.nextLines() : m_f.next());
        field.setDeleteFlag(m_f.nextFlag());
    }
    void blockText(std::string_view, BlockText& block) { block.setText(m_f.nextLines()); }
    void textBlock(std::string_view, TextBlock& block) {
        block.setText(m_f.nextLines());
        block.setDeleteFlag(m_f.nextFlag());
    }
    void textList(std::string_view, std::vector<std::string>& list) {
        list = {m_f.next(), m_f.next()};
    }
    void fieldList(std::string_view name, std::vector<FieldValue>& list) {
        for (int i = 0; i < 2; ++i)
            field(name, list.emplace_back());
    }
    void results(ResultsElement&) {}
    template <class Record> void record(std::string_view, Record& record) {
        Record::fields(record, *this);
        if constexpr (requires { record.deleteFlag = true; })
            record.deleteFlag = m_f.nextFlag();
    }
    template <class Record> void list(std::string_view name, OwningList<Record>& list) {
        for (int i = 0; i < 2; ++i)
            record(name, appendNew(list));
    }
    void optionalText(std::string_view name, std::string& value) { text(name, value); }
    void optionalField(std::string_view name, FieldValue& value) { field(name, value); }
    void optionalBlockText(std::string_view name, BlockText& block) { blockText(name, block); }
    template <class Record> void optionalRecord(std::string_view name, Record& value) {
        record(name, value);
    }
    // The only attribute, partial_upload, is a boolean.
    void attribute(std::string_view, std::string& value) { value = "true"; }

private:
    RecordFiller& m_f;
};

} // namespace

void RecordFiller::fill(StudyRecord& record) {
    Filling filling(*this);
    StudyRecord::attributes(record, filling);
    filling.record("clinical_study", record);
}

int countOf(const std::string& text, const std::string& part) {
    int count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos;
         at = text.find(part, at + part.size()))
        ++count;
    return count;
}
