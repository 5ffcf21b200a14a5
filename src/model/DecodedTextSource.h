#pragma once

#include "model/CollectionFile.h"
#include "model/DocumentDecoder.h"
#include "model/TextBuffer.h"
#include "xml/XmlTextSource.h"

#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

// A collection file's text for the XML reader, decoded piece by piece (see
// DocumentDecoder) from bytes in memory or from an open file as the reader
// asks for it, so that the whole text is never held at once.
class DecodedTextSource : public XmlTextSource {
public:
    static constexpr std::size_t kPieceSize = 64 * 1024;

    explicit DecodedTextSource(std::string_view bytes, std::size_t pieceSize = kPieceSize);
    // Reads from the current position of `file`, which stays open.
    explicit DecodedTextSource(std::FILE* file);
    DecodedTextSource(const DecodedTextSource&) = delete;
    DecodedTextSource& operator=(const DecodedTextSource&) = delete;

    std::string_view text() const override { return m_text.view(); }
    bool readMore() override;
    void drop(std::size_t count) override;

    // Reads to the end, so that a fault anywhere in the bytes is found;
    // false then, and error() says why.
    bool readRest();
    // Why the bytes cannot be read; empty while they can.
    const std::string& error() const { return m_error; }
    // Where `position` of the whole text stands in the file. Once text has
    // been dropped, the bytes are decoded again up to it (from the start of
    // the file, for a file): only failures ask.
    CollectionFile::Place placeOf(std::size_t position);
    // The same for several positions, in ascending order, in one pass.
    std::vector<CollectionFile::Place> placesOf(const std::vector<std::size_t>& positions);

private:
    std::string_view nextPiece(bool& last);
    bool fail(std::string reason);
    static std::vector<CollectionFile::Place> placesIn(DecodedTextSource& again,
                                                       const std::vector<std::size_t>& positions,
                                                       bool mayRead);

    TextBuffer m_text;
    DocumentDecoder m_decoder{m_text};
    std::string_view m_bytes;
    std::size_t m_bytesRead = 0;
    std::size_t m_pieceSize = kPieceSize;
    std::FILE* m_file = nullptr;
    std::string m_block;
    bool m_ended = false;
    std::string m_error;
    std::size_t m_dropped = 0;
};
