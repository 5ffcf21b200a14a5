#pragma once

#include <QString>
#include <string_view>

// Text from the network made short enough for a widget: a text control laid
// out for megabytes of text takes gigabytes of memory.
class BoundedText {
public:
    // The first `limit` UTF-16 units of the decoded bytes, never half of a
    // surrogate pair; only the bytes that can reach them are decoded.
    static QString decode(std::string_view bytes, qsizetype limit);
};
