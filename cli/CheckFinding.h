#pragma once

#include "model/RuleFinding.h"

#include <string>
#include <string_view>

// One line of the check's output: a rule finding on a protocol, or the
// schema's verdict on the file.
struct CheckFinding {
    RuleSeverity severity = RuleSeverity::Error;
    // The protocol's Unique Protocol ID, or "protocol N" when it has none;
    // empty for a schema finding.
    std::string protocol;
    std::string_view rule;
    std::string_view section;
    std::string_view path;
    std::string_view list;
    std::size_t item = 0;
    std::string message;
    // Where a schema finding lies in the file (0 when unknown).
    long line = 0;
    int column = 0;

    bool isSchema() const { return protocol.empty(); }
};
