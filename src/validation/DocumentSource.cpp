#include "validation/DocumentSource.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <ostream>
#include <system_error>
#include <unistd.h>

namespace {

constexpr std::size_t kChunkSize = 64 * 1024;

bool sameTime(const timespec& a, const timespec& b) {
    return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

} // namespace

std::shared_ptr<DocumentSource> DocumentSource::open(const std::string& path,
                                                     std::string& failure) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY);
    struct stat opened {};
    if (fd < 0 || ::fstat(fd, &opened) != 0) {
        failure = std::generic_category().message(errno);
        if (fd >= 0)
            ::close(fd);
        return nullptr;
    }
    return std::shared_ptr<DocumentSource>(new DocumentSource(path, fd, opened));
}

DocumentSource::DocumentSource(std::string path, int fd, const struct stat& opened)
    : m_path(std::move(path)), m_fd(fd), m_opened(opened), m_regular(S_ISREG(opened.st_mode)) {}

DocumentSource::~DocumentSource() {
    ::close(m_fd);
}

long DocumentSource::read(std::uint64_t offset, char* buffer, std::size_t size) {
    if (!m_regular)
        return readKept(offset, buffer, size);
    ssize_t got = -1;
    do {
        got = ::pread(m_fd, buffer, size, static_cast<off_t>(offset));
    } while (got < 0 && errno == EINTR);
    if (got == 0 && size > 0 && !m_end)
        m_end = offset;
    return static_cast<long>(got);
}

// A pipe cannot be read twice: what was read once is served from memory.
long DocumentSource::readKept(std::uint64_t offset, char* buffer, std::size_t size) {
    if (offset < m_kept.size()) {
        const std::size_t count = std::min<std::size_t>(size, m_kept.size() - offset);
        std::memcpy(buffer, m_kept.data() + offset, count);
        return static_cast<long>(count);
    }
    ssize_t got = -1;
    do {
        got = ::read(m_fd, buffer, size);
    } while (got < 0 && errno == EINTR);
    if (got > 0)
        m_kept.append(buffer, static_cast<std::size_t>(got));
    else if (got == 0 && size > 0 && !m_end)
        m_end = m_kept.size();
    return static_cast<long>(got);
}

std::string DocumentSource::lineText(long number) {
    if (number < 1)
        return {};
    std::string chunk(kChunkSize, '\0');
    std::string line;
    long current = 1;
    for (std::uint64_t offset = 0;;) {
        const long got = read(offset, chunk.data(), chunk.size());
        if (got <= 0)
            break;
        offset += static_cast<std::uint64_t>(got);
        const char* at = chunk.data();
        const char* end = at + got;
        while (at < end && current <= number) {
            const char* feed = std::find(at, end, '\n');
            if (current == number)
                line.append(at, feed);
            current += feed < end ? 1 : 0;
            at = feed < end ? feed + 1 : end;
        }
        if (current > number)
            break;
    }
    if (current < number)
        return {};
    while (!line.empty() && line.back() == '\r')
        line.pop_back();
    return line;
}

bool DocumentSource::unchanged() const {
    if (!m_regular)
        return true;
    struct stat now {};
    return ::fstat(m_fd, &now) == 0 && now.st_size == m_opened.st_size &&
           sameTime(now.st_mtim, m_opened.st_mtim);
}

bool DocumentSource::copyTo(std::ostream& out) {
    if (!m_end)
        return false;
    if (!m_regular) {
        out.write(m_kept.data(), static_cast<std::streamsize>(m_kept.size()));
        return true;
    }
    std::string chunk(kChunkSize, '\0');
    for (std::uint64_t offset = 0; offset < *m_end;) {
        const std::size_t wanted =
            static_cast<std::size_t>(std::min<std::uint64_t>(chunk.size(), *m_end - offset));
        const long got = read(offset, chunk.data(), wanted);
        if (got <= 0)
            return false;
        out.write(chunk.data(), got);
        offset += static_cast<std::uint64_t>(got);
    }
    return true;
}
