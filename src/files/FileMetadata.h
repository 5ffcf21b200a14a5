#pragma once

#include <string>
#include <sys/types.h>
#include <utility>
#include <vector>

// What a file carries besides its bytes, taken from an existing file so that
// the file that replaces it carries the same: owner and group, permissions,
// extended attributes (access control lists among them).
class FileMetadata {
public:
    // A new file's when `path` names no file: read and write for the owner
    // only when private, else for whom the umask allows.
    static FileMetadata of(const std::string& path, bool privateNewFile = false);

    // Applies all to the open file; owner and group only where the process may
    // set them. Permissions come before the attributes, since an access control
    // list sets the group bits itself.
    void applyTo(int fd) const;

private:
    bool m_existing = false;
    uid_t m_owner = 0;
    gid_t m_group = 0;
    mode_t m_mode = 0600;
    std::vector<std::pair<std::string, std::string>> m_attributes;
};
