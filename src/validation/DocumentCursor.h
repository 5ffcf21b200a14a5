#pragma once

#include <cstdint>

class DocumentSource;
class XmlErrorCapture;

// Hands the XML library a document's bytes from the start, through its read callback,
// and records why they could not be read.
class DocumentCursor {
public:
    DocumentCursor(DocumentSource& source, XmlErrorCapture& capture)
        : m_source(source), m_capture(capture) {}

    // The library's read callback; `cursor` is a DocumentCursor.
    static int read(void* cursor, char* buffer, int length);

private:
    DocumentSource& m_source;
    XmlErrorCapture& m_capture;
    std::uint64_t m_offset = 0;
};
