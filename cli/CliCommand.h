#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

// Exit codes of protoscribe-cli.
inline constexpr int kExitSuccess = 0;
inline constexpr int kExitLoadFailed = 1;
inline constexpr int kExitWriteFailed = 2;
inline constexpr int kExitUsage = 64;

// One subcommand: its name, the arguments it takes (for the usage text), a
// one-line summary, the accepted argument count, and the code that runs it.
struct CliCommand {
    using Run = int (*)(const std::vector<std::string>& arguments, std::ostream& out,
                        std::ostream& err);

    std::string_view name;
    std::string_view arguments;
    std::string_view summary;
    std::size_t minArguments;
    std::size_t maxArguments;
    Run run;
};
