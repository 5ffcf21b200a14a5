#pragma once

#include <cstddef>
#include <string>
#include <string_view>

enum class RuleSeverity { Error, Warning };

// One thing the registry's review would object to in a record. The views
// point into the rule table, which lives as long as the program.
struct RuleFinding {
    RuleSeverity severity = RuleSeverity::Error;
    std::string_view rule;    // the rule's id, such as "brief_title.length"
    std::string_view section; // the registry module, such as "status"
    std::string_view path;    // the element from clinical_study, such as "location/facility/name"
    // The list element the finding is about ("location") and its position
    // there, from 1; empty and 0 when it is about the record as a whole.
    std::string_view list;
    std::size_t item = 0;
    // The protocol's position in its collection, from 0.
    std::size_t record = 0;
    std::string message;

    static std::string_view severityName(RuleSeverity severity) {
        return severity == RuleSeverity::Error ? "error" : "warning";
    }
};
