#include "validation/XmlErrorCapture.h"

#include "validation/FileUri.h"

#include <libxml/globals.h>
#include <utility>

namespace {

thread_local XmlErrorCapture* t_activeCapture = nullptr;

// Unstructured messages would otherwise go to standard error; every message we
// report arrives through the structured callback.
void discardGenericMessage(void*, const char*, ...) {}

std::string trimmedMessage(const char* message) {
    std::string text = message != nullptr ? message : "";
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' '))
        text.pop_back();
    return text;
}

bool raisedWhileReading(int domain) {
    return domain == XML_FROM_PARSER || domain == XML_FROM_IO || domain == XML_FROM_NAMESPACE ||
           domain == XML_FROM_I18N;
}

} // namespace

XmlErrorCapture::XmlErrorCapture()
    : m_outer(t_activeCapture), m_savedStructuredHandler(xmlStructuredError),
      m_savedStructuredContext(xmlStructuredErrorContext), m_savedGenericHandler(xmlGenericError),
      m_savedGenericContext(xmlGenericErrorContext) {
    xmlSetStructuredErrorFunc(this, &XmlErrorCapture::onLibraryError);
    xmlSetGenericErrorFunc(nullptr, &discardGenericMessage);
    t_activeCapture = this;
}

XmlErrorCapture::~XmlErrorCapture() {
    t_activeCapture = m_outer;
    xmlSetGenericErrorFunc(m_savedGenericContext, m_savedGenericHandler);
    xmlSetStructuredErrorFunc(m_savedStructuredContext, m_savedStructuredHandler);
}

XmlErrorCapture* XmlErrorCapture::active() {
    return t_activeCapture;
}

void XmlErrorCapture::recordError(XmlErrorRecord error) {
    if (!m_firstError)
        m_firstError = std::move(error);
}

void XmlErrorCapture::recordWarning(XmlErrorRecord warning) {
    if (!m_firstWarning)
        m_firstWarning = std::move(warning);
}

void XmlErrorCapture::clear() {
    m_firstError.reset();
    m_firstWarning.reset();
}

void XmlErrorCapture::onLibraryError(void* capture, xmlErrorPtr error) {
    if (capture == nullptr || error == nullptr)
        return;
    XmlErrorRecord record;
    record.message = trimmedMessage(error->message);
    record.file = error->file != nullptr ? pathFromFileUri(error->file) : "";
    record.line = error->line;
    record.column = error->int2;
    record.fromInput = raisedWhileReading(error->domain);
    record.code = error->code;
    auto* self = static_cast<XmlErrorCapture*>(capture);
    // The library only warns when a file or entity cannot be loaded; for us the
    // document is then not what its author wrote, which is an error.
    const bool loadFailure = error->domain == XML_FROM_IO;
    if (error->level == XML_ERR_WARNING && !loadFailure)
        self->recordWarning(std::move(record));
    else if (error->level != XML_ERR_NONE)
        self->recordError(std::move(record));
}
