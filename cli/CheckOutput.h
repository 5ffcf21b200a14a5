#pragma once

#include "cli/CheckFinding.h"

#include <ostream>
#include <span>
#include <string>
#include <string_view>

// The two forms of the check's findings.
class CheckOutput {
public:
    static constexpr std::string_view kSchemaRule = "schema";

    // One finding a line: "ID: error: status: MESSAGE", with the list entry
    // before the message when there is one ("location 2: ..."); schema
    // findings as "FILE:LINE:COLUMN: error: schema: MESSAGE".
    static void writeText(std::span<const CheckFinding> findings, const std::string& file,
                          std::ostream& out);
    // A JSON array of objects {protocol, severity, rule, section, path,
    // message}, with "list" and "item" for a list entry and "file", "line",
    // "column" for a schema finding (whose protocol is null).
    static void writeJson(std::span<const CheckFinding> findings, const std::string& file,
                          std::ostream& out);
    // `text` as a JSON string, quotes included.
    static std::string jsonString(std::string_view text);
};
