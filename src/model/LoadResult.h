#pragma once

#include <string>

// Outcome of loading a collection. `message` is empty when the reader
// recorded no error (an empty, missing or unreadable file).
struct LoadResult {
    bool ok = false;
    std::string message;
};
