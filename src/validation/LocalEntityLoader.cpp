#include "validation/LocalEntityLoader.h"

#include "validation/FileUri.h"
#include "validation/XmlErrorCapture.h"

#include <cctype>
#include <libxml/catalog.h>
#include <libxml/parser.h>
#include <libxml/parserInternals.h>
#include <libxml/xmlIO.h>
#include <libxml/xmlschemastypes.h>
#include <mutex>
#include <string>

namespace {

thread_local int t_documentScopes = 0;

bool isSchemeChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '+' || c == '-' || c == '.';
}

std::string lowerCase(std::string_view text) {
    std::string lower(text);
    for (char& c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

// Tells the user why the reference was not followed; the library itself would only
// say that the entity failed to load, or nothing at all.
void reportRefusal(const char* url, const char* reason, xmlParserCtxtPtr ctxt) {
    XmlErrorCapture* capture = XmlErrorCapture::active();
    if (capture == nullptr)
        return;
    XmlErrorRecord record;
    record.message =
        std::string("Refused to load \"") + (url != nullptr ? url : "") + "\": " + reason;
    if (ctxt != nullptr && ctxt->input != nullptr) {
        record.line = ctxt->input->line;
        if (ctxt->input->filename != nullptr)
            record.file = pathFromFileUri(ctxt->input->filename);
    }
    record.fromInput = true;
    capture->recordError(std::move(record));
}

xmlParserInputPtr loadLocalOnly(const char* url, const char* publicId, xmlParserCtxtPtr ctxt) {
    if (t_documentScopes > 0) {
        reportRefusal(url, "a document is validated without reading other files", ctxt);
        return nullptr;
    }
    if (url != nullptr && !LocalEntityLoader::allows(url)) {
        reportRefusal(url, "external references are read from local files only", ctxt);
        return nullptr;
    }
    // The no-network loader also refuses what a catalog may map a local name to.
    return xmlNoNetExternalEntityLoader(url, publicId, ctxt);
}

} // namespace

void LocalEntityLoader::install() {
    static std::once_flag once;
    std::call_once(once, [] {
        // The library sets up its schema types and catalogs lazily and without a
        // lock; doing it here, once, keeps concurrent first calls from racing.
        xmlInitParser();
        xmlSchemaInitTypes();
        xmlInitializeCatalog();
        xmlSetExternalEntityLoader(&loadLocalOnly);
    });
}

LocalEntityLoader::DocumentScope::DocumentScope() {
    ++t_documentScopes;
}

LocalEntityLoader::DocumentScope::~DocumentScope() {
    --t_documentScopes;
}

bool LocalEntityLoader::allows(std::string_view url) {
    // Only "scheme://" names reach a network handler in the library; anything else,
    // a colon inside a file name included, is opened as a local path.
    const std::size_t separator = url.find("://");
    if (separator == std::string_view::npos || separator == 0)
        return true;
    const std::string_view scheme = url.substr(0, separator);
    if (std::isalpha(static_cast<unsigned char>(scheme.front())) == 0)
        return true;
    for (char c : scheme) {
        if (!isSchemeChar(c))
            return true;
    }
    return lowerCase(scheme) == "file";
}
