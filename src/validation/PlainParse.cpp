#include "validation/PlainParse.h"

#include "validation/DocumentCursor.h"
#include "validation/XmlErrorCapture.h"

#include <libxml/SAX2.h>
#include <libxml/parser.h>
#include <libxml/parserInternals.h>
#include <memory>
#include <string>

namespace {

struct ParserDeleter {
    void operator()(xmlParserCtxt* parser) const {
        xmlFreeDoc(parser->myDoc);
        parser->myDoc = nullptr;
        xmlFreeParserCtxt(parser);
    }
};
using ParserPtr = std::unique_ptr<xmlParserCtxt, ParserDeleter>;

std::string text(const xmlChar* value) {
    return value != nullptr ? reinterpret_cast<const char*>(value) : "";
}

xmlParserCtxt& parserOf(void* context) {
    return *static_cast<xmlParserCtxt*>(context);
}

// What one reading is after; the parser's `_private`.
struct Reading {
    XmlErrorCapture& capture;
    bool wholeDocument = false;
};

// Records the refusal and ends the reading.
void refuse(void* context, const std::string& what) {
    xmlParserCtxt& parser = parserOf(context);
    const long line = parser.input != nullptr ? parser.input->line : 0;
    static_cast<Reading*>(parser._private)
        ->capture.recordError({"Refused to load " + what + ", declared on line " +
                                   std::to_string(line) +
                                   ": a document is validated without reading other files",
                               "", line, true, 0});
    xmlStopParser(&parser);
}

void onInternalSubset(void* context, const xmlChar* name, const xmlChar* publicId,
                      const xmlChar* systemId) {
    if (publicId != nullptr || systemId != nullptr)
        refuse(context,
               "the external DTD \"" + text(systemId != nullptr ? systemId : publicId) + "\"");
    else
        xmlSAX2InternalSubset(context, name, publicId, systemId);
}

void onEntityDecl(void* context, const xmlChar* name, int type, const xmlChar* publicId,
                  const xmlChar* systemId, xmlChar* content) {
    if (type == XML_EXTERNAL_PARAMETER_ENTITY)
        refuse(context, "the external parameter entity \"%" + text(name) + "\" (\"" +
                            text(systemId) + "\")");
    else if (type == XML_EXTERNAL_GENERAL_PARSED_ENTITY ||
             type == XML_EXTERNAL_GENERAL_UNPARSED_ENTITY)
        refuse(context, "the external entity \"" + text(name) + "\" (\"" + text(systemId) + "\")");
    else
        xmlSAX2EntityDecl(context, name, type, publicId, systemId, content);
}

void onUnparsedEntityDecl(void* context, const xmlChar* name, const xmlChar*,
                          const xmlChar* systemId, const xmlChar*) {
    refuse(context, "the external entity \"" + text(name) + "\" (\"" + text(systemId) + "\")");
}

// The prolog ends where the root element starts.
void onStartElement(void* context, const xmlChar*, const xmlChar*, const xmlChar*, int,
                    const xmlChar**, int, int, const xmlChar**) {
    if (!static_cast<Reading*>(parserOf(context)._private)->wholeDocument)
        xmlStopParser(&parserOf(context));
}

// The library's own handler for the document type, so that entities are known; no
// tree is built for the content, so memory does not grow with the document.
xmlSAXHandler plainHandler() {
    xmlSAXHandler handler{};
    xmlSAXVersion(&handler, 2);
    handler.internalSubset = &onInternalSubset;
    handler.entityDecl = &onEntityDecl;
    handler.unparsedEntityDecl = &onUnparsedEntityDecl;
    handler.startElementNs = &onStartElement;
    handler.endElementNs = nullptr;
    handler.characters = nullptr;
    handler.ignorableWhitespace = nullptr;
    handler.cdataBlock = nullptr;
    handler.comment = nullptr;
    handler.processingInstruction = nullptr;
    handler.reference = nullptr;
    return handler;
}

void parse(DocumentSource& source, Reading& reading, int parserOptions) {
    DocumentCursor cursor(source, reading.capture);
    xmlSAXHandler handler = plainHandler();
    ParserPtr parser(xmlCreateIOParserCtxt(&handler, nullptr, &DocumentCursor::read, nullptr,
                                           &cursor, XML_CHAR_ENCODING_NONE));
    if (!parser)
        return;
    parser->_private = &reading;
    xmlCtxtUseOptions(parser.get(), parserOptions);
    xmlParseDocument(parser.get());
}

} // namespace

bool PlainParse::prologPasses(DocumentSource& source, XmlErrorCapture& capture, int parserOptions) {
    Reading reading{capture, false};
    parse(source, reading, parserOptions);
    return !capture.firstError();
}

std::optional<XmlErrorRecord> PlainParse::firstError(DocumentSource& source, int parserOptions) {
    XmlErrorCapture capture;
    Reading reading{capture, true};
    parse(source, reading, parserOptions);
    return capture.firstError();
}
