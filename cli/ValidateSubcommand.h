#pragma once

#include <ostream>
#include <string>
#include <vector>

// "validate FILE [--schema XSD]": the schema report of a collection file. The
// installed schema is looked for beside this executable.
int runValidate(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

// The same with the folders of the installed schema given. Writes the report
// to `out` when the file was judged, and to `err` otherwise. Returns 0 when
// the file is valid, 1 when it is not, 2 for an error report or a usage error.
int runValidateWith(const std::vector<std::string>& arguments,
                    const std::vector<std::string>& installedSchemaDirs, std::ostream& out,
                    std::ostream& err);

// The folders where this executable's installed schema is looked for.
std::vector<std::string> installedSchemaDirs();
