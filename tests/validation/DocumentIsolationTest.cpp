#include "validation/SavedFile.h"
#include "validation/SchemaValidator.h"

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <functional>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <optional>
#include <poll.h>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using ::testing::EndsWith;
using ::testing::HasSubstr;
using ::testing::Not;
using Status = ValidationReport::Status;

namespace {

constexpr auto kTimeLimit = std::chrono::seconds(10);
constexpr const char* kSecret = "TOP SECRET";

struct Outcome {
    bool finished = false;
    Status status = Status::Error;
    std::string text; // the whole report
};

std::string wholeText(const ValidationReport& report) {
    std::ostringstream text;
    report.writeTo(text);
    return text.str();
}

void writeAll(int fd, const std::string& bytes) {
    for (std::size_t done = 0; done < bytes.size();) {
        const ssize_t written = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (written <= 0)
            return;
        done += static_cast<std::size_t>(written);
    }
}

// Everything the child writes to `fd`, or nothing when it is not done by the deadline.
std::optional<std::string> readUntilClosed(int fd, std::chrono::steady_clock::time_point deadline) {
    std::string bytes;
    std::string chunk(4096, '\0');
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        pollfd waiting{fd, POLLIN, 0};
        if (left.count() <= 0 || ::poll(&waiting, 1, static_cast<int>(left.count())) <= 0)
            return std::nullopt;
        const ssize_t got = ::read(fd, chunk.data(), chunk.size());
        if (got <= 0)
            return bytes;
        bytes.append(chunk, 0, static_cast<std::size_t>(got));
    }
}

// Validates in a child process, so that a validator stuck on a file that never ends
// fails the test instead of hanging it. `meanwhile` runs here once the child started.
Outcome validateInChild(
    const std::string& path, const std::string& schema,
    const std::function<void()>& meanwhile = [] {}) {
    int channel[2];
    if (::pipe(channel) != 0)
        throw std::runtime_error("no pipe");
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        const ValidationReport report = validateFile(path, SchemaLocation{schema, {}});
        writeAll(channel[1], std::to_string(static_cast<int>(report.status)) + wholeText(report));
        ::_exit(0);
    }
    ::close(channel[1]);
    meanwhile();
    const std::optional<std::string> bytes =
        readUntilClosed(channel[0], std::chrono::steady_clock::now() + kTimeLimit);
    ::close(channel[0]);
    if (!bytes)
        ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    if (!bytes || bytes->empty())
        return {};
    return {true, static_cast<Status>((*bytes)[0] - '0'), bytes->substr(1)};
}

