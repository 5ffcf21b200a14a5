#include "web/AtomicFile.h"

#include <cstdlib>
#include <unistd.h>

AtomicFile::AtomicFile(std::string target)
    : m_target(std::move(target)), m_temporary(m_target + ".XXXXXX") {
    const int descriptor = mkstemp(m_temporary.data());
    if (descriptor < 0) {
        m_temporary.clear();
        return;
    }
    m_file.reset(fdopen(descriptor, "wb"));
    if (!m_file) {
        close(descriptor);
    }
}

AtomicFile::~AtomicFile() {
    m_file.reset();
    if (!m_temporary.empty()) {
        unlink(m_temporary.c_str());
    }
}

bool AtomicFile::write(std::string_view bytes) {
    if (!m_file || m_failed) {
        return false;
    }
    m_failed = std::fwrite(bytes.data(), 1, bytes.size(), m_file.get()) != bytes.size();
    return !m_failed;
}

bool AtomicFile::commit() {
    if (!m_file || m_failed) {
        return false;
    }
    std::FILE* file = m_file.release();
    const bool flushed = std::fflush(file) == 0 && fsync(fileno(file)) == 0;
    const bool closed = std::fclose(file) == 0;
    if (!flushed || !closed || std::rename(m_temporary.c_str(), m_target.c_str()) != 0) {
        return false; // the destructor removes the temporary file
    }
    m_temporary.clear();
    return true;
}
