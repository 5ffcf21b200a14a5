#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// The parts of a loaded file that the model has no place for, and that a save
// would therefore leave out: one entry per path, with how often it occurred.
class NotKeptReport {
public:
    struct Entry {
        std::string path;
        std::size_t count = 0;
    };

    static constexpr std::size_t kListedLines = 20;
    static constexpr std::string_view kHeading =
        "These parts of the file are not kept by Protoscribe and will be missing when it is "
        "saved:";

    void add(std::string path, std::size_t count = 1);
    // The file is the registry's public record of a study, not an upload file.
    void setPublicRecord() { m_publicRecord = true; }
    bool isPublicRecord() const { return m_publicRecord; }

    bool empty() const { return m_entries.empty() && !m_publicRecord; }
    const std::vector<Entry>& entries() const { return m_entries; }

    // The text shown to the user: a line on the public record format first
    // when it applies, the heading, then at most kListedLines entries.
    std::string message() const;

private:
    std::vector<Entry> m_entries;
    std::unordered_map<std::string, std::size_t> m_index;
    bool m_publicRecord = false;
};
