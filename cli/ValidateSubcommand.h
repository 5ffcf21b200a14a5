#pragma once

#include <ostream>
#include <string>
#include <vector>

// "validate FILE [--schema XSD]": the schema report of a collection file. The
// installed schema is looked for beside this executable.
int runValidate(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);
