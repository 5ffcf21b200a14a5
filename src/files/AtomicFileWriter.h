#pragma once

#include "files/SaveResult.h"

#include <functional>
#include <string>
#include <string_view>

struct SaveOptions {
    // A read-only target is left alone unless the caller asked the user.
    bool replaceReadOnly = false;
    // A file that does not exist yet is made readable by its owner only
    // (otherwise as the umask allows).
    bool privateNewFile = false;
};

// Replaces a file's content without ever leaving it half written and without
// losing what the file was: the bytes go to a private temporary file in the
// target's folder, are flushed to disk, take the target's owner, permissions
// and extended attributes, and the temporary file is renamed over the target,
// the folder flushed after it. A symbolic link is kept and the file it names
// is written. A file with several hard links, or in a folder where no new file
// may be made, is written in place, its old bytes kept to put back on failure.
// Only regular files are replaced. On failure the target is as it was.
class AtomicFileWriter {
public:
    // Writes one piece; false when it could not.
    using Sink = std::function<bool(std::string_view)>;
    // Calls the sink once per piece of the new content; returns false when
    // the sink refused one.
    using Producer = std::function<bool(const Sink&)>;
    using Options = SaveOptions;

    static SaveResult write(const std::string& path, std::string_view bytes,
                            Options options = {});
    static SaveResult write(const std::string& path, const Producer& produce,
                            Options options = {});

private:
    static SaveResult replace(const std::string& target, const Producer& produce,
                              Options options);
    static SaveResult writeInPlace(const std::string& target, const Producer& produce);
};
