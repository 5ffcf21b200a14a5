#include "files/AtomicFileWriter.h"

#include "files/FileMetadata.h"
#include "files/TemporaryFile.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace {

SaveResult failure(int error) { return {false, std::generic_category().message(error), false}; }

// The file a path names, through any chain of symbolic links. A link whose
// target does not exist yet names that target, which is then created.
std::string resolvedTarget(const std::string& path) {
    std::string current = path;
    for (int hops = 0; hops < 40; ++hops) {
        struct stat info {};
        if (::lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
            return current;
        std::error_code error;
        const std::filesystem::path link = std::filesystem::read_symlink(current, error);
        if (error)
            return current;
        current = (std::filesystem::path(current).parent_path() / link).lexically_normal().string();
    }
    return current;
}

std::string folderOf(const std::string& target) {
    const std::filesystem::path folder = std::filesystem::path(target).parent_path();
    return folder.empty() ? std::string(".") : folder.string();
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

// Hands the producer's pieces to the file; 0, or the errno that stopped it.
int produceInto(int fd, const AtomicFileWriter::Producer& produce) {
    int error = 0;
    const bool produced = produce([fd, &error](std::string_view piece) {
        if (writeAll(fd, piece))
            return true;
        error = errno;
        return false;
    });
    if (error == 0 && !produced)
        error = EIO;
    if (error == 0 && ::fsync(fd) != 0)
        error = errno;
    return error;
}

// A rename is only durable once the folder that holds the name is flushed.
void syncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

bool readAll(int fd, std::string& bytes) {
    struct stat info {};
    bytes.resize(::fstat(fd, &info) == 0 ? static_cast<std::size_t>(info.st_size) : 0);
    std::size_t filled = 0;
    for (;;) {
        if (filled == bytes.size())
            bytes.resize(bytes.size() + (1 << 16));
        const ssize_t got = ::read(fd, bytes.data() + filled, bytes.size() - filled);
        if (got == 0) {
            bytes.resize(filled);
            return true;
        }
        if (got < 0 && errno != EINTR)
            return false;
        if (got > 0)
            filled += static_cast<std::size_t>(got);
    }
}

bool cannotCreateIn(int error) { return error == EACCES || error == EPERM || error == EROFS; }

} // namespace

SaveResult AtomicFileWriter::write(const std::string& path, std::string_view bytes,
                                   Options options) {
    return write(path, [bytes](const Sink& sink) { return sink(bytes); }, options);
}

SaveResult AtomicFileWriter::write(const std::string& path, const Producer& produce,
                                   Options options) {
    if (path.empty())
        return failure(ENOENT);
    const std::string target = resolvedTarget(path);
    struct stat info {};
    if (::stat(target.c_str(), &info) != 0)
        return replace(target, produce, options);
    if (!S_ISREG(info.st_mode))
        return {false, "This is not a regular file, so it is not replaced.", false};
    if ((info.st_mode & 0222) == 0 && !options.replaceReadOnly)
        return {false, "The file is read-only.", true};
    if (info.st_nlink > 1)
        return writeInPlace(target, produce);
    return replace(target, produce, options);
}

SaveResult AtomicFileWriter::replace(const std::string& target, const Producer& produce,
                                     Options options) {
    const std::string folder = folderOf(target);
    TemporaryFile::removeLeftovers(folder);
    TemporaryFile temporary(folder);
    if (temporary.fd() < 0) {
        if (cannotCreateIn(temporary.error()) && ::access(target.c_str(), W_OK) == 0)
            return writeInPlace(target, produce);
        return failure(temporary.error());
    }
    if (const int error = produceInto(temporary.fd(), produce); error != 0)
        return failure(error);
    FileMetadata::of(target, options.privateNewFile).applyTo(temporary.fd());
    if (::fsync(temporary.fd()) != 0 || !temporary.replace(target))
        return failure(errno);
    syncFolder(folder);
    return {true, {}, false};
}

// The same file keeps every name and everything it carries; its old bytes are
// written back if the new ones cannot be.
SaveResult AtomicFileWriter::writeInPlace(const std::string& target, const Producer& produce) {
    const int fd = ::open(target.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0)
        return failure(errno);
    std::string old;
    int error = readAll(fd, old) ? 0 : errno;
    if (error == 0 && (::ftruncate(fd, 0) != 0 || ::lseek(fd, 0, SEEK_SET) != 0))
        error = errno;
    if (error == 0)
        error = produceInto(fd, produce);
    if (error != 0 && ::ftruncate(fd, 0) == 0 && ::lseek(fd, 0, SEEK_SET) == 0) {
        writeAll(fd, old);
        ::fsync(fd);
    }
    if (::close(fd) != 0 && error == 0)
        error = errno;
    return error != 0 ? failure(error) : SaveResult{true, {}, false};
}
