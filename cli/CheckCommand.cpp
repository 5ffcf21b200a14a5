#include "cli/CheckCommand.h"

#include "cli/CheckFinding.h"
#include "cli/CheckOutput.h"
#include "cli/CliCommand.h"
#include "cli/CollectionLoading.h"
#include "cli/ValidateSubcommand.h"
#include "model/RegistryRules.h"
#include "model/StudyCollection.h"
#include "validation/SchemaValidator.h"

#include <algorithm>
#include <optional>

namespace {

constexpr int kExitClean = 0;
constexpr int kExitErrors = 1;
constexpr int kExitCouldNotRun = 2;

constexpr const char* kUsage = "usage: protoscribe-cli check FILE [--format text|json]\n";

struct Arguments {
    std::string file;
    bool json = false;
};

std::optional<Arguments> parseArguments(const std::vector<std::string>& args) {
    Arguments parsed;
    std::optional<std::string> format;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--format" && !format && i + 1 < args.size()) {
            format = args[++i];
        } else if (parsed.file.empty() && !args[i].empty() && !args[i].starts_with("--")) {
            parsed.file = args[i];
        } else {
            return std::nullopt;
        }
    }
    if (parsed.file.empty() || (format && *format != "text" && *format != "json"))
        return std::nullopt;
    parsed.json = format == "json";
    return parsed;
}

std::string protocolName(const StudyCollection& collection, std::size_t index) {
    const std::string& id = collection.records[index]->id_info.org_study_id;
    if (id.find_first_not_of(' ') != std::string::npos)
        return id;
    return "protocol " + std::to_string(index + 1);
}

CheckFinding fromRule(const RuleFinding& finding, const StudyCollection& collection) {
    CheckFinding line;
    line.severity = finding.severity;
    line.protocol = protocolName(collection, finding.record);
    line.rule = finding.rule;
    line.section = finding.section;
    line.path = finding.path;
    line.list = finding.list;
    line.item = finding.item;
    line.message = finding.message;
    return line;
}

CheckFinding fromSchema(const ValidationReport& report) {
    CheckFinding line;
    line.message = report.firstError.reason;
    line.line = report.firstError.line;
    line.column = report.firstError.column;
    return line;
}

} // namespace

int runCheck(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    return runCheckWith(arguments, installedSchemaDirs(), out, err);
}

int runCheckWith(const std::vector<std::string>& arguments,
                 const std::vector<std::string>& installedDirs, std::ostream& out,
                 std::ostream& err) {
    const std::optional<Arguments> parsed = parseArguments(arguments);
    if (!parsed) {
        err << kUsage;
        return kExitUsage;
    }
    StudyCollection collection;
    if (!loadCollectionOrReport(parsed->file, collection, err))
        return kExitCouldNotRun;
    const ValidationReport report = validateFile(parsed->file, SchemaLocation{{}, installedDirs});
    if (report.status == ValidationReport::Status::Error) {
        err << report.text << '\n';
        return kExitCouldNotRun;
    }

    std::vector<CheckFinding> findings;
    if (report.status == ValidationReport::Status::Failed)
        findings.push_back(fromSchema(report));
    for (const RuleFinding& finding : RegistryRules::check(collection, RuleContext::now()))
        findings.push_back(fromRule(finding, collection));

    if (parsed->json)
        CheckOutput::writeJson(findings, parsed->file, out);
    else
        CheckOutput::writeText(findings, parsed->file, out);
    if (!(out << std::flush)) {
        err << "protoscribe-cli: the findings could not be written\n";
        return kExitCouldNotRun;
    }
    const bool anyError = std::any_of(findings.begin(), findings.end(), [](const CheckFinding& f) {
        return f.severity == RuleSeverity::Error;
    });
    return anyError ? kExitErrors : kExitClean;
}
