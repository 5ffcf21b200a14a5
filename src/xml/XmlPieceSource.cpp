#include "xml/XmlPieceSource.h"

#include <algorithm>

XmlPieceSource::XmlPieceSource(std::string_view whole, std::size_t pieceSize)
    : m_whole(whole), m_pieceSize(std::max<std::size_t>(pieceSize, 1)) {}

bool XmlPieceSource::readMore() {
    if (m_next >= m_whole.size())
        return false;
    m_held.append(m_whole.substr(m_next, m_pieceSize));
    m_next += m_pieceSize;
    m_mostHeld = std::max(m_mostHeld, m_held.size());
    return true;
}

void XmlPieceSource::drop(std::size_t count) {
    if (count > m_held.size()) {
        m_misused = true;
        count = m_held.size();
    }
    m_held.erase(0, count);
    m_dropped += count;
}
