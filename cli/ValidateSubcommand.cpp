#include "cli/ValidateSubcommand.h"

#include "validation/SchemaLocation.h"
#include "validation/SchemaValidator.h"

#include <filesystem>
#include <optional>
#include <system_error>

namespace {

constexpr int kExitValid = 0;
constexpr int kExitInvalid = 1;
constexpr int kExitError = 2;

constexpr const char* kUsage = "usage: protoscribe-cli validate FILE [--schema XSD]\n";

struct Arguments {
    std::string file;
    std::string schema;
};

std::optional<Arguments> parseArguments(const std::vector<std::string>& args) {
    Arguments parsed;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--schema") {
            if (i + 1 >= args.size() || !parsed.schema.empty())
                return std::nullopt;
            parsed.schema = args[++i];
            if (parsed.schema.empty())
                return std::nullopt;
        } else if (parsed.file.empty() && !args[i].empty() && !args[i].starts_with("--")) {
            parsed.file = args[i];
        } else {
            return std::nullopt;
        }
    }
    if (parsed.file.empty())
        return std::nullopt;
    return parsed;
}

std::string executablePath() {
    std::error_code error;
    const std::filesystem::path path = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string() : path.string();
}

} // namespace

std::vector<std::string> installedSchemaDirs() {
    const std::string executable = executablePath();
    return executable.empty() ? std::vector<std::string>()
                              : SchemaLocation::installedDirsFor(executable);
}

int runValidate(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    return runValidateWith(arguments, installedSchemaDirs(), out, err);
}

int runValidateWith(const std::vector<std::string>& arguments,
                    const std::vector<std::string>& installedDirs, std::ostream& out,
                    std::ostream& err) {
    const std::optional<Arguments> parsed = parseArguments(arguments);
    if (!parsed) {
        err << kUsage;
        return kExitError;
    }
    SchemaLocation location{parsed->schema, installedDirs};
    const ValidationReport report = validateFile(parsed->file, location);
    if (report.status == ValidationReport::Status::Error) {
        err << report.text << '\n';
        return kExitError;
    }
    if (!report.writeTo(out)) {
        err << report.changedText() << '\n';
        return kExitError;
    }
    if (!(out << '\n' << std::flush)) {
        err << "protoscribe-cli: the report could not be written\n";
        return kExitError;
    }
    return report.status == ValidationReport::Status::Succeeded ? kExitValid : kExitInvalid;
}
