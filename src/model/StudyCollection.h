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
    // What a file's root element makes of it: a collection (study_collection
    // with any prefix, in any letter case), a single protocol (clinical_study
    // in any letter case), or something else.
    enum class RootKind { Collection, ClinicalStudy, Other };
    static RootKind rootKind(std::string_view rootName);

    // Replaces the records by those under `root`: the root itself when it is
    // a clinical_study, otherwise its "clinical_study" children. A root of
    // another kind leaves the collection empty.
    void readFromRoot(const XmlNode* root);
    // Appends the collection element with all records to `document`.
    void writeIntoDocument(XmlNode* document) const;

    // The collection element with its namespace attributes and no children.
    static XmlNode& appendCollectionElement(XmlNode& document);
};
