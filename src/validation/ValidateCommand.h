#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// The command-line "validate FILE [--schema XSD]" command. `args` are the words after
// "validate"; `installedSchemaDirs` are the folders holding the installed schema.
// Writes the report to `out` when the file was judged, and to `err` otherwise.
// Returns 0 when the file is valid, 1 when it is not, 2 for an error report or a
// usage error.
int runValidateCommand(const std::vector<std::string>& args,
                       const std::vector<std::string>& installedSchemaDirs, std::ostream& out,
                       std::ostream& err);
