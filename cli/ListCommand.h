#pragma once

#include <ostream>
#include <string>
#include <vector>

class StudyRecord;

// list FILE: one line per protocol with the four cells of the main window's list.
int runList(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

// The cells separated by tabs. Line breaks and tabs inside a cell become
// spaces, so that every protocol stays on one line.
std::string listLine(const StudyRecord& record);
