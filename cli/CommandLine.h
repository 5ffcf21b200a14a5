#pragma once

#include "cli/CliCommand.h"

#include <ostream>
#include <string>
#include <vector>

// Dispatches the arguments (without the program name) to a subcommand.
class CommandLine {
public:
    static constexpr std::string_view kProgramName = "protoscribe-cli";

    static int run(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);
    static const std::vector<CliCommand>& commands();
    static std::string usage();
    static std::string versionLine();
};
