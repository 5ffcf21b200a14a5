#include "model/AtomicFileWriter.h"

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <memory>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace {

SaveResult failure(int error) {
    return {false, std::generic_category().message(error)};
}

// A symbolic link is kept: the file it names is replaced.
std::string resolvedTarget(const std::string& path) {
    struct stat info {};
    if (lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
        return path;
    std::unique_ptr<char, void (*)(void*)> real(realpath(path.c_str(), nullptr), &std::free);
    return real ? std::string(real.get()) : path;
}

// Creates a new file beside the target; the umask applies as for any new file.
int createTemporary(const std::filesystem::path& target, std::string& name) {
    static std::atomic<unsigned> counter{0};
    const std::filesystem::path folder =
        target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string file(1, '.');
        file.append(target.filename().string()).append(".tmp-");
        file.append(std::to_string(getpid())).append("-").append(std::to_string(counter++));
        name = (folder / file).string();
        const int fd = open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// An existing target keeps its permissions.
void keepMode(int fd, const std::string& target) {
    struct stat info {};
    if (stat(target.c_str(), &info) == 0 && S_ISREG(info.st_mode))
        fchmod(fd, info.st_mode & 07777);
}

} // namespace

SaveResult AtomicFileWriter::write(const std::string& path, std::string_view bytes) {
    return write(path, [bytes](const Sink& sink) { return sink(bytes); });
}

SaveResult AtomicFileWriter::write(const std::string& path, const Producer& produce) {
    if (path.empty())
        return failure(ENOENT);
    const std::string target = resolvedTarget(path);
    std::string temporary;
    const int fd = createTemporary(target, temporary);
    if (fd < 0)
        return failure(errno);
    keepMode(fd, target);
    int error = 0;
    const bool produced = produce([fd, &error](std::string_view piece) {
        if (writeAll(fd, piece))
            return true;
        error = errno;
        return false;
    });
    if (error == 0 && !produced)
        error = EIO;
    if (error == 0 && fsync(fd) != 0)
        error = errno;
    if (close(fd) != 0 && error == 0)
        error = errno;
    if (error == 0 && std::rename(temporary.c_str(), target.c_str()) != 0)
        error = errno;
    if (error != 0) {
        unlink(temporary.c_str());
        return failure(error);
    }
    return {true, {}};
}
