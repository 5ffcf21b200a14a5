#include "validation/SchemaValidator.h"

#include "validation/SavedFile.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sstream>
#include <thread>

using ::testing::HasSubstr;
using ::testing::StartsWith;
using Status = ValidationReport::Status;

namespace {

SchemaLocation installedSchema() {
    return SchemaLocation{"", {installedSchemaDir()}};
}

struct Failure {
    std::string reason;
    std::string source;
    long line = -1;
};

// Splits a failure report into its three parts after checking its fixed head.
Failure parseFailure(const std::string& path, const std::string& text) {
    const std::string head =
        "Validation failed on " + path + "\n" + std::string(21, '=') + "\nReason: ";
    const std::size_t source = text.find("\nSource: ");
    const std::size_t line = text.find("\nLine: ");
    if (text.compare(0, head.size(), head) != 0 || source == std::string::npos ||
        line == std::string::npos) {
        ADD_FAILURE() << "not a failure report: " << text;
        return {};
    }
    return {text.substr(head.size(), source - head.size()),
            text.substr(source + 9, line - source - 9), std::stol(text.substr(line + 7))};
}

class SchemaValidatorTest : public ::testing::Test {
protected:
    ScratchDir dir;
    std::string path = (dir.path() / "collection.xml").string();
    std::string fileText;

    ValidationReport validate(const TestElement& root) { return validateText(savedFileText(root)); }

    ValidationReport validateText(const std::string& text) {
        fileText = text;
        dir.write("collection.xml", text);
        return validateFile(path, installedSchema());
    }

    // The report must be a failure located on the first line that holds `offending`.
    void expectFailureAt(const ValidationReport& report, const std::string& offending,
                         const std::string& reasonPart) {
        ASSERT_EQ(report.status, Status::Failed) << report.text;
        const Failure failure = parseFailure(path, report.text);
        const auto [number, line] = lineOf(fileText, offending);
        EXPECT_THAT(failure.reason, HasSubstr(reasonPart));
        EXPECT_EQ(failure.source, line);
        EXPECT_EQ(failure.line, number);
    }
};

TestElement studyWith(const std::function<void(TestElement&)>& change) {
    TestElement study = fullStudy();
    change(study);
    return collection({study});
}

void erase(TestElement& parent, const std::string& name) {
    parent.children.erase(parent.children.begin() +
                          static_cast<std::ptrdiff_t>(parent.indexOf(name)));
}

void insertBefore(TestElement& parent, const std::string& name, TestElement element) {
    parent.children.insert(parent.children.begin() +
                               static_cast<std::ptrdiff_t>(parent.indexOf(name)),
                           std::move(element));
}

// A results element as the results schema wants it at least: the outcome measure list.
TestElement resultsElement(const std::string& name) {
    return TestElement{name, {}, "", {leaf("outcomeMeasures")}};
}

} // namespace

TEST_F(SchemaValidatorTest, SuccessReportHoldsTheValidatedFileItself) {
    const std::string head =
        "Validation succeeded for " + path + "\n" + std::string(22, '=') + "\n";
    const ValidationReport report = validate(collection({fullStudy(), emptyStudy()}));
    ASSERT_EQ(report.status, Status::Succeeded) << report.text;
    const std::string validated = fileText;

    // Replaced on disk after the check: the report still shows the file it checked,
    // byte for byte (line ends and character references as they are).
    dir.write("replacement.xml", savedFileText(collection({emptyStudy()})));
    std::filesystem::rename(dir.path() / "replacement.xml", path);
    std::ostringstream whole;
    EXPECT_TRUE(report.writeTo(whole));
    EXPECT_EQ(whole.str(), head + validated);

    // Changed in place after the check: nothing of it is shown as validated.
    const ValidationReport again = validateFile(path, installedSchema());
    ASSERT_EQ(again.status, Status::Succeeded) << again.text;
    std::ofstream(path, std::ios::binary | std::ios::app) << "<!-- unchecked -->";
    std::ostringstream changed;
    EXPECT_FALSE(again.writeTo(changed));
    EXPECT_EQ(changed.str(), "");
    EXPECT_THAT(again.changedText(), StartsWith("Error\nCode = 0x8004D006\n"));
}

