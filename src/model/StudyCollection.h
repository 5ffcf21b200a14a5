#pragma once

#include "model/OwningList.h"
#include "model/StudyRecord.h"

#include <string>

class XmlNode;

// The protocols of one collection file, in file order, and the file's path.
class StudyCollection {
public:
    static constexpr std::string_view kElementName = "prs:study_collection";

    StudyCollection() = default;
    virtual ~StudyCollection() = default;
    StudyCollection(const StudyCollection&) = delete;
    StudyCollection& operator=(const StudyCollection&) = delete;

    std::string filePath;
    OwningList<StudyRecord> records;

    // Destroys every record; the path stays.
    void clear();
    // Replaces the records by those under `root`: the root itself when it is
    // a clinical_study in any letter case, otherwise its "clinical_study"
    // children.
    void readFromRoot(const XmlNode* root);
    // Appends the collection element with all records to `document`.
    void writeIntoDocument(XmlNode* document) const;

    // The collection element with its namespace attributes and no children.
    static XmlNode& appendCollectionElement(XmlNode& document);
    static bool isClinicalStudyRoot(const std::string& rootName);
};
