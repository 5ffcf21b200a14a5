#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Where the schema for the registry's namespace is looked for.
//
// An explicit path, when given, is the only candidate. Otherwise a schema file in the
// current working directory comes first (a user can drop the registry's published
// schema and its imports there), then the installed copies in the given folders.
// The bundled schema imports ResultsRecordSchema.xsd from its own folder, so the two
// files are always installed together.
struct SchemaLocation {
    static constexpr std::string_view kFileName = "ProtocolRecordSchema.xsd";

    std::string explicitPath;
    std::vector<std::string> installedDirs;

    // The folders where an installed program keeps its schema: beside the executable,
    // then the product's data folder next to the executable's folder. Give the full path
    // (for example the target of /proc/self/exe), not a bare program name.
    static std::vector<std::string> installedDirsFor(const std::string& executablePath);

    // Every path that is tried, in order.
    std::vector<std::string> candidates() const;
    // The first candidate that is an existing regular file.
    std::optional<std::string> resolve() const;
};
