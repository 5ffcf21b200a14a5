#pragma once

#include "web/Deadline.h"
#include "web/TextLines.h"

#include <optional>
#include <string>

// Downloads an address into the per-user cache folder and hands back the file's
// path. Redirects are followed up to a fixed count; a download that fails, ends in
// an error status or outgrows the size limit leaves no file behind. Each address has
// its own file, replaced atomically by every new download of it, so a reader never
// sees a half-written copy. Safe to use from several threads at once.
class CacheDownload {
public:
    static constexpr long kMaxRedirects = 10;

    // Downloads into the given folder (created when missing).
    explicit CacheDownload(std::string directory = defaultDirectory());

    const std::string& directory() const { return m_directory; }

    // What a download came to: the copy's path when it succeeded, and the status
    // of the server's last answer, 0 when no server answered.
    struct Result {
        std::optional<std::string> path;
        long status = 0;
    };

    // Path of the downloaded copy, or none. The download ends by the deadline,
    // or within Deadline::kActionTime.
    std::optional<std::string> download(const std::string& address) const;
    std::optional<std::string> download(const std::string& address, const Deadline& deadline) const;
    Result fetch(const std::string& address, const Deadline& deadline) const;

    // "$XDG_CACHE_HOME/Protoscribe", or "~/.cache/Protoscribe" when that is unset
    // or not absolute; empty when neither is known.
    static std::string defaultDirectory();

    // The file's lines without "\n" or "\r\n"; none when it cannot be read.
    static std::optional<TextLines> readLines(const std::string& path);

private:
    std::string m_directory;
};
