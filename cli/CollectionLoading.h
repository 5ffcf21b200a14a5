#pragma once

#include <ostream>
#include <string>

class StudyCollection;

// Loads a collection file as the program's Open does. On failure writes the
// load message (what failed and where) to `err` and returns false; after a
// load that could not keep everything, writes what it did not keep to `err`.
bool loadCollectionOrReport(const std::string& path, StudyCollection& collection,
                            std::ostream& err);
