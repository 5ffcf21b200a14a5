#include "validation/SavedFile.h"
#include "validation/SchemaValidator.h"
#include "validation/ValidationError.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::HasSubstr;
using ::testing::StartsWith;
using Status = ValidationReport::Status;
namespace fs = std::filesystem;

namespace {

// Changes the working directory for one test and always changes it back.
class WorkingDirectory {
public:
    explicit WorkingDirectory(const fs::path& dir) : m_saved(fs::current_path()) {
        fs::current_path(dir);
    }
    ~WorkingDirectory() {
        std::error_code ec;
        fs::current_path(m_saved, ec);
    }
    WorkingDirectory(const WorkingDirectory&) = delete;
    WorkingDirectory& operator=(const WorkingDirectory&) = delete;

private:
    fs::path m_saved;
};

std::string schemaText(const std::string& body,
                       const std::string& ns = "http://clinicaltrials.gov/prs") {
    return "<?xml version=\"1.0\"?>\n"
           "<xs:schema xmlns:xs=\"http://www.w3.org/2001/XMLSchema\" xmlns:prs=\"" +
           ns + "\" targetNamespace=\"" + ns + "\" elementFormDefault=\"unqualified\">\n" + body +
           "\n</xs:schema>\n";
}

const std::string kFileName(SchemaLocation::kFileName);

class SchemaLookupTest : public ::testing::Test {
protected:
    ScratchDir dir;
    // Valid for the permissive schema only.
    std::string document = dir.write("odd.xml", savedFileText(collection({leaf("colour", "red")})));

    static std::string errorReport(ValidationError::Code code, const std::string& source) {
        return "Error\nCode = " + ValidationError::codeText(code) +
               "\nCode meaning = " + ValidationError::codeMeaning(code) + "\nSource = " + source +
               "\nDescription = ";
    }
};

} // namespace

TEST_F(SchemaLookupTest, MissingSchemaGivesTheErrorReport) {
    const std::string missing = (dir.path() / "nowhere.xsd").string();
    const ValidationReport report = validateFile(document, SchemaLocation{missing, {}});
    EXPECT_EQ(report.status, Status::Error);
    EXPECT_EQ(report.text, errorReport(ValidationError::Code::SchemaNotFound, kFileName) +
                               "The schema was looked for at: \"" + missing + "\"");
    EXPECT_EQ(ValidationError::codeText(ValidationError::Code::SchemaNotFound), "0x8004D001");

    // Without an explicit path: the working directory, then every installed folder.
    fs::create_directories(dir.path() / "empty");
    WorkingDirectory cwd(dir.path() / "empty");
    const ValidationReport searched =
        validateFile(document, SchemaLocation{"", {"/no/such/dir", "", "/nor/this"}});
    EXPECT_EQ(searched.status, Status::Error);
    EXPECT_THAT(searched.text,
                HasSubstr("looked for at: \"" + (fs::current_path() / kFileName).string() +
                          "\" \"/no/such/dir/" + kFileName + "\" \"/nor/this/" + kFileName + "\""));
}

