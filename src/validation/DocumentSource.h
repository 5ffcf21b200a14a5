#pragma once

#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <sys/stat.h>

// The file being validated, opened once. Everything the report shows of it (the
// source line of an error, the document of a success report) is read from this one
// open file, never by its name again: a regular file is read again by position,
// anything else (a pipe) is kept in memory as it is read.
class DocumentSource {
public:
    // The opened file, or null with the reason in `failure`.
    static std::shared_ptr<DocumentSource> open(const std::string& path, std::string& failure);
    ~DocumentSource();
    DocumentSource(const DocumentSource&) = delete;
    DocumentSource& operator=(const DocumentSource&) = delete;

    const std::string& path() const { return m_path; }

    // Up to `size` bytes from `offset`, which may not lie beyond what was read so far;
    // 0 at the end of the file, -1 with errno set when the file cannot be read.
    long read(std::uint64_t offset, char* buffer, std::size_t size);

    // Line `number`, counted by line feeds as the parser counts them, without its line
    // end (a saved file's carriage returns before the line feed included); empty when
    // the file has no such line.
    std::string lineText(long number);

    // False once a regular file's size or modification time differ from when it was
    // opened: what it holds now is not what was read.
    bool unchanged() const;

    // Writes the file's bytes from the start to the end that reading reached. False
    // when the end was never reached or the bytes cannot all be read again.
    bool copyTo(std::ostream& out);

private:
    DocumentSource(std::string path, int fd, const struct stat& opened);
    long readKept(std::uint64_t offset, char* buffer, std::size_t size);

    std::string m_path;
    int m_fd = -1;
    struct stat m_opened {};
    bool m_regular = false;
    std::string m_kept; // not a regular file: every byte read so far
    std::optional<std::uint64_t> m_end;
};
