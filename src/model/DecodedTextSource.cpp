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
    return placesOf({position}).front();
}

std::vector<CollectionFile::Place>
DecodedTextSource::placesOf(const std::vector<std::size_t>& positions) {
    if (m_dropped == 0)
        return placesIn(*this, positions, false);
    if (!m_file) {
        DecodedTextSource again(m_bytes);
        return placesIn(again, positions, true);
    }
    std::rewind(m_file);
    DecodedTextSource again(m_file);
    return placesIn(again, positions, true);
}

// Counts lines through `again`'s text up to each position; piece by piece,
// dropping what is counted, if it may read.
std::vector<CollectionFile::Place> DecodedTextSource::placesIn(
    DecodedTextSource& again, const std::vector<std::size_t>& positions, bool mayRead) {
    std::vector<CollectionFile::Place> places;
    CollectionFile::Place place;
    // Where `place` stands in the whole text, and where again's text starts.
    std::size_t counted = 0;
    std::size_t textStart = 0;
    for (const std::size_t position : positions) {
        while (mayRead && textStart + again.m_text.size() < position && again.readMore()) {
            if (textStart + again.m_text.size() < position) {
                place = CollectionFile::placeAfter(
                    place, again.m_text.view().substr(counted - textStart));
                counted = textStart + again.m_text.size();
                textStart = counted;
                again.m_text.clear();
            }
        }
        const std::size_t end = std::min(position, textStart + again.m_text.size());
        place = CollectionFile::placeAfter(
            place, again.m_text.view().substr(counted - textStart, end - counted));
        counted = end;
        places.push_back(place);
    }
    return places;
}
