#include "model/CollectionReader.h"

#include "model/StudyCollection.h"
#include "xml/XmlNode.h"
#include "xml/XmlParseOptions.h"
#include "xml/XmlReader.h"

#include <algorithm>
#include <fstream>
#include <limits>
#include <new>

namespace {

constexpr std::string_view kClinicalStudy = "clinical_study";
// An element of the registry's public record format, which no upload file has.
constexpr std::string_view kPublicRecordMark = "required_header";

// Memory the system can still give, from /proc/meminfo; unlimited where unknown.
std::size_t availableMemory() {
    std::ifstream info("/proc/meminfo");
    std::string key;
    std::size_t kilobytes = 0;
    std::string unit;
    while (info >> key >> kilobytes) {
        std::getline(info, unit);
        if (key == "MemAvailable:")
            return kilobytes * 1024;
    }
    return std::numeric_limits<std::size_t>::max();
}

bool isBlank(std::string_view text) {
    return text.find_first_not_of(" \t\n\v\f\r") == std::string_view::npos;
}

// Takes the root's children one by one: protocols become records, the rest
// is reported.
class RootContent {
public:
    explicit RootContent(OwningList<StudyRecord>& records)
        : m_records(records), m_context(&m_report),
          m_recordLimit(availableMemory() / sizeof(StudyRecord)) {}

    NotKeptReport& report() { return m_report; }

    // True when the child is done with.
    bool take(const XmlNode& root, const XmlNode& child) {
        switch (StudyCollection::rootKind(root.name())) {
        case StudyCollection::RootKind::ClinicalStudy:
            return false;
        case StudyCollection::RootKind::Collection:
            if (child.kind() == XmlNodeKind::Element && child.name() == kClinicalStudy)
                newRecord().readFromClinicalStudy(child, m_context);
            else
                m_report.add(root.name() + "/" + partName(child));
            return true;
        default:
            return true;
        }
    }

    CollectionReader::Outcome finish(const XmlNode& root) {
        switch (StudyCollection::rootKind(root.name())) {
        case StudyCollection::RootKind::ClinicalStudy:
            if (root.findChild(kPublicRecordMark))
                m_report.setPublicRecord();
            newRecord().readFromClinicalStudy(root, m_context);
            return CollectionReader::Outcome::Read;
        case StudyCollection::RootKind::Collection:
            reportRoot(root);
            return CollectionReader::Outcome::Read;
        default:
            m_records.clear();
            return root.name().empty() ? CollectionReader::Outcome::NoElement
                                       : CollectionReader::Outcome::NotCollection;
        }
    }

private:
    // A file of millions of protocols (even empty ones) would be ended by the
    // system for want of memory; it is stopped here, before, and said so.
    StudyRecord& newRecord() {
        if (m_records.size() >= m_recordLimit)
            throw std::bad_alloc();
        return appendNew(m_records);
    }

    static std::string partName(const XmlNode& node) {
        if (node.kind() == XmlNodeKind::Comment)
            return "comment()";
        return node.kind() == XmlNodeKind::CData ? "text()" : node.name();
    }

    // The saved collection element carries its own namespace declarations.
    void reportRoot(const XmlNode& root) {
        static constexpr std::string_view kWritten[] = {"xmlns:prs", "xmlns:rrs", "xmlns:xsi"};
        for (const XmlAttribute& attribute : root.attributes()) {
            if (std::find(std::begin(kWritten), std::end(kWritten), attribute.name()) ==
                std::end(kWritten))
                m_report.add(root.name() + "/@" + attribute.name());
        }
        if (!isBlank(root.value()))
            m_report.add(root.name() + "/text()");
    }

    OwningList<StudyRecord>& m_records;
    NotKeptReport m_report;
    ElementReader::Context m_context;
    std::size_t m_recordLimit;
};

// What a failed read found is dropped; what a good one found is handed over.
CollectionReader::Outcome finish(RootContent& content, const XmlNode& root,
                                 OwningList<StudyRecord>& found,
                                 OwningList<StudyRecord>& records, NotKeptReport& report) {
    const CollectionReader::Outcome outcome = content.finish(root);
    if (outcome == CollectionReader::Outcome::Read) {
        std::move(found.begin(), found.end(), std::back_inserter(records));
        report = std::move(content.report());
    }
    return outcome;
}

} // namespace

CollectionReader::CollectionReader(std::string_view text, XmlParseOptions& options)
    : m_text(text), m_options(options) {}

CollectionReader::CollectionReader(XmlTextSource& source, XmlParseOptions& options,
                                   std::size_t readAhead)
    : m_source(&source), m_readAhead(readAhead), m_options(options) {}

CollectionReader::Outcome CollectionReader::read(OwningList<StudyRecord>& records,
                                                 NotKeptReport& report) {
    OwningList<StudyRecord> found;
    RootContent content(found);
    XmlReader reader = m_source ? XmlReader(*m_source, m_options, m_readAhead)
                                : XmlReader(m_text, m_options);
    XmlNode root;
    const XmlReader::ChildHandler take = [&content](const XmlNode& parent, XmlNode& child) {
        return content.take(parent, child);
    };
    const std::optional<std::size_t> end = reader.parse(root, 0, take);
    const bool parsed = end.has_value();
    if (parsed)
        reader.recordAfterRoot(*end);
    m_rootName = root.name();
    m_rootPosition = reader.rootPosition();
    if (!parsed)
        return root.name().empty() && !m_options.errorFlag ? Outcome::NoElement
                                                           : Outcome::ParseFailed;
    return finish(content, root, found, records, report);
}

CollectionReader::Outcome CollectionReader::readTree(const XmlNode& root,
                                                     OwningList<StudyRecord>& records,
                                                     NotKeptReport& report) {
    OwningList<StudyRecord> found;
    RootContent content(found);
    for (const auto& child : root.children())
        content.take(root, *child);
    return finish(content, root, found, records, report);
}
