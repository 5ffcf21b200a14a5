#include "editor/RecordSnapshot.h"

#include "model/StudyRecord.h"
#include "xml/XmlNode.h"

RecordSnapshot::RecordSnapshot() = default;
RecordSnapshot::~RecordSnapshot() = default;

void RecordSnapshot::take(const StudyRecord& record) {
    m_collection = std::make_unique<XmlNode>("snapshot");
    record.writeIntoCollection(m_collection.get());
}

bool RecordSnapshot::isEmpty() const {
    return m_collection == nullptr || m_collection->childCount() == 0;
}

void RecordSnapshot::restoreInto(StudyRecord& record) const {
    if (isEmpty()) {
        return;
    }
    // Fields written only when they hold a value are absent from the
    // snapshot when they were empty, so they are emptied first.
    record.clear();
    record.readFromClinicalStudy(m_collection->childAt(0));
}
