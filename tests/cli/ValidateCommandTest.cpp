#include "cli/ValidateSubcommand.h"

#include "validation/SavedFile.h"

#include <algorithm>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sstream>

using ::testing::HasSubstr;
using ::testing::StartsWith;

namespace {

struct CommandRun {
    int exitCode;
    std::string out;
    std::string err;
};

CommandRun run(const std::vector<std::string>& args) {
    std::ostringstream out;
    std::ostringstream err;
    const int code = runValidateWith(args, {installedSchemaDir()}, out, err);
    return {code, out.str(), err.str()};
}

// An output that takes `room` bytes and then fails, as a full disk does.
class FullOutput : public std::streambuf {
public:
    explicit FullOutput(std::streamsize room) : m_room(room) {}

protected:
    int_type overflow(int_type c) override {
        return xsputn(nullptr, 1) == 1 ? traits_type::not_eof(c) : traits_type::eof();
    }
    std::streamsize xsputn(const char*, std::streamsize count) override {
        const std::streamsize taken = std::min(count, m_room);
        m_room -= taken;
        return taken;
    }

private:
    std::streamsize m_room;
};

} // namespace

TEST(ValidateCommandTest, ExitCodeAndStreamFollowTheVerdict) {
    ScratchDir dir;
    const std::string valid = dir.write("valid.xml", savedFileText(collection({fullStudy()})));
    TestElement study = fullStudy();
    study.children.pop_back();
    study.children.push_back(leaf("colour"));
    const std::string invalid = dir.write("invalid.xml", savedFileText(collection({study})));

    const CommandRun ok = run({valid});
    EXPECT_EQ(ok.exitCode, 0);
    EXPECT_EQ(ok.out, "Validation succeeded for " + valid + "\n" + std::string(22, '=') + "\n" +
                          savedFileText(collection({fullStudy()})) + "\n");
    EXPECT_EQ(ok.err, "");

    const CommandRun bad = run({invalid});
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_THAT(bad.out, StartsWith("Validation failed on " + invalid + "\n"));
    EXPECT_THAT(bad.out, HasSubstr("Element 'colour'"));

    const std::string permissive =
        dir.write("any.xsd", "<xs:schema xmlns:xs=\"http://www.w3.org/2001/XMLSchema\" "
                             "targetNamespace=\"http://clinicaltrials.gov/prs\">"
                             "<xs:element name=\"study_collection\"/></xs:schema>");
    EXPECT_EQ(run({"--schema", permissive, invalid}).exitCode, 0);

    const CommandRun missing = run({valid, "--schema", dir.path() / "none.xsd"});
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_EQ(missing.out, "");
    EXPECT_THAT(missing.err, StartsWith("Error\nCode = 0x8004D001\n"));
}

TEST(ValidateCommandTest, ReportThatCannotBeWrittenIsNoVerdict) {
    ScratchDir dir;
    const std::string valid = dir.write("valid.xml", savedFileText(collection({fullStudy()})));
    for (const std::streamsize room : {0, 100, 5000}) {
        FullOutput full(room);
        std::ostream out(&full);
        std::ostringstream err;
        EXPECT_EQ(runValidateWith({valid}, {installedSchemaDir()}, out, err), 2) << room;
        EXPECT_THAT(err.str(), HasSubstr("the report could not be written"));
    }
}

TEST(ValidateCommandTest, UsageErrors) {
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{},
                                               {"--schema"},
                                               {"a.xml", "--schema"},
                                               {"a.xml", "b.xml"},
                                               {"--verbose", "a.xml"},
                                               {"a.xml", "--schema", "x", "--schema", "y"}}) {
        const CommandRun usage = run(args);
        EXPECT_EQ(usage.exitCode, 2);
        EXPECT_EQ(usage.out, "");
        EXPECT_THAT(usage.err, StartsWith("usage: protoscribe-cli validate FILE [--schema XSD]"));
    }
}
