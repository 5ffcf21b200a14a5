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
    explicit DocumentDecoder(std::string& text) : m_lines(text) {}

    // False once the bytes cannot be read; error() says why.
    bool append(std::string_view bytes);
    bool finish();
    const std::string& error() const { return m_error; }

private:
    bool start(std::string_view head);
    bool startWithHead();
    bool decode(std::string_view bytes);
    bool failTranscoding();

    TextModeDecoder m_lines;
    std::string m_head;
    bool m_started = false;
    XmlEncoding m_encoding;
    std::optional<XmlTranscoder> m_transcoder;
    std::string m_piece;
    std::string m_error;
};
