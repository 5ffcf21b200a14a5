#include "cli/CommandLine.h"
#include "model/CollectionFile.h"
#include "model/StudyCollection.h"
#include "model/RecordFixtures.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace {

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

CliRun validate(const std::string& file, const std::string& schema = PROTOSCRIBE_SCHEMA) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = CommandLine::run({"validate", file, "--schema", schema}, out, err);
    return {status, out.str(), err.str()};
}

std::filesystem::path scratchFile(const std::string& name) {
    return std::filesystem::temp_directory_path() / ("protoscribe-cli-" + name);
}

} // namespace

TEST(ValidateCommandLine, TheSampleCollectionValidates) {
    const CliRun outcome = validate(PROTOSCRIBE_SAMPLE);
    EXPECT_EQ(outcome.status, 0) << outcome.out << outcome.err;
    EXPECT_EQ(outcome.out.rfind(std::string("Validation succeeded for ") + PROTOSCRIBE_SAMPLE, 0),
              0u);
}

// Every field of every record filled and saved: what the program writes must
// always pass its own schema, empty and full records alike.
TEST(ValidateCommandLine, EverySavedFieldAndAnEmptyRecordValidate) {
    StudyCollection collection;
    RecordFiller("v").fill(appendNew(collection.records));
    appendNew(collection.records);
    const std::filesystem::path file = scratchFile("full.xml");
    ASSERT_TRUE(CollectionFile::save(collection, file.string()).ok);

    const CliRun outcome = validate(file.string());
    EXPECT_EQ(outcome.status, 0) << outcome.out << outcome.err;
    std::filesystem::remove(file);
}

TEST(ValidateCommandLine, AnElementOutOfOrderFailsWithItsLine) {
    const std::filesystem::path file = scratchFile("order.xml");
    {
        std::ofstream out(file, std::ios::binary);
        out << "<?xml version=\"1.0\"?>\n<prs:study_collection xmlns:prs=\"http://clinicaltrials.gov/prs\">\n"
               "<clinical_study><brief_title/><id_info/></clinical_study>\n"
               "</prs:study_collection>\n";
    }
    const CliRun outcome = validate(file.string());
    EXPECT_EQ(outcome.status, 1);
    EXPECT_NE(outcome.out.find("Validation failed on " + file.string()), std::string::npos);
    EXPECT_NE(outcome.out.find("\nLine: 3"), std::string::npos) << outcome.out;
    std::filesystem::remove(file);

    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(CommandLine::run({"validate", file.string(), "--schema", "/nonexistent.xsd"}, out, err),
              2);
    EXPECT_NE(err.str().find("Error\n"), std::string::npos);
}

// The build puts the schema beside the program together with the results schema it
// imports; with either missing, no file could be checked at all.
TEST(ValidateCommandLine, TheSchemaBesideTheBuiltProgramChecksResults) {
    const CliRun outcome = validate(PROTOSCRIBE_FULL_RECORD, PROTOSCRIBE_BUILT_SCHEMA);
    EXPECT_EQ(outcome.status, 0) << outcome.out << outcome.err;
}
