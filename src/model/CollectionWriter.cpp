#include "model/CollectionWriter.h"

#include "names/NamesAndAddresses.h"
#include "model/StudyCollection.h"
#include "model/XmlTextSink.h"
#include "xml/XmlNode.h"
#include "xml/XmlStreamWriter.h"
#include "xml/XmlWriteOptions.h"

namespace {

// The collection element's start tag at depth one, as the XML writer puts it.
std::string collectionStartTag() {
    XmlNode document;
    const XmlNode& collection = StudyCollection::appendCollectionElement(document);
    std::string tag;
    XmlStreamWriter writer(tag, XmlWriteOptions());
    writer.lineStart(1);
    writer.startTag(collection.name());
    for (const XmlAttribute& attribute : collection.attributes())
        writer.attribute(attribute.name(), attribute.value());
    writer.endStartTag();
    writer.flush();
    return tag;
}

// The declaration and the comment, each on a line of its own.
std::string fileHead() {
    return std::string(CollectionWriter::kDeclaration) + "\r\n" + CollectionWriter::commentLine() +
           "\r\n";
}

} // namespace

CollectionWriter::CollectionWriter(const Output* output)
    : m_output(output), m_out(fileHead()), m_file(m_out) {}

std::string CollectionWriter::commentLine() {
    return "<!-- Created with " + std::string(names::kProductName) + " (" +
           std::string(names::kMakerHomePage) + ") -->";
}

std::string CollectionWriter::fileText(const StudyCollection& collection) {
    CollectionWriter writer(nullptr);
    writer.writeCollection(collection);
    return std::move(writer.m_out);
}

bool CollectionWriter::writeFile(const StudyCollection& collection, const Output& output) {
    CollectionWriter writer(&output);
    writer.writeCollection(collection);
    writer.flushLines();
    return !writer.m_outputFailed;
}

void CollectionWriter::writeCollection(const StudyCollection& collection) {
    if (collection.records.empty()) {
        XmlNode document;
        XmlWriteOptions options = XmlWriteOptions::programDefault();
        options.depth = 1;
        m_file.append(StudyCollection::appendCollectionElement(document).writeAsText(options));
    } else {
        m_file.append(collectionStartTag());
        writeRecords(collection);
        if (m_outputFailed)
            return;
        m_file.append("\r\n\t</");
        m_file.append(StudyCollection::kElementName);
        m_file.append(">");
    }
    // The wrapper's end tag stood on a line of its own.
    m_file.append("\r\n");
    m_file.finish();
}

// The records' text is written straight in its saved form, after the line of
// the collection's start tag or of the record before.
void CollectionWriter::writeRecords(const StudyCollection& collection) {
    for (const auto& record : collection.records) {
        XmlTextSink sink(m_file, 2);
        record->write(sink);
        sink.finish();
        if (m_output) {
            if (m_out.size() >= kPieceSize)
                flushLines();
            if (m_outputFailed)
                return;
        } else if (&record == &collection.records.front()) {
            m_out.reserve(m_out.size() * (collection.records.size() + 1));
        }
    }
}

// The line being written may still be dropped as blank, so it stays.
void CollectionWriter::flushLines() {
    if (!m_output || m_outputFailed || m_file.lineStart() == 0)
        return;
    if (!(*m_output)(std::string_view(m_out).substr(0, m_file.lineStart()))) {
        m_outputFailed = true;
        return;
    }
    m_file.eraseFinalPart();
}
