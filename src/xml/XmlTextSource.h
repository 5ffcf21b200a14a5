#pragma once

#include <cstddef>
#include <string_view>

// A text the reader takes in pieces instead of whole, so that a long document
// is never held in memory at once: the reader reads more when it needs more,
// and drops what it is done with.
class XmlTextSource {
public:
    virtual ~XmlTextSource() = default;

    // The part of the text read and not dropped yet.
    virtual std::string_view text() const = 0;
    // Reads more of the text onto the end of text(); false once there is
    // nothing more to read.
    virtual bool readMore() = 0;
    // The reader is done with the first `count` bytes of text().
    virtual void drop(std::size_t count) = 0;
};
