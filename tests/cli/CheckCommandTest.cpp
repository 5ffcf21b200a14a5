#include "cli/CheckCommand.h"

#include "cli/CommandLine.h"
#include "validation/SavedFile.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <sstream>
#include <variant>
#include <vector>

using ::testing::HasSubstr;

namespace {

// Just enough JSON to read the check's output back: objects, arrays,
// strings (with every escape), numbers, null. Any fault fails the test.
struct Json {
    std::variant<std::nullptr_t, double, std::string, std::vector<Json>,
                 std::map<std::string, Json>>
        value;

    const std::vector<Json>& array() const { return std::get<std::vector<Json>>(value); }
    const Json& operator[](const std::string& key) const {
        return std::get<std::map<std::string, Json>>(value).at(key);
    }
    bool has(const std::string& key) const {
        return std::get<std::map<std::string, Json>>(value).count(key) > 0;
    }
    const std::string& text() const { return std::get<std::string>(value); }
    double number() const { return std::get<double>(value); }
    bool isNull() const { return std::holds_alternative<std::nullptr_t>(value); }
};

class JsonReader {
public:
    explicit JsonReader(const std::string& text) : m_text(text) {}

    Json document() {
        Json json = value();
        skipSpace();
        if (m_at != m_text.size())
            throw std::runtime_error("text after the document");
        return json;
    }

private:
    Json value() {
        skipSpace();
        const char c = peek();
        if (c == '[')
            return array();
        if (c == '{')
            return object();
        if (c == '"')
            return {string()};
        if (m_text.compare(m_at, 4, "null") == 0) {
            m_at += 4;
            return {nullptr};
        }
        std::size_t used = 0;
        const double number = std::stod(m_text.substr(m_at), &used);
        m_at += used;
        return {number};
    }
    Json array() {
        std::vector<Json> items;
        expect('[');
        skipSpace();
        if (peek() == ']')
            return ++m_at, Json{items};
        do
            items.push_back(value());
        while (skipSpace(), peek() == ',' && ++m_at);
        expect(']');
        return {items};
    }
    Json object() {
        std::map<std::string, Json> members;
        expect('{');
        do {
            skipSpace();
            std::string key = string();
            skipSpace();
            expect(':');
            if (!members.emplace(key, value()).second)
                throw std::runtime_error("key given twice: " + key);
        } while (skipSpace(), peek() == ',' && ++m_at);
        expect('}');
        return {members};
    }
    std::string string() {
        expect('"');
        std::string text;
        for (char c = next(); c != '"'; c = next()) {
            if (static_cast<unsigned char>(c) < 0x20)
                throw std::runtime_error("raw control character in a string");
            if (c != '\\') {
                text += c;
                continue;
            }
            const char escape = next();
            const std::string plain = "\"\\/bfnrt";
            const std::string meant = "\"\\/\b\f\n\r\t";
            if (escape == 'u') {
                const unsigned code = std::stoul(m_text.substr(m_at, 4), nullptr, 16);
                m_at += 4;
                text += code < 0x80      ? std::string(1, static_cast<char>(code))
                        : code == 0xFFFD ? "\xEF\xBF\xBD"
                                         : throw std::runtime_error("escape");
            } else if (plain.find(escape) != std::string::npos) {
                text += meant[plain.find(escape)];
            } else {
                throw std::runtime_error("bad escape");
            }
        }
        return text;
    }
    void skipSpace() {
        while (m_at < m_text.size() && std::isspace(static_cast<unsigned char>(m_text[m_at])))
            ++m_at;
    }
    char peek() const {
        if (m_at >= m_text.size())
            throw std::runtime_error("unexpected end");
        return m_text[m_at];
    }
    char next() {
        const char c = peek();
        ++m_at;
        return c;
    }
    void expect(char c) {
        if (next() != c)
            throw std::runtime_error(std::string("expected ") + c);
    }

    const std::string& m_text;
    std::size_t m_at = 0;
};

struct CheckRun {
    int status;
    std::string out;
    std::string err;
};

CheckRun check(std::vector<std::string> arguments) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = runCheckWith(arguments, {installedSchemaDir()}, out, err);
    return {status, out.str(), err.str()};
}

std::string collectionXml(const std::string& studies) {
    return "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
           "<prs:study_collection xmlns:prs=\"http://clinicaltrials.gov/prs\">\n" +
           studies + "</prs:study_collection>\n";
}

// A protocol of the smallest form the schema takes, with `more` after its brief title.
std::string studyXml(const std::string& id, const std::string& more, bool partial = false) {
    return std::string("<clinical_study") + (partial ? " partial_upload=\"true\"" : "") +
           ">\n<id_info><org_name>HCI</org_name><org_study_id>" + id +
           "</org_study_id></id_info>\n<brief_title>Tea</brief_title>\n" + more +
           "</clinical_study>\n";
}

const std::string kInterventional =
    "<study_design><study_type>Interventional</study_type></study_design>\n";

} // namespace

