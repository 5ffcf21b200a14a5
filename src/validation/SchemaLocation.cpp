#include "validation/SchemaLocation.h"

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

std::vector<std::string> SchemaLocation::installedDirsFor(const std::string& executablePath) {
    const fs::path programDir = fs::path(executablePath).parent_path();
    return {programDir.string(), (programDir / ".." / "share" / "protoscribe").string()};
}

std::vector<std::string> SchemaLocation::candidates() const {
    if (!explicitPath.empty())
        return {explicitPath};

    std::vector<std::string> paths;
    std::error_code ec;
    const fs::path cwd = fs::current_path(ec);
    paths.push_back(ec ? std::string(kFileName) : (cwd / kFileName).string());
    for (const std::string& dir : installedDirs) {
        if (!dir.empty())
            paths.push_back((fs::path(dir) / kFileName).string());
    }
    return paths;
}

std::optional<std::string> SchemaLocation::resolve() const {
    for (const std::string& path : candidates()) {
        std::error_code ec;
        if (fs::is_regular_file(path, ec))
            return path;
    }
    return std::nullopt;
}
