#pragma once

#include "model/OwningList.h"
#include "model/StudyRecord.h"
#include "xml/XmlReader.h"
#include "xml/XmlTextScanner.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// Reads the records of a collection text one clinical_study at a time, so that
// only one protocol's XmlNode tree exists at any moment. The outcome (records,
// success, recorded error) is the one of parsing the whole text into one tree
// with XmlNode::parseFromText and reading it with StudyCollection::readFromRoot:
// the collection element's own start tag, text and end tags are scanned here
// exactly as the XML reader scans them, and each child is parsed by the XML
// reader itself.
class CollectionReader {
public:
    CollectionReader(std::string_view text, XmlParseOptions& options);

    // Appends the records found to `records`; false when the parse fails.
    bool read(OwningList<StudyRecord>& records);

private:
    static constexpr std::size_t npos = std::string_view::npos;

    enum class Markup { None, Skipped, Unterminated };

    bool readWholeStudy(OwningList<StudyRecord>& records);
    bool readChildren(std::size_t position, bool valueBlank, OwningList<StudyRecord>& records);
    bool parseChild(XmlNode& child, std::size_t& position);
    std::optional<std::size_t> scanAttributes(std::size_t position);
    Markup skipMarkup(std::size_t& position) const;

    bool blankAfterTextRule(std::size_t begin, std::size_t end) const;
    void fail(std::size_t position, int code, std::string message);

    std::string_view m_text;
    XmlParseOptions& m_options;
    XmlTextScanner m_scan;
    std::string m_rootName;
    // One reader for every child, so that each protocol's tree reuses the
    // nodes of the one before.
    XmlReader m_reader;
};