TEST(CheckCommandTest, FindingsAsTextAndAsJsonWithExitOneForAnError) {
    ScratchDir dir;
    // A stopped study without its reason, a secondary ID whose type carries
    // every character JSON must escape and a byte that is no UTF-8, and a
    // second protocol under the same ID.
    const std::string file = dir.write(
        "two.xml", collectionXml(studyXml("HCI-1", "<overall_status>Terminated</overall_status>\n" +
                                                       kInterventional) +
                                 studyXml("HCI-1", kInterventional, true)));
    std::string odd = dir.path() / "odd.xml";
    {
        const std::string text = collectionXml(studyXml("HCI-2", kInterventional, true));
        const std::string withId = text.substr(0, text.find("</id_info>")) +
                                   "<secondary_id><id>7</id><id_type>a\"b\\c\tdé\xff</id_type>"
                                   "</secondary_id>" +
                                   text.substr(text.find("</id_info>"));
        odd = dir.write("odd.xml", withId);
    }

    const CheckRun text = check({file});
    EXPECT_EQ(text.status, 1) << text.err;
    EXPECT_THAT(text.out, HasSubstr("HCI-1: error: status: Why Study Stopped is required when the "
                                    "status is Terminated.\n"));
    EXPECT_THAT(text.out, HasSubstr("HCI-1: error: identification: Unique Protocol ID \"HCI-1\" is "
                                    "already used by protocol 1 of this collection.\n"));

    const CheckRun json = check({"--format", "json", file});
    EXPECT_EQ(json.status, 1);
    const Json findings = JsonReader(json.out).document();
    ASSERT_EQ(findings.array().size(),
              static_cast<std::size_t>(std::count(text.out.begin(), text.out.end(), '\n')));
    const auto stopped =
        std::find_if(findings.array().begin(), findings.array().end(),
                     [](const Json& f) { return f["rule"].text() == "why_stopped.required"; });
    ASSERT_NE(stopped, findings.array().end());
    EXPECT_EQ((*stopped)["protocol"].text(), "HCI-1");
    EXPECT_EQ((*stopped)["severity"].text(), "error");
    EXPECT_EQ((*stopped)["path"].text(), "why_stopped");

    const CheckRun escaped = check({odd, "--format", "json"});
    const Json oddFindings = JsonReader(escaped.out).document();
    // The byte that is no UTF-8 fails the schema as well; the rule still quotes it.
    const auto typeFinding =
        std::find_if(oddFindings.array().begin(), oddFindings.array().end(), [](const Json& f) {
            return f["rule"].text() == "secondary_id.id_type.value";
        });
    ASSERT_NE(typeFinding, oddFindings.array().end()) << escaped.out;
    const Json& type = *typeFinding;
    EXPECT_EQ(type["list"].text(), "secondary_id");
    EXPECT_EQ(type["item"].number(), 1);
    EXPECT_THAT(type["message"].text(), HasSubstr("\"a\"b\\c\td\xC3\xA9\xEF\xBF\xBD\""));
}

TEST(CheckCommandTest, SchemaFindingCarriesLineAndColumnAndWarningsAloneExitZero) {
    ScratchDir dir;
    const std::string misplaced = dir.write(
        "order.xml", collectionXml("<clinical_study>\n  <brief_title>Tea</brief_title><id_info/>\n"
                                   "</clinical_study>\n"));
    const CheckRun text = check({misplaced});
    EXPECT_EQ(text.status, 1);
    EXPECT_THAT(text.out, HasSubstr(misplaced + ":4:"));
    EXPECT_THAT(text.out, HasSubstr(": error: schema: "));

    const Json findings = JsonReader(check({misplaced, "--format", "json"}).out).document();
    const Json& schema = findings.array().front();
    EXPECT_TRUE(schema["protocol"].isNull());
    EXPECT_EQ(schema["rule"].text(), "schema");
    EXPECT_EQ(schema["line"].number(), 4);
    // The validator knows no column for an error of content: 0 says so.
    EXPECT_TRUE(schema.has("column"));

    // A partial upload need not carry what a full record must; a verification
    // date in the future is a warning only.
    const std::string warned = dir.write(
        "warned.xml",
        collectionXml(studyXml(
            "HCI-3", "<verification_date>2099-01</verification_date>\n" + kInterventional, true)));
    const CheckRun warnings = check({warned});
    EXPECT_EQ(warnings.status, 0) << warnings.out;
    EXPECT_EQ(warnings.out, "HCI-3: warning: status: Record Verification Date is in the future "
                            "(2099-01).\n");
    EXPECT_EQ(JsonReader(check({warned, "--format", "json"}).out).document().array().size(), 1u);
}

TEST(CheckCommandTest, ACheckThatCannotRunExitsTwoAndWrongUsageSixtyFour) {
    ScratchDir dir;
    const CheckRun missing = check({(dir.path() / "none.xml").string()});
    EXPECT_EQ(missing.status, 2);
    EXPECT_EQ(missing.out, "");
    EXPECT_THAT(missing.err, HasSubstr("none.xml"));

    const std::string broken = dir.write("broken.xml", "<?xml version=\"1.0\"?>\n<a>\n<b></a>\n");
    const CheckRun unloadable = check({broken});
    EXPECT_EQ(unloadable.status, 2);
    EXPECT_EQ(unloadable.out, "");
    EXPECT_THAT(unloadable.err, HasSubstr("broken.xml"));
    EXPECT_THAT(unloadable.err, HasSubstr("3"));

    const std::string fine = dir.write("fine.xml", collectionXml(studyXml("HCI-4", "", true)));
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(runCheckWith({fine}, {(dir.path() / "nowhere").string()}, out, err), 2);
    EXPECT_THAT(err.str(), HasSubstr("Error\n"));

    for (const std::vector<std::string>& usage : std::vector<std::vector<std::string>>{
             {fine, "--format", "xml"}, {fine, "--format"}, {fine, fine}, {"--verbose", fine}}) {
        const CheckRun wrong = check(usage);
        EXPECT_EQ(wrong.status, 64);
        EXPECT_THAT(wrong.err, HasSubstr("usage: protoscribe-cli check FILE"));
    }
}
