// Hand-written upload files, each judged by the bundled schema as the registry's own
// schema judges it. The files live in data/; accept-* files must validate, reject-*
// files must fail with the reason given here.

#include "validation/SavedFile.h"
#include "validation/SchemaValidator.h"

#include <filesystem>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <set>

using ::testing::HasSubstr;
using Status = ValidationReport::Status;
namespace fs = std::filesystem;

namespace {

const fs::path kDataDir = PROTOSCRIBE_VALIDATION_DATA_DIR;
constexpr std::string_view kResultsSchema = "ResultsRecordSchema.xsd";

struct Verdict {
    const char* file;
    const char* reason; // empty: the file is valid
};

const Verdict kVerdicts[] = {
    {"accept-full-record.xml", ""},
    {"accept-minimal-record.xml", ""},
    {"accept-identification-only.xml", ""},
    {"accept-any-order-in-all.xml", ""},
    {"accept-partial-upload-deletes.xml", ""},
    {"accept-empty-values.xml", ""},
    {"accept-minimal-results.xml", ""},
    {"accept-results-unmatched-group-reference.xml", ""},
    {"accept-type-named-in-document.xml", ""},
    {"reject-out-of-order-in-sequence.xml",
     "Element 'brief_title': This element is not expected. Expected is one of ( sponsors,"},
    {"reject-list-out-of-order.xml", "Element 'condition': This element is not expected."},
    {"reject-resp-party-without-type.xml",
     "Element 'resp_party': Missing child element(s). Expected is one of ( resp_party_type,"},
    {"reject-unknown-element.xml", "Element 'colour': This element is not expected."},
    {"reject-repeated-in-all.xml", "Element 'gender': This element is not expected."},
    {"reject-missing-org-study-id.xml",
     "Element 'id_info': Missing child element(s). Expected is ( org_study_id )"},
    {"reject-missing-id-info.xml",
     "Element 'brief_title': This element is not expected. Expected is ( id_info )"},
    {"reject-missing-textblock.xml",
     "Element 'brief_summary': Missing child element(s). Expected is ( textblock )"},
    {"reject-missing-allocation.xml",
     "Element 'interventional_design': Missing child element(s)."},
    {"reject-delete-not-boolean.xml",
     "'yes' is not a valid value of the atomic type 'xs:boolean'"},
    {"reject-partial-upload-not-boolean.xml",
     "attribute 'partial_upload': 'Yes' is not a valid value of the atomic type 'xs:boolean'"},
    {"reject-delete-on-acronym.xml",
     "Element 'acronym', attribute 'delete': The attribute 'delete' is not allowed."},
    {"reject-delete-on-study-design.xml",
     "Element 'study_design', attribute 'delete': The attribute 'delete' is not allowed."},
    {"reject-delete-on-location-contact.xml",
     "Element 'contact', attribute 'delete': The attribute 'delete' is not allowed."},
    {"reject-results-unqualified.xml", "Element 'result': This element is not expected."},
    {"reject-results-in-wrong-order.xml",
     "Element '{http://clinicaltrials.gov/rrs}result': This element is not expected."},
    {"reject-results-without-outcome-measures.xml",
     "Element '{http://clinicaltrials.gov/rrs}result': Missing child element(s). Expected is ( "
     "outcomeMeasures )"},
    {"reject-results-duplicate-group-id.xml",
     "attribute 'id': 'G1' is not a valid value of the atomic type 'xs:ID'"},
    {"reject-results-partial-upload-not-boolean.xml",
     "attribute 'partialUpload': 'yes' is not a valid value of the atomic type 'xs:boolean'"},
    {"reject-text-in-record.xml", "Element 'clinical_study': Character content other than "
                                  "whitespace is not allowed"},
    {"reject-qualified-child.xml",
     "Element '{http://clinicaltrials.gov/prs}id_info': This element is not expected."},
    {"reject-unknown-type-named-in-document.xml", "attribute "
                                                  "'{http://www.w3.org/2001/XMLSchema-instance}"
                                                  "type'"},
    {"reject-empty-collection.xml",
     "study_collection': Missing child element(s). Expected is ( clinical_study )"},
    {"reject-other-namespace.xml", "No matching global declaration available for the "
                                   "validation root"},
};

ValidationReport validateWithBundledSchema(const fs::path& file) {
    return validateFile(file.string(), SchemaLocation{"", {installedSchemaDir()}});
}

// The "Reason: " line of a failure report.
std::string reasonOf(const std::string& report) {
    const std::size_t start = report.find("\nReason: ");
    if (start == std::string::npos)
        return "";
    const std::size_t end = report.find("\nSource: ", start);
    return report.substr(start + 9, end == std::string::npos ? end : end - start - 9);
}

} // namespace

TEST(UploadFormatTest, EachFileGetsTheRegistrysVerdict) {
    for (const Verdict& verdict : kVerdicts) {
        SCOPED_TRACE(verdict.file);
        const ValidationReport report = validateWithBundledSchema(kDataDir / verdict.file);
        const std::string reason = verdict.reason;
        if (reason.empty()) {
            EXPECT_EQ(report.status, Status::Succeeded) << report.text;
        } else {
            EXPECT_EQ(report.status, Status::Failed) << report.text;
            EXPECT_THAT(reasonOf(report.text), HasSubstr(reason));
        }
    }
}

// A file in the folder that the table forgets would never be checked, and a name
// whose prefix contradicts its verdict would mislead whoever reads the folder.
TEST(UploadFormatTest, TheTableCoversEveryFileAndMatchesTheNames) {
    std::set<std::string> listed;
    for (const Verdict& verdict : kVerdicts) {
        const std::string name = verdict.file;
        const bool valid = std::string_view(verdict.reason).empty();
        EXPECT_EQ(name.rfind(valid ? "accept-" : "reject-", 0), 0u) << name;
        EXPECT_TRUE(listed.insert(name).second) << name << " is listed twice";
    }
    std::set<std::string> present;
    for (const fs::directory_entry& entry : fs::directory_iterator(kDataDir))
        present.insert(entry.path().filename().string());
    EXPECT_EQ(present, listed);
}

// The results elements are declared in a second file that the main schema imports
// from its own folder: installed together, results are checked; the main schema
// alone cannot be set up, and says so rather than passing or failing the file.
TEST(UploadFormatTest, TheResultsSchemaIsFoundBesideTheMainSchema) {
    ScratchDir dir;
    const fs::path installed = dir.path() / "installed";
    fs::create_directories(installed);
    const fs::path resources = installedSchemaDir();
    fs::copy_file(resources / SchemaLocation::kFileName, installed / SchemaLocation::kFileName);
    fs::copy_file(resources / kResultsSchema, installed / kResultsSchema);
    const SchemaLocation location{"", {installed.string()}};

    const fs::path withResults = kDataDir / "accept-full-record.xml";
    EXPECT_EQ(validateFile(withResults.string(), location).status, Status::Succeeded);
    const ValidationReport badResults = validateFile(
        (kDataDir / "reject-results-without-outcome-measures.xml").string(), location);
    EXPECT_EQ(badResults.status, Status::Failed) << badResults.text;

    fs::remove(installed / kResultsSchema);
    const ValidationReport alone = validateFile(withResults.string(), location);
    EXPECT_EQ(alone.status, Status::Error) << alone.text;
    EXPECT_THAT(alone.text, HasSubstr(std::string(kResultsSchema)));
}
