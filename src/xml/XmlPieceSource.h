#pragma once

#include "xml/XmlTextSource.h"

#include <cstddef>
#include <string>
#include <string_view>

// A text held in memory, handed to the reader a fixed number of bytes at a
// time, as a file would be: for reading a text the way a source reads it.
// Keeps count of what the reader held and dropped.
class XmlPieceSource : public XmlTextSource {
public:
    XmlPieceSource(std::string_view whole, std::size_t pieceSize);

    std::string_view text() const override { return m_held; }
    bool readMore() override;
    // Dropping more than is held drops all and counts as a misuse.
    void drop(std::size_t count) override;

    std::size_t dropped() const { return m_dropped; }
    std::size_t mostHeld() const { return m_mostHeld; }
    bool misused() const { return m_misused; }

private:
    std::string_view m_whole;
    std::size_t m_pieceSize;
    std::size_t m_next = 0;
    std::string m_held;
    std::size_t m_dropped = 0;
    std::size_t m_mostHeld = 0;
    bool m_misused = false;
};
