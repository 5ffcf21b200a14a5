#pragma once

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

// A file written under a unique temporary name beside its target and renamed over
// the target only when complete, so the target is always either the old or the
// whole new content. Dropped without commit, the temporary file is removed.
class AtomicFile {
public:
    explicit AtomicFile(std::string target);
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    // False when the temporary file could not be created.
    bool isOpen() const { return m_file != nullptr; }
    bool write(std::string_view bytes);
    // Flushes to disk and renames over the target; false (and nothing renamed) on error.
    bool commit();

private:
    struct Closer {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };

    std::string m_target;
    std::string m_temporary;
    std::unique_ptr<std::FILE, Closer> m_file;
    bool m_failed = false;
};