TEST_F(SchemaLookupTest, BrokenSchemaGivesTheErrorReport) {
    struct Case {
        std::string text;
        ValidationError::Code code;
        std::string description;
    };
    const std::vector<Case> cases = {
        {"<xs:schema xmlns:xs=\"http://www.w3.org/2001/XMLSchema\">\n<xs:element",
         ValidationError::Code::SchemaUnreadable, "line 2"},
        {schemaText("<xs:element name=\"study_collection\" type=\"xs:nosuchtype\"/>"),
         ValidationError::Code::SchemaInvalid, "nosuchtype"},
        {schemaText("<xs:element name=\"study_collection\"/>", "urn:other"),
         ValidationError::Code::SchemaInvalid,
         "\"urn:other\", not \"http://clinicaltrials.gov/prs\""},
        // Not deterministic: an unqualified wildcard after a list of unqualified elements.
        {schemaText("<xs:element name=\"study_collection\"><xs:complexType><xs:sequence>"
                    "<xs:element name=\"reference\" minOccurs=\"0\" maxOccurs=\"unbounded\"/>"
                    "<xs:any namespace=\"##local\" processContents=\"skip\" minOccurs=\"0\" "
                    "maxOccurs=\"2\"/>"
                    "</xs:sequence></xs:complexType></xs:element>"),
         ValidationError::Code::SchemaInvalid, "not determinist"},
    };
    for (const Case& schemaCase : cases) {
        const std::string schema = dir.write("broken.xsd", schemaCase.text);
        const ValidationReport report = validateFile(document, SchemaLocation{schema, {}});
        EXPECT_EQ(report.status, Status::Error);
        EXPECT_THAT(report.text, StartsWith(errorReport(schemaCase.code, schema)));
        EXPECT_THAT(report.text, HasSubstr(schemaCase.description));
    }
}

TEST_F(SchemaLookupTest, SchemaInTheWorkingDirectoryWinsOverTheInstalledOne) {
    const fs::path work = dir.path() / "work";
    fs::create_directories(work);
    const SchemaLocation installed{"", {"/no/such/dir", installedSchemaDir()}};
    WorkingDirectory cwd(work);

    // Nothing in the working directory: the installed schema refuses the file.
    EXPECT_EQ(validateFile(document, installed).status, Status::Failed);

    dir.write("work/" + kFileName, permissiveSchemaText());
    const ValidationReport report = validateFile(document, installed);
    EXPECT_EQ(report.status, Status::Succeeded) << report.text;

    // An explicit schema beats both.
    const std::string explicitSchema = installedSchemaDir() + "/" + kFileName;
    EXPECT_EQ(validateFile(document, SchemaLocation{explicitSchema, {}}).status, Status::Failed);

    // A broken schema in the working directory is reported, not skipped.
    dir.write("work/" + kFileName, "<xs:schema");
    const ValidationReport broken = validateFile(document, installed);
    EXPECT_EQ(broken.status, Status::Error);
    EXPECT_THAT(broken.text, HasSubstr("Source = " + (work / kFileName).string()));
}

TEST_F(SchemaLookupTest, RelativeReferencesResolveInFoldersWithSpaces) {
    // A schema split over two files, dropped into a working directory whose name
    // needs escaping in a URI.
    const fs::path work = dir.path() / "my trials #1";
    fs::create_directories(work);
    dir.write("my trials #1/" + kFileName,
              schemaText("<xs:include schemaLocation=\"collection%20types.xsd\"/>"
                         "<xs:element name=\"study_collection\" type=\"prs:Anything\"/>"));
    dir.write("my trials #1/collection types.xsd",
              schemaText("<xs:complexType name=\"Anything\"><xs:sequence><xs:any "
                         "processContents=\"skip\" minOccurs=\"0\" maxOccurs=\"unbounded\"/>"
                         "</xs:sequence></xs:complexType>"));
    WorkingDirectory cwd(work);
    const ValidationReport report = validateFile(document, SchemaLocation{});
    EXPECT_EQ(report.status, Status::Succeeded) << report.text;

    // A relative document path in a folder with a space; the source line is its own.
    fs::create_directories(work / "sub dir");
    const std::string relative = "sub dir/with space.xml";
    dir.write("my trials #1/" + relative,
              "<prs:study_collection xmlns:prs=\"http://clinicaltrials.gov/prs\">\n<a>\n</b>\n"
              "</prs:study_collection>");
    const ValidationReport failed = validateFile(relative, SchemaLocation{});
    ASSERT_EQ(failed.status, Status::Failed) << failed.text;
    EXPECT_THAT(failed.text, StartsWith("Validation failed on " + relative + "\n"));
    EXPECT_THAT(failed.text, HasSubstr("\nSource: </b>\nLine: 3"));
}
