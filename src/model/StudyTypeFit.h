#pragma once

#include <string>
#include <string_view>
#include <vector>

class StudyRecord;

// What of a record belongs to which study type ("Interventional",
// "Observational", "Expanded Access"): the designs, arm types, the
// observational eligibility fields, and for expanded access the status, dates,
// enrollment, outcome measures and arms it does not have.
class StudyTypeFit {
public:
    // The parts that hold something and do not belong to `studyType`, in the
    // user's words and in page order ("Interventional Design", "arm types").
    static std::vector<std::string> misfits(const StudyRecord& record, std::string_view studyType);
    // Empties those parts.
    static void removeMisfits(StudyRecord& record, std::string_view studyType);
};
