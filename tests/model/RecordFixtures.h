#pragma once

#include <string>

class StudyRecord;
class StudyCollection;

// Fills every field of a record, every contained record and two entries of
// every list with distinct texts ("<prefix>1", "<prefix>2", ...), multi-line
// where the field can hold lines, sets every other delete flag and marks the
// record a partial upload.
class RecordFiller {
public:
    explicit RecordFiller(std::string prefix) : m_prefix(std::move(prefix)) {}

    void fill(StudyRecord& record);

    // Texts handed out so far; each appears once in the written record.
    int textCount() const { return m_count; }
    // Delete flags set to true so far.
    int trueFlags() const { return m_trueFlags; }
    std::string token(int i) const { return m_prefix + std::to_string(i) + "x"; }

    std::string next();
    std::string nextLines();
    bool nextFlag();

private:

    std::string m_prefix;
    int m_count = 0;
    int m_flags = 0;
    int m_trueFlags = 0;
};

// Counts non-overlapping occurrences.
int countOf(const std::string& text, const std::string& part);
