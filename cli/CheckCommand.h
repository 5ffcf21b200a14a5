#pragma once

#include <ostream>
#include <string>
#include <vector>

// "check FILE [--format text|json]": the schema check of the file and the
// registry's rules on every protocol. Exit 0 without errors (warnings
// allowed), 1 with one, 2 when the check could not run, 64 wrong usage.
int runCheck(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

// The same with the folders of the installed schema given.
int runCheckWith(const std::vector<std::string>& arguments,
                 const std::vector<std::string>& installedSchemaDirs, std::ostream& out,
                 std::ostream& err);
