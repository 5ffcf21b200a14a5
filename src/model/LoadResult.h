#pragma once

#include "model/NotKeptReport.h"

#include <string>

// Outcome of loading a collection file.
struct LoadResult {
    bool ok = false;
    // Why the load failed and where, as the user reads it; empty on success.
    std::string message;
    // The file does not exist (a remembered file may have been removed since).
    bool fileMissing = false;
    // What a successful load could not keep.
    NotKeptReport notKept;
};
