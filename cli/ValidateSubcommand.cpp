#include "cli/ValidateSubcommand.h"

#include "validation/SchemaLocation.h"
#include "validation/ValidateCommand.h"

#include <filesystem>
#include <system_error>

namespace {

std::string executablePath() {
    std::error_code error;
    const std::filesystem::path path = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string() : path.string();
}

} // namespace

int runValidate(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    const std::string executable = executablePath();
    const std::vector<std::string> installed =
        executable.empty() ? std::vector<std::string>() : SchemaLocation::installedDirsFor(executable);
    return runValidateCommand(arguments, installed, out, err);
}
