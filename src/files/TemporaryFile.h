#pragma once

#include <string>
#include <string_view>

// A new file in a folder that only its creator can read, which becomes the
// target once complete. Where the system allows, it has no name while it is
// written, so that nothing is left behind when the program is killed; else it
// has a short name of its own (any target name that fits the folder fits).
class TemporaryFile {
public:
    // Names this program gives its temporary files: prefix, process id, counter.
    static constexpr std::string_view kPrefix = ".protoscribe-";

    explicit TemporaryFile(const std::string& folder);
    ~TemporaryFile();
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    // -1 when the file could not be created; error() says why.
    int fd() const { return m_fd; }
    int error() const { return m_error; }
    // Closes the file and renames it over `target`; false (errno kept) when
    // that failed, and the file is removed.
    bool replace(const std::string& target);

    // Removes temporary files of this program in `folder` whose process has
    // ended (killed, or stopped by a full disk before it could clean up).
    static void removeLeftovers(const std::string& folder);

private:
    bool giveName();

    std::string m_folder;
    std::string m_name;
    int m_fd = -1;
    int m_error = 0;
};
