#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// The character encoding of an XML document, told by its byte-order mark, by
// the pattern of zero bytes around its first "<", or by its declaration.
struct XmlEncoding {
    enum class Kind {
        Utf8,        // also ASCII, and any undeclared 8-bit text
        Utf16LE,
        Utf16BE,
        Utf32LE,
        Utf32BE,
        Windows1252, // declared as ISO-8859-1, Latin-1 or windows-1252
        Unsupported, // declared as anything else
    };

    // Bytes needed to find the declaration's encoding.
    static constexpr std::size_t kHeadSize = 1024;

    Kind kind = Kind::Utf8;
    // Length of the byte-order mark to skip.
    std::size_t byteOrderMark = 0;
    // The name the message to the user gives: as declared, or as detected.
    std::string name = "UTF-8";

    // `head`: the first bytes of the document, kHeadSize or all of them.
    static XmlEncoding detect(std::string_view head);
};

// Turns text of one encoding into UTF-8, piece by piece; a character split
// between pieces is completed by the next one.
class XmlTranscoder {
public:
    explicit XmlTranscoder(XmlEncoding::Kind kind) : m_kind(kind) {}

    // Appends the UTF-8 of `bytes` to `out`. False at a byte sequence that is
    // no character of the encoding; errorOffset() tells where.
    bool append(std::string_view bytes, std::string& out);
    // False when the input ended inside a character.
    bool finish();
    // Offset of the faulty sequence in all the bytes appended.
    std::size_t errorOffset() const { return m_errorOffset; }

private:
    std::size_t unitSize() const;
    std::uint32_t unitAt(const unsigned char* bytes) const;
    bool appendUnits(std::string_view bytes, std::string& out);
    bool fail(std::size_t offset);

    XmlEncoding::Kind m_kind;
    std::string m_partial;        // bytes of a code unit not yet complete
    std::uint32_t m_highSurrogate = 0;
    std::size_t m_offset = 0;     // where the next code unit starts in all the input
    std::size_t m_errorOffset = 0;
};

// Appends `code` as UTF-8.
void appendUtf8(std::uint32_t code, std::string& out);
