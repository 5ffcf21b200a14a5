#include "model/CollectionWriter.h"

#include "names/NamesAndAddresses.h"
#include "model/StudyCollection.h"
#include "model/XmlTextSink.h"
#include "xml/XmlNode.h"
#include "xml/XmlWriteOptions.h"

#include <algorithm>

namespace {

// The collection element's start tag at depth one, as the XML writer puts it
// (its attribute values hold no character that needs an entity).
std::string collectionStartTag() {
    XmlNode document;
    const XmlNode& collection = StudyCollection::appendCollectionElement(document);
    std::string tag = "\r\n\t<" + collection.name() + " ";
    for (const XmlAttribute& attribute : collection.attributes())
        tag += attribute.name() + "=\"" + attribute.value() + "\" ";
    return tag + ">";
}

bool isLineBlankChar(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

} // namespace

CollectionWriter::CollectionWriter(const Output* output) : m_output(output) {
    m_out.append(kDeclaration).append("\r\n");
    m_out.append(commentLine()).append("\r\n");
    m_lineStart = m_out.size();
}

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
        appendTreeText(StudyCollection::appendCollectionElement(document).writeAsText(options));
    } else {
        appendTreeText(collectionStartTag());
        writeRecords(collection);
        if (m_outputFailed)
            return;
        appendTreeText("\r\n\t</");
        appendTreeText(StudyCollection::kElementName);
        appendTreeText(">");
    }
    // The wrapper's end tag stood on a line of its own.
    appendTreeText("\r\n");
    finish();
}

void CollectionWriter::writeRecords(const StudyCollection& collection) {
    std::string chunk;
    for (const auto& record : collection.records) {
        chunk.clear();
        XmlTextSink sink(chunk, 2);
        record->write(sink);
        appendTreeText(chunk);
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

// Pieces must be split between nodes, so that neither "\n\n" nor "&amp;#"
// spans two of them. Ampersands are rare, so the next one is looked up only
// once the scan has passed it.
void CollectionWriter::appendTreeText(std::string_view text) {
    static constexpr std::string_view kEncodedReference = "&amp;#";
    const std::size_t n = text.size();
    std::size_t ampersand = std::min(text.find('&'), n);
    std::size_t i = 0;
    while (i < n) {
        const std::size_t j = std::min(std::min(text.find('\n', i), n), ampersand);
        if (j > i)
            appendSegment(text.substr(i, j - i));
        if (j == n)
            break;
        if (j == ampersand) {
            m_lineHasContent = true;
            const bool reference = text.substr(j).starts_with(kEncodedReference);
            m_out.append(reference ? "&#" : "&");
            i = j + (reference ? kEncodedReference.size() : 1);
            ampersand = std::min(text.find('&', i), n);
        } else {
            endLine();
            i = j + ((j + 1 < n && text[j + 1] == '\n') ? 2 : 1);
        }
    }
}

void CollectionWriter::appendSegment(std::string_view segment) {
    m_out.append(segment);
    if (!m_lineHasContent)
        m_lineHasContent = !std::all_of(segment.begin(), segment.end(), isLineBlankChar);
}

void CollectionWriter::endLine() {
    if (m_lineHasContent)
        m_out.append("\r\n");
    else
        m_out.resize(m_lineStart);
    m_lineStart = m_out.size();
    m_lineHasContent = false;
}

void CollectionWriter::finish() {
    if (m_out.size() > m_lineStart)
        endLine();
}

// The line being written may still be dropped as blank, so it stays.
void CollectionWriter::flushLines() {
    if (!m_output || m_outputFailed || m_lineStart == 0)
        return;
    if (!(*m_output)(std::string_view(m_out).substr(0, m_lineStart))) {
        m_outputFailed = true;
        return;
    }
    m_out.erase(0, m_lineStart);
    m_lineStart = 0;
}
