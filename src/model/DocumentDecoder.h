#pragma once

#include "model/TextModeDecoder.h"
#include "xml/XmlEncoding.h"

#include <optional>
#include <string>
#include <string_view>

// Turns a collection file's bytes, given in pieces, into the text the XML
// reader reads: UTF-16 and UTF-32 (with or without byte-order mark) and the
// single-byte Western encodings are transcoded to UTF-8, a UTF-8 byte-order
// mark is dropped, undeclared bytes stay as they are, and the lines are joined
// as text mode reads them.
class DocumentDecoder {
public:
    explicit DocumentDecoder(TextBuffer& text) : m_lines(text) {}
    explicit DocumentDecoder(std::string& text) : m_lines(text) {}

    // Tells the encoding from the first bytes of the document (kHeadSize of
    // them, or all), for bytes held whole and then given to append() in
    // pieces. Without it the first pieces tell it.
    bool begin(std::string_view head);
    // False once the bytes cannot be read; error() says why.
    bool append(std::string_view bytes);
    bool finish();
    const std::string& error() const { return m_error; }

private:
    bool startWithHead();
    bool decode(std::string_view bytes);
    bool failTranscoding();

    TextModeDecoder m_lines;
    std::string m_head;
    bool m_started = false;
    XmlEncoding m_encoding;
    std::optional<XmlTranscoder> m_transcoder;
    std::size_t m_markLeft = 0; // bytes of the byte-order mark still to skip
    std::string m_piece;
    std::string m_error;
};
