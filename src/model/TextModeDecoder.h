#pragma once

#include "model/TextBuffer.h"

#include <cstddef>
#include <string>
#include <string_view>

// Turns a file's bytes into the text its lines give when read in text mode
// and joined with LF: CR LF becomes LF, a lone CR stays, and the final LF
// goes. The bytes may come in pieces; a CR at the end of one piece is decided
// by the first byte of the next, and an LF at the end of one waits for the
// next, so that the text written so far is always the start of the whole.
class TextModeDecoder {
public:
    explicit TextModeDecoder(TextBuffer& out) : m_out(out) {}
    // Appends to a string instead; for callers that hold the text whole.
    explicit TextModeDecoder(std::string& out) : m_out(m_own), m_string(&out) {}
    TextModeDecoder(const TextModeDecoder&) = delete;
    TextModeDecoder& operator=(const TextModeDecoder&) = delete;

    void append(std::string_view bytes);
    // Call once after the last piece.
    void finish();

private:
    // Moves what a piece decoded onto the string, when there is one.
    void moveToString();

    TextBuffer m_own;
    TextBuffer& m_out;
    std::string* m_string = nullptr;
    bool m_pendingCR = false;
    bool m_pendingLF = false;
};