TEST_F(SchemaValidatorTest, CollectionsThatOtherToolsMayWriteValidate) {
    // No "delete" attributes, numeric booleans, and the two results sections,
    // qualified with the results namespace, after the references.
    TestElement study = fullStudy();
    study.child("brief_title").attributes.clear();
    study.child("sponsors").attributes.clear();
    study.child("enrollment").attributes[0].second = "1";
    study.children.push_back(resultsElement("rrs:result"));
    study.children.push_back(TestElement{"rrs:resultDisposition", {}, "", {}});
    const ValidationReport report = validate(collection({study}));
    EXPECT_EQ(report.status, Status::Succeeded) << report.text;
    // Other line ends and no indentation.
    std::string compact = savedFileText(collection({emptyStudy()}));
    std::string unixText;
    for (char c : compact) {
        if (c != '\r' && c != '\t')
            unixText += c;
    }
    EXPECT_EQ(validateText(unixText).status, Status::Succeeded);
}

TEST_F(SchemaValidatorTest, ElementOutOfOrderNamesItAndItsLine) {
    // The brief title is optional, so the acronym may come first; the title then
    // cannot follow it.
    expectFailureAt(validate(studyWith([](TestElement& study) {
                        std::swap(study.child("brief_title"), study.child("acronym"));
                    })),
                    ">A study of tea &amp; biscuits</brief_title>",
                    "Element 'brief_title': This element is not expected. Expected is one of ( "
                    "official_title, sponsors,");
    // Lists keep their place too: a condition after the eligibility.
    expectFailureAt(validate(studyWith([](TestElement& study) {
                        insertBefore(study, "overall_official", deletable("condition", "Late"));
                    })),
                    ">Late</condition>", "Element 'condition': This element is not expected.");
}

TEST_F(SchemaValidatorTest, UnknownElementIsRefused) {
    expectFailureAt(validate(studyWith([](TestElement& study) {
                        insertBefore(study.child("location").child("facility"), "address",
                                     leaf("colour", "red"));
                    })),
                    "<colour>red</colour>",
                    "Element 'colour': This element is not expected. Expected is ( address )");
}

TEST_F(SchemaValidatorTest, MissingRequiredElementIsReported) {
    // In the middle of a sequence: found at the element that follows.
    expectFailureAt(validate(studyWith([](TestElement& study) {
                        erase(study.child("id_info"), "org_name");
                    })),
                    "<org_study_id>",
                    "Element 'org_study_id': This element is not expected. Expected is ( "
                    "org_name )");
    // Missing from a group in any order: found at the group's end tag.
    expectFailureAt(validate(studyWith([](TestElement& study) {
                        erase(study.child("overall_contact_backup"), "last_name");
                    })),
                    "</overall_contact_backup>",
                    "Element 'overall_contact_backup': Missing child element(s). Expected is ( "
                    "last_name )");
}

TEST_F(SchemaValidatorTest, ResultsSectionsAreQualifiedAndCheckedByTheResultsSchema) {
    expectFailureAt(validate(studyWith([](TestElement& study) {
                        study.children.push_back(resultsElement("result"));
                    })),
                    "<result>", "Element 'result': This element is not expected.");
    // Inside a results section the imported schema reports the element and its line.
    expectFailureAt(validate(studyWith([](TestElement& study) {
                        TestElement result = resultsElement("rrs:result");
                        result.children.push_back(leaf("colour", "red"));
                        study.children.push_back(std::move(result));
                    })),
                    "<colour>red</colour>",
                    "Element 'colour': This element is not expected. Expected is one of ( "
                    "participantFlow,");
}

TEST_F(SchemaValidatorTest, DeleteAttributeMustBeBoolean) {
    expectFailureAt(validate(studyWith([](TestElement& study) {
                        study.child("brief_title").attributes[0].second = "maybe";
                    })),
                    "<brief_title delete=\"maybe\" >",
                    "'maybe' is not a valid value of the atomic type 'xs:boolean'");
}

