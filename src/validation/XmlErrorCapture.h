#pragma once

#include <libxml/xmlerror.h>
#include <optional>
#include <string>

// One message from the XML library.
struct XmlErrorRecord {
    std::string message;    // without its final line break
    std::string file;       // local path of the document or entity concerned, if known
    long line = 0;          // 1-based; 0 when the library knows no line
    bool fromInput = false; // raised while reading text (I/O or well-formedness)
    int code = 0;           // the library's error number; 0 for our own
    int column = 0;         // 1-based; 0 when the library knows no column
};

// Collects the XML library's messages on the calling thread for as long as it lives.
//
// The library keeps its error handlers per thread, so a capture installed here sees
// only the work this thread does, and concurrent validations on other threads keep
// their own captures. Captures nest: the previous handlers come back on destruction.
// Construct and destroy on the same thread; not copyable.
class XmlErrorCapture {
public:
    XmlErrorCapture();
    ~XmlErrorCapture();
    XmlErrorCapture(const XmlErrorCapture&) = delete;
    XmlErrorCapture& operator=(const XmlErrorCapture&) = delete;

    // The innermost capture of the calling thread, or none.
    static XmlErrorCapture* active();

    void recordError(XmlErrorRecord error);
    void recordWarning(XmlErrorRecord warning);
    // Forgets what was recorded so far (between the schema and the document).
    void clear();

    const std::optional<XmlErrorRecord>& firstError() const { return m_firstError; }
    const std::optional<XmlErrorRecord>& firstWarning() const { return m_firstWarning; }

    // The library's structured-error callback; `capture` is an XmlErrorCapture.
    static void onLibraryError(void* capture, xmlErrorPtr error);

private:
    std::optional<XmlErrorRecord> m_firstError;
    std::optional<XmlErrorRecord> m_firstWarning;
    XmlErrorCapture* m_outer = nullptr;
    xmlStructuredErrorFunc m_savedStructuredHandler = nullptr;
    void* m_savedStructuredContext = nullptr;
    xmlGenericErrorFunc m_savedGenericHandler = nullptr;
    void* m_savedGenericContext = nullptr;
};
