#pragma once

#include <memory>

class StudyRecord;
class XmlNode;

// A record's whole content at one moment, kept as the element the record
// writes of itself, so that it can be put back into the same record object.
class RecordSnapshot {
public:
    RecordSnapshot();
    ~RecordSnapshot();
    RecordSnapshot(const RecordSnapshot&) = delete;
    RecordSnapshot& operator=(const RecordSnapshot&) = delete;

    void take(const StudyRecord& record);
    bool isEmpty() const;
    // Gives `record` exactly the content taken; nothing when none was taken.
    void restoreInto(StudyRecord& record) const;

private:
    std::unique_ptr<XmlNode> m_collection;
};
