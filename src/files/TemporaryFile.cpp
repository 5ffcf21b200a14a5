#include "files/TemporaryFile.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <unistd.h>

namespace {

std::string nextName(const std::string& folder) {
    static std::atomic<unsigned> counter{0};
    return folder + "/" + std::string(TemporaryFile::kPrefix) + std::to_string(::getpid()) + "-" +
           std::to_string(counter++);
}

// The process id in a name this program gave, or 0.
pid_t ownerOf(std::string_view name) {
    if (!name.starts_with(TemporaryFile::kPrefix))
        return 0;
    name.remove_prefix(TemporaryFile::kPrefix.size());
    pid_t pid = 0;
    std::size_t i = 0;
    for (; i < name.size() && name[i] >= '0' && name[i] <= '9' && pid < 100000000; ++i)
        pid = pid * 10 + (name[i] - '0');
    return i > 0 && i < name.size() && name[i] == '-' ? pid : 0;
}

bool isRunning(pid_t pid) { return ::kill(pid, 0) == 0 || errno == EPERM; }

} // namespace

TemporaryFile::TemporaryFile(const std::string& folder) : m_folder(folder) {
    m_fd = ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
    if (m_fd >= 0)
        return;
    // File systems without unnamed files: a named one, private from the start.
    for (int attempt = 0; attempt < 100; ++attempt) {
        m_name = nextName(folder);
        m_fd = ::open(m_name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (m_fd >= 0 || errno != EEXIST)
            break;
    }
    if (m_fd < 0) {
        m_error = errno;
        m_name.clear();
    }
}

TemporaryFile::~TemporaryFile() {
    if (m_fd >= 0)
        ::close(m_fd);
    if (!m_name.empty())
        ::unlink(m_name.c_str());
}

// An unnamed file is linked under a name first: a link cannot replace a file.
bool TemporaryFile::giveName() {
    if (!m_name.empty())
        return true;
    const std::string self = "/proc/self/fd/" + std::to_string(m_fd);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string name = nextName(m_folder);
        if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0) {
            m_name = name;
            return true;
        }
        if (errno != EEXIST)
            return false;
    }
    return false;
}

bool TemporaryFile::replace(const std::string& target) {
    const bool named = giveName();
    int error = named ? 0 : errno;
    if (::close(m_fd) != 0 && error == 0)
        error = errno;
    m_fd = -1;
    if (error == 0 && std::rename(m_name.c_str(), target.c_str()) != 0)
        error = errno;
    if (error != 0) {
        errno = error;
        return false;
    }
    m_name.clear();
    return true;
}

void TemporaryFile::removeLeftovers(const std::string& folder) {
    std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.c_str()), &::closedir);
    if (!dir)
        return;
    while (const dirent* entry = ::readdir(dir.get())) {
        const pid_t owner = ownerOf(entry->d_name);
        if (owner > 0 && owner != ::getpid() && !isRunning(owner))
            ::unlinkat(::dirfd(dir.get()), entry->d_name, 0);
    }
}
