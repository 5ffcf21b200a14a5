#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

// A fresh folder under the system's temporary directory, removed with its contents.
class TemporaryFolder {
public:
    TemporaryFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "ps-web-XXXXXX").string();
        if (mkdtemp(pattern.data()) != nullptr) {
            m_path = pattern;
        }
    }
    ~TemporaryFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::string& path() const { return m_path; }

    // Number of entries in the folder, temporary files included.
    std::size_t entryCount() const {
        std::error_code error;
        std::size_t count = 0;
        for (auto it = std::filesystem::directory_iterator(m_path, error);
             it != std::filesystem::directory_iterator(); it.increment(error)) {
            ++count;
        }
        return count;
    }

private:
    std::string m_path;
};
