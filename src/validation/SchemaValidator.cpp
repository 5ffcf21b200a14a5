#include "validation/SchemaValidator.h"

#include "model/NamesAndAddresses.h"
#include "validation/FileUri.h"
#include "validation/LocalEntityLoader.h"
#include "validation/SourceLine.h"
#include "validation/ValidationError.h"
#include "validation/XmlErrorCapture.h"

#include <cerrno>
#include <fstream>
#include <libxml/parser.h>
#include <libxml/parserInternals.h>
#include <libxml/schemasInternals.h>
#include <libxml/tree.h>
#include <libxml/xmlschemas.h>
#include <memory>
#include <system_error>

namespace {

template <auto Free> struct LibraryDeleter {
    template <typename T> void operator()(T* object) const { Free(object); }
};
using SchemaParserPtr =
    std::unique_ptr<xmlSchemaParserCtxt, LibraryDeleter<&xmlSchemaFreeParserCtxt>>;
using SchemaPtr = std::unique_ptr<xmlSchema, LibraryDeleter<&xmlSchemaFree>>;
using ValidatorPtr = std::unique_ptr<xmlSchemaValidCtxt, LibraryDeleter<&xmlSchemaFreeValidCtxt>>;
using ParserPtr = std::unique_ptr<xmlParserCtxt, LibraryDeleter<&xmlFreeParserCtxt>>;
using DocumentPtr = std::unique_ptr<xmlDoc, LibraryDeleter<&xmlFreeDoc>>;

// Entities and the external DTD subset are resolved (from local files, see
// LocalEntityLoader) so that the validator sees the document as its author meant it.
constexpr int kDocumentOptions =
    XML_PARSE_NONET | XML_PARSE_NOENT | XML_PARSE_DTDLOAD | XML_PARSE_BIG_LINES;

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

struct ParseOutcome {
    DocumentPtr document;
    bool valid = false;
};

// Tells the validator, which sees only a stream of events, where the parser stands.
int parserPosition(void* parser, const char** file, unsigned long* line) {
    const auto* context = static_cast<const xmlParserCtxt*>(parser);
    if (context == nullptr || context->input == nullptr)
        return -1;
    if (file != nullptr)
        *file = context->input->filename;
    if (line != nullptr)
        *line = static_cast<unsigned long>(context->input->line);
    return 0;
}

// Parses the file and validates it in the same pass, so the first error reported is
// the first one in document order, whether it is one of form or of content.
ParseOutcome parseValidating(const std::string& path, xmlSchemaValidCtxt& validator,
                             XmlErrorCapture& capture) {
    if (!std::ifstream(path, std::ios::binary)) {
        // Said plainly here; the library would name the file by its URI.
        const int cause = errno;
        capture.recordError({"The file cannot be opened: " + std::generic_category().message(cause),
                             path, 0, true});
        return {};
    }
    ParserPtr parser(xmlCreateURLParserCtxt(fileUriFromPath(path).c_str(), kDocumentOptions));
    if (!parser) {
        if (capture.firstError())
            return {}; // the file could not be opened; the capture says why
        throw ValidationError(ValidationError::Code::ParserUnavailable, path,
                              "The parser could not be created for this file");
    }
    xmlSchemaValidateSetLocator(&validator, &parserPosition, parser.get());
    xmlSchemaSAXPlugPtr plug = xmlSchemaSAXPlug(&validator, &parser->sax, &parser->userData);
    if (plug == nullptr)
        throw ValidationError(ValidationError::Code::ValidatorUnavailable, path,
                              "The validator could not be attached to the parser");
    xmlParseDocument(parser.get());
    xmlSchemaSAXUnplug(plug);
    xmlSchemaValidateSetLocator(&validator, nullptr, nullptr);

    ParseOutcome outcome;
    outcome.document.reset(parser->myDoc);
    parser->myDoc = nullptr;
    outcome.valid =
        parser->wellFormed != 0 && xmlSchemaIsValid(&validator) == 1 && !capture.firstError();
    return outcome;
}

std::string serialise(xmlDoc& document, const std::string& path) {
    xmlChar* text = nullptr;
    int size = 0;
    xmlDocDumpMemory(&document, &text, &size);
    if (text == nullptr)
        throw ValidationError(ValidationError::Code::SerialisationFailed, path,
                              "The document could not be written to memory");
    std::string result(reinterpret_cast<const char*>(text), static_cast<std::size_t>(size));
    xmlFree(text);
    return result;
}

std::string successText(const std::string& path, const std::string& documentText) {
    return "Validation succeeded for " + path + "\n" + std::string(22, '=') + "\n" + documentText;
}

std::string failureText(const std::string& path, const std::optional<XmlErrorRecord>& error) {
    const std::string reason = error ? error->message : "The document is not valid";
    const long line = error ? error->line : 0;
    const std::string source =
        sourceLineText(error && !error->file.empty() ? error->file : path, line);
    return "Validation failed on " + path + "\n" + std::string(21, '=') + "\nReason: " + reason +
           "\nSource: " + source + "\nLine: " + std::to_string(line);
}

ValidatorPtr newValidator(xmlSchema& schema, XmlErrorCapture& capture, const std::string& path) {
    ValidatorPtr validator(xmlSchemaNewValidCtxt(&schema));
    if (!validator)
        throw ValidationError(ValidationError::Code::ValidatorUnavailable, path,
                              describe(capture.firstError(), "Out of memory"));
    xmlSchemaSetValidStructuredErrors(validator.get(), &XmlErrorCapture::onLibraryError, &capture);
    return validator;
}

// The streaming pass has no attribute nodes to record xs:ID values on, so it lets
// an id given twice through; validating the parsed tree once more catches that.
bool treeIsValid(xmlSchema& schema, xmlDoc& document, XmlErrorCapture& capture,
                 const std::string& path) {
    ValidatorPtr validator = newValidator(schema, capture, path);
    return xmlSchemaValidateDoc(validator.get(), &document) == 0 && !capture.firstError();
}

ValidationReport validateWith(const std::string& path, xmlSchema& schema,
                              XmlErrorCapture& capture) {
    ValidatorPtr validator = newValidator(schema, capture, path);
    ParseOutcome outcome = parseValidating(path, *validator, capture);
    if (outcome.valid && outcome.document &&
        treeIsValid(schema, *outcome.document, capture, path))
        return {ValidationReport::Status::Succeeded,
                successText(path, serialise(*outcome.document, path))};
    return {ValidationReport::Status::Failed, failureText(path, capture.firstError())};
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
        return {ValidationReport::Status::Error, error.reportText()};
    }
}
