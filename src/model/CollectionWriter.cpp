#include "model/CollectionWriter.h"

#include "model/NamesAndAddresses.h"
#include "model/StudyCollection.h"
#include "model/XmlTextSink.h"
#include "xml/XmlNode.h"
#include "xml/XmlWriteOptions.h"

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

CollectionWriter::CollectionWriter() {
    m_out.append(kDeclaration).append("\r\n");
    m_out.append(commentLine()).append("\r\n");
    m_lineStart = m_out.size();
}

std::string CollectionWriter::commentLine() {
    return "<!-- Created with " + std::string(names::kProductName) + " (" +
           std::string(names::kMakerHomePage) + ") -->";
}

std::string CollectionWriter::fileText(const StudyCollection& collection) {
    CollectionWriter writer;
    if (collection.records.empty()) {
        XmlNode document;
        XmlWriteOptions options = XmlWriteOptions::programDefault();
        options.depth = 1;
        writer.appendTreeText(
            StudyCollection::appendCollectionElement(document).writeAsText(options));
    } else {
        writer.appendTreeText(collectionStartTag());
        std::string chunk;
        for (const auto& record : collection.records) {
            chunk.clear();
            XmlTextSink sink(chunk, 2);
            record->write(sink);
            writer.appendTreeText(chunk);
            if (&record == &collection.records.front())
                writer.m_out.reserve(writer.m_out.size() * (collection.records.size() + 1));
        }
        writer.appendTreeText("\r\n\t</");
        writer.appendTreeText(StudyCollection::kElementName);
        writer.appendTreeText(">");
    }
    // The wrapper's end tag stood on a line of its own.
    writer.appendTreeText("\r\n");
    writer.finish();
    return std::move(writer.m_out);
}

// Pieces must be split between nodes, so that neither "\n\n" nor "&amp;#"
// spans two of them.
void CollectionWriter::appendTreeText(std::string_view text) {
    static constexpr std::string_view kEncodedReference = "&amp;#";
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n) {
        std::size_t j = i;
        while (j < n && text[j] != '\n' && text[j] != '&')
            ++j;
        if (j > i) {
            const std::string_view segment = text.substr(i, j - i);
            m_out.append(segment);
            if (!m_lineHasContent) {
                for (char c : segment) {
                    if (!isLineBlankChar(c)) {
                        m_lineHasContent = true;
                        break;
                    }
                }
            }
        }
        if (j == n)
            break;
        if (text[j] == '&') {
            m_lineHasContent = true;
            const bool reference = text.substr(j).starts_with(kEncodedReference);
            m_out.append(reference ? "&#" : "&");
            i = j + (reference ? kEncodedReference.size() : 1);
        } else {
            endLine();
            i = j + ((j + 1 < n && text[j + 1] == '\n') ? 2 : 1);
        }
    }
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