// Opens the pipe for writing once the child reads it, and writes `bytes` (which fit in
// the pipe's buffer) and the end of the file.
void feedPipe(const std::string& path, const std::string& bytes) {
    const auto deadline = std::chrono::steady_clock::now() + kTimeLimit;
    int fd = -1;
    while (fd < 0 && std::chrono::steady_clock::now() < deadline) {
        fd = ::open(path.c_str(), O_WRONLY | O_NONBLOCK);
        if (fd < 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    if (fd < 0)
        return;
    writeAll(fd, bytes);
    ::close(fd);
}

std::string collectionText(const std::string& prolog, const std::string& body,
                           const std::string& rootAttributes = "") {
    return "<?xml version=\"1.0\"?>\n" + prolog +
           "\n<prs:study_collection xmlns:prs=\"http://clinicaltrials.gov/prs\"" + rootAttributes +
           ">\n<t>" + body + "</t>\n</prs:study_collection>\n";
}

void replaceAll(std::string& text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

std::string lineNumbered(const std::string& text, long number) {
    std::istringstream lines(text);
    std::string line;
    for (long n = 0; n < number; ++n)
        std::getline(lines, line);
    return line;
}

class DocumentIsolationTest : public ::testing::Test {
protected:
    ScratchDir dir;
    std::string schema = dir.write("any.xsd", permissiveSchemaText());
    std::string secret = dir.write("private.txt", std::string(kSecret) + " first line\n" + kSecret +
                                                      " second line\n");
    std::string device = (dir.path() / "device").string();

    void SetUp() override { ASSERT_EQ(::mkfifo(device.c_str(), 0600), 0); }

    // PRIVATE and DEVICE stand for the two files' paths.
    std::string withPaths(std::string text) const {
        replaceAll(text, "PRIVATE", secret);
        replaceAll(text, "DEVICE", device);
        return text;
    }
};

} // namespace

TEST_F(DocumentIsolationTest, ExternalDeclarationsAreRefusedWhereTheyStand) {
    struct Case {
        const char* what;
        std::string prolog;
        std::string body;
        std::string refused; // named in the reason
        long line;
    };
    const std::vector<Case> cases = {
        {"entity read from a file", "<!DOCTYPE c [\n<!ENTITY e SYSTEM \"PRIVATE\">\n]>", "&e;",
         "\"e\"", 3},
        {"entity read from a device that blocks", "<!DOCTYPE c [<!ENTITY e SYSTEM \"DEVICE\">]>",
         "&e;", "DEVICE", 2},
        {"external DTD read from a file", "<!DOCTYPE c SYSTEM \"PRIVATE\">", "tea", "PRIVATE", 2},
        {"external DTD read from a device",
         "<!DOCTYPE c PUBLIC \"-//Example//DTD//EN\"\n\"DEVICE\">", "tea", "DEVICE", 3},
        {"parameter entity read from a device",
         "<!DOCTYPE c [\n<!ENTITY % p SYSTEM \"DEVICE\">\n%p;\n]>", "tea", "%p", 3},
        {"entity declared and never used", "<!DOCTYPE c [<!ENTITY e SYSTEM \"PRIVATE\">]>", "tea",
         "\"e\"", 2},
        {"unparsed entity",
         "<!DOCTYPE c [\n<!NOTATION n SYSTEM \"viewer\">\n<!ENTITY u SYSTEM \"PRIVATE\" NDATA "
         "n>\n]>",
         "tea", "\"u\"", 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string text = withPaths(collectionText(c.prolog, c.body));
        const Outcome outcome = validateInChild(dir.write("document.xml", text), schema);
        if (!outcome.finished) {
            ADD_FAILURE() << "the validation did not end";
            continue;
        }
        EXPECT_EQ(outcome.status, Status::Failed) << outcome.text;
        EXPECT_THAT(outcome.text, HasSubstr("\nReason: Refused"));
        EXPECT_THAT(outcome.text, HasSubstr(withPaths(c.refused)));
        EXPECT_THAT(outcome.text, EndsWith("\nSource: " + lineNumbered(text, c.line) +
                                           "\nLine: " + std::to_string(c.line)));
        EXPECT_THAT(outcome.text, Not(HasSubstr(kSecret)));
    }
}

TEST_F(DocumentIsolationTest, ReferencesThatAreNotLoadedDoNotStopTheCheck) {
    // The validator has its schema; hints at others in the document are not followed.
    const std::vector<std::string> documents = {
        collectionText("", "tea",
                       " xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
                       "xsi:schemaLocation=\"http://clinicaltrials.gov/prs DEVICE\""),
        collectionText("", "tea",
                       " xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
                       "xsi:noNamespaceSchemaLocation=\"DEVICE\""),
        // Entities of the document's own text are expanded as before.
        collectionText("<!DOCTYPE c [<!ENTITY t \"Tea &amp; biscuits\">]>", "&t;"),
    };
    for (const std::string& text : documents) {
        const Outcome outcome = validateInChild(dir.write("document.xml", withPaths(text)), schema);
        ASSERT_TRUE(outcome.finished) << text;
        EXPECT_EQ(outcome.status, Status::Succeeded) << outcome.text;
    }
}

TEST_F(DocumentIsolationTest, PipedDocumentIsReadOnce) {
    // Read once: the report's document text and source line come from what was read,
    // not from opening the pipe again.
    const std::string valid = collectionText("", "tea");
    const Outcome ok = validateInChild(device, schema, [&] { feedPipe(device, valid); });
    ASSERT_TRUE(ok.finished);
    EXPECT_EQ(ok.status, Status::Succeeded) << ok.text;
    EXPECT_THAT(ok.text, EndsWith("\n" + std::string(22, '=') + "\n" + valid));

    const std::string malformed = collectionText("", "tea</x>");
    const Outcome bad = validateInChild(device, schema, [&] { feedPipe(device, malformed); });
    ASSERT_TRUE(bad.finished);
    EXPECT_EQ(bad.status, Status::Failed) << bad.text;
    EXPECT_THAT(bad.text, EndsWith("\nSource: <t>tea</x></t>\nLine: 4"));
}
