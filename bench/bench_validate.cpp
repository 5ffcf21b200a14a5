// The validate command beside xmllint on the same large collection file.
//
// Saves 10,000 generated protocols, then runs `protoscribe-cli validate FILE
// --schema XSD` (its report, the whole document included, goes to /dev/null)
// and `xmllint --noout --schema XSD FILE` in alternating rounds. Each run is a
// child process: its wall time is measured around the spawn and its peak
// resident set comes from wait4. The file is generated in a child of its own.
// Prints the medians of the per-round ratios.
#include "BenchTiming.h"
#include "StudyGenerator.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;

constexpr int kProtocols = 10000;
constexpr int kRounds = 5;

struct ChildRun {
    double seconds = 0;
    double peakMegabytes = 0;
};

[[noreturn]] void fail(const std::string& what) {
    std::fprintf(stderr, "bench_validate: %s\n", what.c_str());
    std::exit(1);
}

// Saves the collection in a child process: a child's peak resident set counts that of
// the process it was started from, which therefore must not hold the collection.
void generate(const std::string& file) {
    const pid_t pid = fork();
    if (pid == 0) {
        StudyGenerator::saveCollection(kProtocols, file);
        _exit(0);
    }
    int status = 0;
    if (pid < 0 || waitpid(pid, &status, 0) != pid || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0)
        fail("cannot generate the collection");
}

// Runs `argv` with its output discarded; fails unless it exits with 0.
ChildRun runChild(const std::vector<std::string>& argv) {
    std::vector<char*> args;
    for (const std::string& arg : argv)
        args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);

    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, args[0], &actions, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        fail("cannot start " + argv[0]);
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid)
        fail("lost " + argv[0]);
    const auto end = std::chrono::steady_clock::now();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        fail(argv[0] + " did not find the file valid");
    return {std::chrono::duration<double>(end - start).count(),
            static_cast<double>(usage.ru_maxrss) / 1024.0};
}

} // namespace

int main() {
    const fs::path folder =
        fs::temp_directory_path() / ("bench-validate-" + std::to_string(getpid()));
    fs::create_directories(folder);
    const std::string file = (folder / "collection.xml").string();
    generate(file);
    const double megabytes = static_cast<double>(fs::file_size(file)) / (1024.0 * 1024.0);

    const std::vector<std::string> validate = {PROTOSCRIBE_CLI, "validate", file, "--schema",
                                               PROTOSCRIBE_SCHEMA};
    const std::vector<std::string> xmllint = {XMLLINT, "--noout", "--schema", PROTOSCRIBE_SCHEMA,
                                              file};
    std::vector<double> ours, theirs, timeRatios, memoryRatios;
    for (int round = 0; round < kRounds; ++round) {
        const ChildRun own = runChild(validate);
        const ChildRun reference = runChild(xmllint);
        ours.push_back(own.seconds);
        theirs.push_back(reference.seconds);
        timeRatios.push_back(own.seconds / reference.seconds);
        memoryRatios.push_back(own.peakMegabytes / reference.peakMegabytes);
        std::printf("round %d: validate %.3fs %.1f MB, xmllint %.3fs %.1f MB\n", round + 1,
                    own.seconds, own.peakMegabytes, reference.seconds, reference.peakMegabytes);
    }
    fs::remove_all(folder);

    std::printf("N=%d file=%.1f MB  validate=%.3fs  xmllint=%.3fs\n", kProtocols, megabytes,
                median(ours), median(theirs));
    std::printf("validate/xmllint=%.2f validate_mem/xmllint=%.3f\n", median(timeRatios),
                median(memoryRatios));
    return 0;
}
