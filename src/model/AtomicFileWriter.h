#pragma once

#include "model/SaveResult.h"

#include <string>
#include <string_view>

// Replaces a file's content without ever leaving it half written: the bytes go
// to a temporary file in the target's folder, are flushed to disk, and the
// temporary file is renamed over the target. On failure the target is
// untouched and the temporary file is removed.
class AtomicFileWriter {
public:
    static SaveResult write(const std::string& path, std::string_view bytes);
};
