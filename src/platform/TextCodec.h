#pragma once

#include <QString>
#include <string>
#include <string_view>

// The one boundary between the model's 8-bit text and Qt's QString.
//
// Valid UTF-8 decodes as UTF-8. Every byte that is not part of a valid UTF-8
// sequence (stray continuation bytes, truncated or overlong sequences, encoded
// surrogates, values above U+10FFFF) becomes the private-use character
// U+F700 + byte, and encoding turns that character back into the byte. So text
// the user did not touch keeps its exact bytes. A valid sequence that happens to
// encode one of those private-use characters is escaped byte by byte as well,
// which keeps the round trip lossless for every byte string.
class TextCodec {
public:
    // First and last private-use character standing for an undecodable byte 0x80..0xFF.
    static constexpr char16_t kEscapeFirst = 0xF780;
    static constexpr char16_t kEscapeLast = 0xF7FF;

    static QString decode(std::string_view bytes);
    static std::string encode(const QString& text);

    // The same, for the text of multi-line widgets: the model's "\r\n" line
    // breaks become the "\n" of Qt's text widgets, and back.
    static QString decodeLines(std::string_view bytes);
    static std::string encodeLines(const QString& text);
};