TEST_F(SchemaValidatorTest, MalformedTagReportsTheParserError) {
    std::string text = savedFileText(collection({fullStudy()}));
    text.replace(text.find("</brief_title>"), 14, "</brief_titl>");
    expectFailureAt(validateText(text), "</brief_titl>",
                    "Opening and ending tag mismatch: brief_title line");

    text = savedFileText(collection({fullStudy()}));
    text.replace(text.find("<acronym>"), 9, "<acronym delete=false>");
    expectFailureAt(validateText(text), "<acronym delete=false>", "AttValue: \" or ' expected");

    // An unclosed end tag is noticed where the next tag starts.
    text = savedFileText(collection({fullStudy()}));
    text.replace(text.find("</acronym>"), 10, "</acronym");
    expectFailureAt(validateText(text), "<official_title", "expected '>'");
}

TEST_F(SchemaValidatorTest, FirstErrorInDocumentOrderWins) {
    // A content error early and a malformed tag late: the early one is reported.
    TestElement study = fullStudy();
    std::swap(study.child("brief_title"), study.child("acronym"));
    std::string text = savedFileText(collection({study}));
    text.replace(text.find("</pubmed_id>"), 12, "</pubmed>");
    expectFailureAt(validateText(text), "</brief_title>", "Element 'brief_title'");
}

TEST_F(SchemaValidatorTest, LineNumbersPastSixtyFiveThousandAreExact) {
    TestElement study = fullStudy();
    std::vector<TestElement> conditions;
    for (int i = 0; i < 70000; ++i)
        conditions.push_back(deletable("condition", "C" + std::to_string(i)));
    conditions.push_back(leaf("colour", "late"));
    const auto at = study.children.begin() + static_cast<std::ptrdiff_t>(study.indexOf("keyword"));
    study.children.insert(at, conditions.begin(), conditions.end());
    const ValidationReport report = validate(collection({study}));
    expectFailureAt(report, "<colour>late</colour>", "Element 'colour'");
    EXPECT_GT(lineOf(fileText, "<colour>").first, 70000);
}

TEST_F(SchemaValidatorTest, UnreadableDocumentFailsWithTheReason) {
    const ValidationReport report = validateFile(path + ".missing", installedSchema());
    ASSERT_EQ(report.status, Status::Failed) << report.text;
    const Failure failure = parseFailure(path + ".missing", report.text);
    EXPECT_EQ(failure.reason, "The file cannot be opened: No such file or directory");
    EXPECT_EQ(failure.line, 0);

    const Failure empty = parseFailure(path, validateText("").text);
    EXPECT_THAT(empty.reason, HasSubstr("Document is empty"));
}

TEST_F(SchemaValidatorTest, ConcurrentValidationsKeepTheirOwnErrors) {
    // Errors are collected per call: a failing file on one thread must not turn up in
    // another thread's report, nor leave anything behind for the next call.
    const std::string valid = dir.write("valid.xml", savedFileText(collection({fullStudy()})));
    TestElement broken = fullStudy();
    erase(broken.child("id_info"), "org_name");
    const std::string invalid = dir.write("invalid.xml", savedFileText(collection({broken})));

    std::vector<ValidationReport> reports(8);
    std::vector<std::thread> threads;
    for (std::size_t i = 0; i < reports.size(); ++i) {
        threads.emplace_back([&, i] {
            for (int round = 0; round < 3; ++round)
                reports[i] = validateFile(i % 2 == 0 ? valid : invalid, installedSchema());
        });
    }
    for (std::thread& thread : threads)
        thread.join();
    for (std::size_t i = 0; i < reports.size(); ++i) {
        if (i % 2 == 0) {
            EXPECT_EQ(reports[i].status, Status::Succeeded) << reports[i].text;
        } else {
            EXPECT_EQ(reports[i].status, Status::Failed);
            EXPECT_THAT(reports[i].text, HasSubstr("Expected is ( org_name )"));
        }
    }
}
