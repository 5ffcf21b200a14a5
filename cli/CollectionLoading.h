#pragma once

#include <ostream>
#include <string>

class StudyCollection;

// Loads a collection file as the program's Open does. On failure writes the
// load message, or a line naming the file when the reader recorded none, to
// `err` and returns false.
bool loadCollectionOrReport(const std::string& path, StudyCollection& collection,
                            std::ostream& err);
