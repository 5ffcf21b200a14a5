#pragma once

// The protocols the benchmarks work on: deterministic, realistically filled records
// (multi-line texts, entities, five outcomes, ten locations each).

#include "model/StudyCollection.h"

#include <string>

class StudyGenerator {
public:
    // Fills `record` as protocol number `index`; the same index gives the same record.
    static void fill(StudyRecord& record, int index);
    // Saves a collection of `count` generated protocols to `path`; exits on failure.
    static void saveCollection(int count, const std::string& path);
};
