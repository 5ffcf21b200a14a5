#pragma once

#include "model/SaveResult.h"

#include <functional>
#include <string>
#include <string_view>

// Replaces a file's content without ever leaving it half written: the bytes go
// to a temporary file in the target's folder, are flushed to disk, and the
// temporary file is renamed over the target. On failure the target is
// untouched and the temporary file is removed.
class AtomicFileWriter {
public:
    // Writes one piece to the temporary file; false when it could not.
    using Sink = std::function<bool(std::string_view)>;
    // Calls the sink once per piece of the new content; returns false when
    // the sink refused one.
    using Producer = std::function<bool(const Sink&)>;

    static SaveResult write(const std::string& path, std::string_view bytes);
    static SaveResult write(const std::string& path, const Producer& produce);
};
