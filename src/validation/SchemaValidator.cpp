#include "validation/SchemaValidator.h"

#include "names/NamesAndAddresses.h"
#include "validation/DocumentCursor.h"
#include "validation/DocumentSource.h"
#include "validation/FileUri.h"
#include "validation/LocalEntityLoader.h"
#include "validation/PlainParse.h"
#include "validation/ValidationError.h"
#include "validation/XmlErrorCapture.h"

#include <libxml/parser.h>
#include <libxml/schemasInternals.h>
#include <libxml/xmlreader.h>
#include <libxml/xmlschemas.h>
#include <memory>

namespace {

template <auto Free> struct LibraryDeleter {
    template <typename T> void operator()(T* object) const { Free(object); }
};
using SchemaParserPtr =
    std::unique_ptr<xmlSchemaParserCtxt, LibraryDeleter<&xmlSchemaFreeParserCtxt>>;
using SchemaPtr = std::unique_ptr<xmlSchema, LibraryDeleter<&xmlSchemaFree>>;
using ValidatorPtr = std::unique_ptr<xmlSchemaValidCtxt, LibraryDeleter<&xmlSchemaFreeValidCtxt>>;
using ReaderPtr = std::unique_ptr<xmlTextReader, LibraryDeleter<&xmlFreeTextReader>>;
using DocumentPtr = std::unique_ptr<xmlDoc, LibraryDeleter<&xmlFreeDoc>>;

// The document's own entities are expanded so that the validator sees the text its
// author meant; nothing outside the document is loaded (see PlainParse).
constexpr int kDocumentOptions = XML_PARSE_NONET | XML_PARSE_NOENT | XML_PARSE_BIG_LINES;

std::string describe(const std::optional<XmlErrorRecord>& error, const std::string& fallback) {
    if (!error)
        return fallback;
    std::string text = error->message;
    if (error->line > 0)
        text += " (" + (error->file.empty() ? fallback : error->file) + ", line " +
                std::to_string(error->line) + ")";
    return text;
}

std::string searchedPlaces(const SchemaLocation& location) {
    std::string text = "The schema was looked for at:";
    for (const std::string& candidate : location.candidates())
        text += " \"" + candidate + "\"";
    return text;
}

// The schema's namespace is fixed by the file; this check catches a schema of
// another namespace dropped in by mistake, which would otherwise reject every file.
void requirePrsNamespace(const xmlSchema& schema, const std::string& path) {
    const std::string ns = schema.targetNamespace != nullptr
                               ? reinterpret_cast<const char*>(schema.targetNamespace)
                               : "";
    if (ns != names::kPrsNamespace)
        throw ValidationError(ValidationError::Code::SchemaInvalid, path,
                              "The schema's target namespace is \"" + ns + "\", not \"" +
                                  std::string(names::kPrsNamespace) + "\"");
}

SchemaPtr loadSchema(const SchemaLocation& location, XmlErrorCapture& capture) {
    const std::optional<std::string> path = location.resolve();
    if (!path)
        throw ValidationError(ValidationError::Code::SchemaNotFound,
                              std::string(SchemaLocation::kFileName), searchedPlaces(location));

    SchemaParserPtr parser(xmlSchemaNewParserCtxt(fileUriFromPath(*path).c_str()));
    if (!parser)
        throw ValidationError(ValidationError::Code::ValidatorUnavailable, *path,
                              describe(capture.firstError(), "The schema parser failed"));
    xmlSchemaSetParserStructuredErrors(parser.get(), &XmlErrorCapture::onLibraryError, &capture);

    SchemaPtr schema(xmlSchemaParse(parser.get()));
    if (!schema) {
        const auto& error = capture.firstError();
        const auto code = error && error->fromInput ? ValidationError::Code::SchemaUnreadable
                                                    : ValidationError::Code::SchemaInvalid;
        throw ValidationError(code, *path, describe(error, *path));
    }
    requirePrsNamespace(*schema, *path);
    return schema;
}

// Reads the document once, validating while reading, so that memory does not grow with
// the file and the first error reported is the first in document order, whether it is
// one of form or of content. Reading stops at that error.
bool readValidating(DocumentSource& source, xmlSchemaValidCtxt& validator,
                    XmlErrorCapture& capture, bool& holdsResults) {
    DocumentCursor cursor(source, capture);
    ReaderPtr reader(xmlReaderForIO(&DocumentCursor::read, nullptr, &cursor,
                                    fileUriFromPath(source.path()).c_str(), nullptr,
                                    kDocumentOptions));
    if (!reader) {
        if (capture.firstError())
            return false; // the file could not be read; the capture says why
        throw ValidationError(ValidationError::Code::ParserUnavailable, source.path(),
                              "The parser could not be created for this file");
    }
    if (xmlTextReaderSchemaValidateCtxt(reader.get(), &validator, 0) != 0)
        throw ValidationError(ValidationError::Code::ValidatorUnavailable, source.path(),
                              "The validator could not be attached to the reader");
    int status = 1;
    while (status == 1 && !capture.firstError()) {
        status = xmlTextReaderRead(reader.get());
        if (status == 1 && !holdsResults &&
            xmlTextReaderNodeType(reader.get()) == XML_READER_TYPE_ELEMENT) {
            const xmlChar* ns = xmlTextReaderConstNamespaceUri(reader.get());
            holdsResults = ns != nullptr && names::kRrsNamespace == reinterpret_cast<const char*>(ns);
        }
    }
    return status == 0 && !capture.firstError() && xmlSchemaIsValid(&validator) == 1;
}

// The reader, fed piece by piece, cannot tell a document that ends too early from one
// that goes on after its end; the ordinary parser can.
std::optional<XmlErrorRecord> firstErrorOf(DocumentSource& source, const XmlErrorCapture& capture) {
    const std::optional<XmlErrorRecord>& error = capture.firstError();
    if (!error || error->code != XML_ERR_DOCUMENT_END)
        return error;
    std::optional<XmlErrorRecord> plain = PlainParse::firstError(source, kDocumentOptions);
    return plain ? plain : error;
}

std::string successHead(const std::string& path) {
    return "Validation succeeded for " + path + "\n" + std::string(22, '=') + "\n";
}

// The source line is always the validated file's own, whatever the error names.
std::string failureText(const std::string& path, const std::optional<XmlErrorRecord>& error,
                        DocumentSource* source) {
    const std::string reason = error ? error->message : "The document is not valid";
    const long line = error ? error->line : 0;
    const std::string text = source != nullptr ? source->lineText(line) : std::string();
    return "Validation failed on " + path + "\n" + std::string(21, '=') + "\nReason: " + reason +
           "\nSource: " + text + "\nLine: " + std::to_string(line);
}

ValidatorPtr newValidator(xmlSchema& schema, XmlErrorCapture& capture, const std::string& path) {
    ValidatorPtr validator(xmlSchemaNewValidCtxt(&schema));
    if (!validator)
        throw ValidationError(ValidationError::Code::ValidatorUnavailable, path,
                              describe(capture.firstError(), "Out of memory"));
    xmlSchemaSetValidStructuredErrors(validator.get(), &XmlErrorCapture::onLibraryError, &capture);
    return validator;
}

// The streaming pass has no attribute nodes to record xs:ID values on, so it lets an
// id given twice through. Only results sections declare ids: a document that holds
// one is read into a tree once more and validated whole.
bool idsAreUnique(DocumentSource& source, xmlSchema& schema, XmlErrorCapture& capture) {
    DocumentCursor cursor(source, capture);
    DocumentPtr document(xmlReadIO(&DocumentCursor::read, nullptr, &cursor,
                                   fileUriFromPath(source.path()).c_str(), nullptr,
                                   kDocumentOptions));
    if (!document)
        return !capture.firstError();
    ValidatorPtr validator = newValidator(schema, capture, source.path());
    return xmlSchemaValidateDoc(validator.get(), document.get()) == 0 && !capture.firstError();
}

ValidationReport validateWith(const std::string& path, xmlSchema& schema,
                              XmlErrorCapture& capture) {
    std::string whyNot;
    const std::shared_ptr<DocumentSource> source = DocumentSource::open(path, whyNot);
    if (!source) {
        // Said plainly here; the library would name the file by its URI.
        capture.recordError({"The file cannot be opened: " + whyNot, path, 0, true, 0});
        return {ValidationReport::Status::Failed, failureText(path, capture.firstError(), nullptr),
                nullptr};
    }
    ValidatorPtr validator = newValidator(schema, capture, path);
    LocalEntityLoader::DocumentScope nothingLoaded;
    bool holdsResults = false;
    if (PlainParse::prologPasses(*source, capture, kDocumentOptions) &&
        readValidating(*source, *validator, capture, holdsResults) &&
        (!holdsResults || idsAreUnique(*source, schema, capture)))
        return {ValidationReport::Status::Succeeded, successHead(path), source};
    return {ValidationReport::Status::Failed,
            failureText(path, firstErrorOf(*source, capture), source.get()), nullptr};
}

} // namespace

ValidationReport validateFile(const std::string& path, const SchemaLocation& location) {
    LocalEntityLoader::install();
    XmlErrorCapture capture;
    try {
        SchemaPtr schema = loadSchema(location, capture);
        capture.clear(); // warnings about the schema are not the document's errors
        return validateWith(path, *schema, capture);
    } catch (const ValidationError& error) {
        return {ValidationReport::Status::Error, error.reportText(), nullptr};
    }
}
