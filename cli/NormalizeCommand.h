#pragma once

#include <ostream>
#include <string>
#include <vector>

// normalize IN OUT: loads IN and saves it to OUT in the program's layout.
int runNormalize(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);
