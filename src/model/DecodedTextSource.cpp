#include "model/DecodedTextSource.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

// Bytes held whole tell their encoding from all of them, as a file's first
// piece does from itself.
DecodedTextSource::DecodedTextSource(std::string_view bytes, std::size_t pieceSize)
    : m_bytes(bytes), m_pieceSize(std::max<std::size_t>(pieceSize, 1)) {
    if (!m_decoder.begin(bytes))
        fail(m_decoder.error());
}

DecodedTextSource::DecodedTextSource(std::FILE* file) : m_file(file), m_block(kPieceSize, '\0') {}

// Decodes the next piece of the bytes; after the last one, ends the decoding.
bool DecodedTextSource::readMore() {
    if (m_ended)
        return false;
    bool last = false;
    const std::string_view piece = nextPiece(last);
    if (!m_decoder.append(piece))
        return fail(m_decoder.error());
    if (!last)
        return true;
    m_ended = true;
    if (m_file && std::ferror(m_file))
        return fail("The file cannot be read: " + std::string(std::strerror(errno)));
    if (!m_decoder.finish())
        return fail(m_decoder.error());
    return true;
}

std::string_view DecodedTextSource::nextPiece(bool& last) {
    if (m_file) {
        const std::size_t got = std::fread(m_block.data(), 1, m_block.size(), m_file);
        last = got < m_block.size();
        return std::string_view(m_block).substr(0, got);
    }
    const std::string_view piece = m_bytes.substr(m_bytesRead, m_pieceSize);
    m_bytesRead += piece.size();
    last = m_bytesRead == m_bytes.size();
    return piece;
}

bool DecodedTextSource::fail(std::string reason) {
    m_error = std::move(reason);
    m_ended = true;
    return true;
}

bool DecodedTextSource::readRest() {
    while (readMore())
        drop(m_text.size());
    return m_error.empty();
}

void DecodedTextSource::drop(std::size_t count) {
    m_text.dropFront(count);
    m_dropped += count;
}

CollectionFile::Place DecodedTextSource::placeOf(std::size_t position) {
    if (m_dropped == 0)
        return CollectionFile::placeOf(m_text.view(), position);
    if (!m_file) {
        DecodedTextSource again(m_bytes);
        return placeIn(again, position);
    }
    std::rewind(m_file);
    DecodedTextSource again(m_file);
    return placeIn(again, position);
}

// Counts lines through `again`'s text, piece by piece, up to `position`.
CollectionFile::Place DecodedTextSource::placeIn(DecodedTextSource& again, std::size_t position) {
    CollectionFile::Place place;
    std::size_t left = position;
    while (again.m_text.size() < left && again.readMore()) {
        if (again.m_text.size() < left) {
            place = CollectionFile::placeAfter(place, again.m_text.view());
            left -= again.m_text.size();
            again.m_text.clear();
        }
    }
    return CollectionFile::placeAfter(place, again.m_text.view().substr(0, left));
}
