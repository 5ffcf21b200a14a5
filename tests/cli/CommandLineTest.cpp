#include "cli/CommandLine.h"

#include "cli/ListCommand.h"
#include "model/CollectionFile.h"
#include "model/StudyCollection.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

struct CliRun {
    int code;
    std::string out;
    std::string err;
};

CliRun runCli(const std::vector<std::string>& arguments) {
    std::ostringstream out;
    std::ostringstream err;
    const int code = CommandLine::run(arguments, out, err);
    return {code, out.str(), err.str()};
}

std::string readBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void writeBytes(const fs::path& path, std::string_view bytes) {
    std::ofstream(path, std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

class CliFiles : public ::testing::Test {
protected:
    void SetUp() override {
        m_root = fs::temp_directory_path() /
                 ("protoscribe-cli-" + std::to_string(getpid()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_root);
        fs::create_directories(m_root);
    }
    void TearDown() override { fs::remove_all(m_root); }
    std::string path(const char* name) const { return (m_root / name).string(); }
    fs::path m_root;
};

const char* kForeignFile =
    "<?xml version=\"1.0\"?>\n<study_collection>\n"
    "  <clinical_study>\n"
    "    <id_info><org_name>Owner Org</org_name><org_study_id>ID-1</org_study_id></id_info>\n"
    "    <brief_title>Title spanning\n two lines</brief_title>\n"
    "    <acronym>ACR</acronym>\n"
    "    <overall_status>Recruiting</overall_status>\n"
    "  </clinical_study>\n"
    "  <clinical_study>\n"
    "    <id_info><org_study_id>ID-2</org_study_id></id_info>\n"
    "    <brief_title>Second\tstudy</brief_title>\n"
    "  </clinical_study>\n"
    "</study_collection>\n";

} // namespace

TEST(CommandLineTest, HelpVersionAndUsageErrors) {
    const CliRun version = runCli({"--version"});
    EXPECT_EQ(version.code, 0);
    EXPECT_EQ(version.out, "Protoscribe v1.1\n");

    const CliRun help = runCli({"--help"});
    EXPECT_EQ(help.code, 0);
    EXPECT_NE(help.out.find("normalize IN OUT"), std::string::npos);
    EXPECT_NE(help.out.find("list FILE"), std::string::npos);

    const CliRun nothing = runCli({});
    EXPECT_EQ(nothing.code, kExitUsage);
    EXPECT_NE(nothing.err.find("usage:"), std::string::npos);

    const CliRun unknown = runCli({"frobnicate", "x"});
    EXPECT_EQ(unknown.code, kExitUsage);
    EXPECT_NE(unknown.err.find("unknown command 'frobnicate'"), std::string::npos);

    for (const std::vector<std::string>& wrong :
         {std::vector<std::string>{"normalize", "only-one"}, std::vector<std::string>{"list"},
          std::vector<std::string>{"list", "a", "b"}}) {
        const CliRun outcome = runCli(wrong);
        EXPECT_EQ(outcome.code, kExitUsage) << wrong[0];
        EXPECT_TRUE(outcome.err.starts_with("usage: protoscribe-cli " + wrong[0])) << outcome.err;
    }
    EXPECT_EQ(runCli({"list", "--help"}).code, 0);
}

TEST_F(CliFiles, NormalizeWritesTheSavedLayoutAndIsStable) {
    writeBytes(path("in.xml"), kForeignFile);
    const CliRun first = runCli({"normalize", path("in.xml"), path("out.xml")});
    ASSERT_EQ(first.code, 0) << first.err;
    EXPECT_EQ(first.out, "");
    EXPECT_EQ(first.err, "");

    StudyCollection expected;
    ASSERT_TRUE(CollectionFile::loadText(kForeignFile, expected).ok);
    const std::string normalized = readBytes(path("out.xml"));
    EXPECT_EQ(normalized, CollectionFile::saveText(expected));

    ASSERT_EQ(runCli({"normalize", path("out.xml"), path("again.xml")}).code, 0);
    EXPECT_EQ(readBytes(path("again.xml")), normalized);
    ASSERT_EQ(runCli({"normalize", path("again.xml"), path("again.xml")}).code, 0);
    EXPECT_EQ(readBytes(path("again.xml")), normalized);
}

TEST_F(CliFiles, NormalizeFailuresWriteNothing) {
    writeBytes(path("broken.xml"), "<study_collection><clinical_study>text");
    const CliRun broken = runCli({"normalize", path("broken.xml"), path("out.xml")});
    EXPECT_EQ(broken.code, kExitLoadFailed);
    EXPECT_EQ(broken.err, "An error occurred while loading the XML file:\n\n"
                          "clinical_study must be closed with </clinical_study>\n\n"
                          "File: " + path("broken.xml") + ", line 1, column 19\n");
    EXPECT_FALSE(fs::exists(path("out.xml")));

    const CliRun missing = runCli({"normalize", path("missing.xml"), path("out.xml")});
    EXPECT_EQ(missing.code, kExitLoadFailed);
    EXPECT_EQ(missing.err, "An error occurred while loading the XML file:\n\n"
                           "The file cannot be opened: No such file or directory\n\n"
                           "File: " + path("missing.xml") + "\n");
    EXPECT_FALSE(fs::exists(path("out.xml")));

    writeBytes(path("in.xml"), kForeignFile);
    const std::string target = (m_root / "no-folder" / "out.xml").string();
    const CliRun unwritable = runCli({"normalize", path("in.xml"), target});
    EXPECT_EQ(unwritable.code, kExitWriteFailed);
    EXPECT_EQ(unwritable.err, target + ": No such file or directory\n");

    fs::create_directory(path("folder"));
    EXPECT_EQ(runCli({"normalize", path("in.xml"), path("folder")}).code, kExitWriteFailed);
    EXPECT_TRUE(fs::is_directory(path("folder")));

    writeBytes(path("final.xml"), "approved");
    fs::permissions(path("final.xml"), fs::perms::owner_read | fs::perms::group_read);
    const CliRun readOnly = runCli({"normalize", path("in.xml"), path("final.xml")});
    EXPECT_EQ(readOnly.code, kExitWriteFailed);
    EXPECT_EQ(readOnly.err, path("final.xml") + ": The file is read-only.\n");
    EXPECT_EQ(readBytes(path("final.xml")), "approved");
}

TEST_F(CliFiles, ListPrintsTheMainWindowCellsOnePerLine) {
    writeBytes(path("in.xml"), kForeignFile);
    const CliRun listed = runCli({"list", path("in.xml")});
    ASSERT_EQ(listed.code, 0) << listed.err;
    EXPECT_EQ(listed.out, "ID-1\tTitle spanning  two lines (ACR)\tRecruiting\tOwner Org\n"
                          "ID-2\tSecond study\t\t\n");

    const CliRun missing = runCli({"list", path("missing.xml")});
    EXPECT_EQ(missing.code, kExitLoadFailed);
    EXPECT_EQ(missing.out, "");
}

// What a load cannot keep goes to standard error; the command still succeeds.
TEST_F(CliFiles, NormalizeAndListNameWhatIsNotKept) {
    writeBytes(path("in.xml"), "<study_collection><clinical_study><brief_title>T</brief_title>"
                               "<brief_titel>typo</brief_titel></clinical_study></study_collection>");
    const std::string expected = path("in.xml") +
                                 ":\nThese parts of the file are not kept by Protoscribe and will "
                                 "be missing when it is saved:\n\nclinical_study/brief_titel (1)\n";
    for (const std::vector<std::string>& command :
         {std::vector<std::string>{"list", path("in.xml")},
          std::vector<std::string>{"normalize", path("in.xml"), path("out.xml")}}) {
        const CliRun run = runCli(command);
        EXPECT_EQ(run.code, 0);
        EXPECT_EQ(run.err, expected) << command.front();
    }
    EXPECT_TRUE(fs::exists(path("out.xml")));
}

TEST(ListLineTest, AcronymOnlyWhenPresent) {
    StudyRecord record;
    record.id_info.org_study_id = "P-7";
    record.id_info.org_name = "Org";
    record.brief_title.setText("Brief");
    record.overall_status.setText("Completed");
    EXPECT_EQ(listLine(record), "P-7\tBrief\tCompleted\tOrg");
    record.acronym = "BR";
    EXPECT_EQ(listLine(record), "P-7\tBrief (BR)\tCompleted\tOrg");
}

// A field's control characters cannot drive the terminal that shows the list.
TEST(ListLineTest, ControlCharactersAreEscaped) {
    StudyRecord record;
    record.id_info.org_study_id = "P\x1b[2J-8";
    record.brief_title.setText("Caf\xC3\xA9\x07 \xC2\x9B" "1m \xE9 x\x7F");
    record.id_info.org_name = "Org\r\nline\tend";
    record.partial_upload = "true";
    EXPECT_EQ(listLine(record),
              "P\\x1b[2J-8\tCaf\xC3\xA9\\x07 \\xc2\\x9b" "1m \\xe9 x\\x7f\t\tOrg line end\tpartial");
}
