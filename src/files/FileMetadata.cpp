#include "files/FileMetadata.h"

#include <fstream>
#include <string_view>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace {

// The list of a file's attribute names, NUL-separated.
std::string attributeNames(const std::string& path) {
    for (;;) {
        const ssize_t size = ::listxattr(path.c_str(), nullptr, 0);
        if (size <= 0)
            return {};
        std::string names(static_cast<std::size_t>(size), '\0');
        const ssize_t got = ::listxattr(path.c_str(), names.data(), names.size());
        if (got >= 0) {
            names.resize(static_cast<std::size_t>(got));
            return names;
        }
        if (errno != ERANGE)
            return {};
    }
}

std::string attributeValue(const std::string& path, const char* name) {
    for (;;) {
        const ssize_t size = ::getxattr(path.c_str(), name, nullptr, 0);
        if (size < 0)
            return {};
        std::string value(static_cast<std::size_t>(size), '\0');
        const ssize_t got = ::getxattr(path.c_str(), name, value.data(), value.size());
        if (got >= 0) {
            value.resize(static_cast<std::size_t>(got));
            return value;
        }
        if (errno != ERANGE)
            return {};
    }
}

// The umask as the kernel reports it; reading it with umask() would change it
// for a moment under every other thread.
mode_t currentUmask() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.starts_with("Umask:"))
            return static_cast<mode_t>(std::stoul(line.substr(6), nullptr, 8));
    }
    const mode_t mask = ::umask(022);
    ::umask(mask);
    return mask;
}

} // namespace

FileMetadata FileMetadata::of(const std::string& path, bool privateNewFile) {
    FileMetadata metadata;
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        metadata.m_mode = privateNewFile ? 0600 : 0666 & ~currentUmask();
        return metadata;
    }
    metadata.m_existing = true;
    metadata.m_owner = info.st_uid;
    metadata.m_group = info.st_gid;
    metadata.m_mode = info.st_mode & 07777;
    const std::string names = attributeNames(path);
    for (std::size_t at = 0; at < names.size();) {
        const std::size_t end = names.find('\0', at);
        const std::string name = names.substr(at, end - at);
        metadata.m_attributes.emplace_back(name, attributeValue(path, name.c_str()));
        at = end == std::string::npos ? names.size() : end + 1;
    }
    return metadata;
}

void FileMetadata::applyTo(int fd) const {
    if (m_existing) {
        // Another owner is the privilege of few, another group that of its
        // members; what cannot be set stays the saver's.
        if (::fchown(fd, m_owner, m_group) != 0 &&
            ::fchown(fd, static_cast<uid_t>(-1), m_group) != 0) {
        }
    }
    ::fchmod(fd, m_mode);
    for (const auto& [name, value] : m_attributes)
        ::fsetxattr(fd, name.c_str(), value.data(), value.size(), 0);
}
