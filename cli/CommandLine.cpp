#include "cli/CommandLine.h"

#include "cli/ListCommand.h"
#include "cli/NormalizeCommand.h"
#include "cli/ValidateSubcommand.h"
#include "names/NamesAndAddresses.h"

#include <algorithm>

const std::vector<CliCommand>& CommandLine::commands() {
    static const std::vector<CliCommand> kCommands = {
        {"normalize", "IN OUT",
         "load IN as the program opens a file, save it to OUT as the program saves", 2, 2,
         &runNormalize},
        {"list", "FILE",
         "print one line per protocol: ID, brief title, overall status, owner, and \"partial\" "
         "for a partial upload (tab-separated)",
         1,
         1, &runList},
        {"validate", "FILE [--schema XSD]",
         "check FILE against the registry schema; exit 0 valid, 1 invalid, 2 the schema check "
         "could not run",
         1, 3, &runValidate},
    };
    return kCommands;
}

std::string CommandLine::versionLine() {
    return std::string(names::kProductName) + " v" + std::string(names::kProductVersion);
}

std::string CommandLine::usage() {
    std::string text = "usage: " + std::string(kProgramName) + " COMMAND ARGUMENTS\n" + "       " +
                       std::string(kProgramName) + " --help | --version\n\ncommands:\n";
    for (const CliCommand& command : commands()) {
        text += "  " + std::string(command.name) + " " + std::string(command.arguments) + "\n";
        text += "      " + std::string(command.summary) + "\n";
    }
    text += "\nexit status: 0 done, 1 the input could not be loaded, 2 the output could not be "
            "written, 64 wrong usage\n";
    return text;
}

namespace {

const CliCommand* findCommand(const std::string& name) {
    const auto& all = CommandLine::commands();
    const auto found = std::find_if(
        all.begin(), all.end(), [&](const CliCommand& command) { return command.name == name; });
    return found == all.end() ? nullptr : &*found;
}

std::string commandUsage(const CliCommand& command) {
    return "usage: " + std::string(CommandLine::kProgramName) + " " + std::string(command.name) +
           " " + std::string(command.arguments) + "\n";
}

} // namespace

int CommandLine::run(const std::vector<std::string>& arguments, std::ostream& out,
                     std::ostream& err) {
    if (arguments.empty()) {
        err << usage();
        return kExitUsage;
    }
    const std::string& first = arguments.front();
    if (first == "--help" || first == "-h" || first == "help") {
        out << usage();
        return kExitSuccess;
    }
    if (first == "--version") {
        out << versionLine() << "\n";
        return kExitSuccess;
    }
    const CliCommand* command = findCommand(first);
    if (!command) {
        err << kProgramName << ": unknown command '" << first << "'\n\n" << usage();
        return kExitUsage;
    }
    const std::vector<std::string> rest(arguments.begin() + 1, arguments.end());
    if (std::find(rest.begin(), rest.end(), "--help") != rest.end()) {
        out << commandUsage(*command) << "  " << command->summary << "\n";
        return kExitSuccess;
    }
    if (rest.size() < command->minArguments || rest.size() > command->maxArguments) {
        err << commandUsage(*command);
        return kExitUsage;
    }
    return command->run(rest, out, err);
}
