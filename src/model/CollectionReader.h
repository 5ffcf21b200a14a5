#pragma once

#include "model/NotKeptReport.h"
#include "model/OwningList.h"
#include "model/StudyRecord.h"
#include "xml/XmlReader.h"

#include <cstddef>
#include <string>
#include <string_view>

class XmlNode;
struct XmlParseOptions;

// Reads the protocols of a collection text. A collection is read one
// clinical_study at a time, so that only one protocol's tree exists at any
// moment; a file holding a single clinical_study is read as one tree. What
// the records have no place for goes to the report.
class CollectionReader {
public:
    enum class Outcome {
        Read,
        ParseFailed,   // the reader's error is in the options
        NoElement,     // the text holds no element
        NotCollection, // the root is neither a collection nor a clinical_study
    };

    CollectionReader(std::string_view text, XmlParseOptions& options);
    // Reads the text from `source` as the reading goes (see XmlReader).
    CollectionReader(XmlTextSource& source, XmlParseOptions& options,
                     std::size_t readAhead = XmlReader::kDefaultReadAhead);

    // Appends the records found; nothing when the outcome is not Read.
    Outcome read(OwningList<StudyRecord>& records, NotKeptReport& report);
    // The same for a document parsed whole.
    static Outcome readTree(const XmlNode& root, OwningList<StudyRecord>& records,
                            NotKeptReport& report);

    // The root element's name and where its start tag is, after read().
    const std::string& rootName() const { return m_rootName; }
    std::size_t rootPosition() const { return m_rootPosition; }

private:
    std::string_view m_text;
    XmlTextSource* m_source = nullptr;
    std::size_t m_readAhead = XmlReader::kDefaultReadAhead;
    XmlParseOptions& m_options;
    std::string m_rootName;
    std::size_t m_rootPosition = 0;
};
