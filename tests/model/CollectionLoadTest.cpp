// Loading files written by other tools: every load keeps the content or says
// what it did not keep, and every failure says what and where.
#include "model/CollectionFile.h"

#include "RecordFixtures.h"
#include "model/DocumentDecoder.h"
#include "model/StudyCollection.h"
#include "xml/XmlParseOptions.h"
#include "xml/XmlReader.h"

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const std::string kPrefix(CollectionFile::kLoadErrorPrefix);

std::string loadMessage(std::string_view bytes) {
    StudyCollection collection;
    const LoadResult result = CollectionFile::loadText(bytes, collection, "f.xml");
    EXPECT_FALSE(result.ok) << bytes;
    return result.message;
}

struct Loaded {
    StudyCollection collection;
    LoadResult result;
};

std::unique_ptr<Loaded> load(std::string_view bytes) {
    auto loaded = std::make_unique<Loaded>();
    loaded->result = CollectionFile::loadText(bytes, loaded->collection);
    EXPECT_TRUE(loaded->result.ok) << loaded->result.message;
    return loaded;
}

// Code points of a UTF-8 text, for writing it in other encodings.
std::vector<std::uint32_t> codePoints(std::string_view utf8) {
    std::vector<std::uint32_t> codes;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const int length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        std::uint32_t code = length == 1 ? lead : lead & (0x3F >> (length - 1));
        for (int k = 1; k < length; ++k)
            code = (code << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        codes.push_back(code);
        i += length;
    }
    return codes;
}

std::string encoded(std::string_view utf8, int unit, bool bigEndian, bool mark) {
    std::vector<std::uint32_t> units;
    if (mark)
        units.push_back(0xFEFF);
    for (std::uint32_t code : codePoints(utf8)) {
        if (unit == 2 && code >= 0x10000) {
            units.push_back(0xD800 + ((code - 0x10000) >> 10));
            units.push_back(0xDC00 + ((code - 0x10000) & 0x3FF));
        } else {
            units.push_back(code);
        }
    }
    std::string bytes;
    for (std::uint32_t u : units) {
        for (int k = 0; k < unit; ++k) {
            const int shift = 8 * (bigEndian ? unit - 1 - k : k);
            bytes += static_cast<char>((u >> shift) & 0xFF);
        }
    }
    return bytes;
}

const std::string kDocument =
    "<?xml version=\"1.0\" encoding=\"ENCODING\"?>\r\n<study_collection>\r\n<clinical_study>\r\n"
    "<brief_title>Caf\u00e9 \u201cquoted\u201d \u2013 \U0001F600</brief_title>\r\n"
    "<acronym>\u00c9T\u00c9</acronym>\r\n</clinical_study>\r\n</study_collection>\r\n";

std::string withEncoding(std::string_view name) {
    std::string text = kDocument;
    return text.replace(text.find("ENCODING"), 8, name);
}

} // namespace

TEST(CollectionLoadTest, FailuresSayWhatAndWhere) {
    const std::string typo = "<?xml version=\"1.0\"?>\n<study_collection>\n  <clinical_study>\n"
                             "    <brief_title>T</Brief_title>\n  </clinical_study>\n"
                             "  <clinical_study/>\n</study_collection>\n";
    std::string typoCrLf;
    for (char c : typo)
        typoCrLf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    struct Case {
        std::string bytes;
        std::string expected;
    };
    const Case cases[] = {
        {typo, "it must be closed with </brief_title>\n\nFile: f.xml, line 4, column 5"},
        {typoCrLf, "it must be closed with </brief_title>\n\nFile: f.xml, line 4, column 5"},
        {"<study_collection>\n<clinical_study>\n<brief_title>T</brief_title>",
         "it must be closed with </clinical_study>\n\nFile: f.xml, line 2, column 1"},
        {"<study_collection>\r\n<clinical_study>\r\n\t<brief_title>Tit",
         "brief_title must be closed with </brief_title>\n\nFile: f.xml, line 3, column 2"},
        {"<study_collection>\n<clinical_study>\n<!-- note",
         "The comment must be closed with -->\n\nFile: f.xml, line 3, column 1"},
        {"<!DOCTYPE html>\n<html><body>Not found</body></html>",
         "The file is not a protocol collection: its root element is <html>, where "
         "<prs:study_collection> or <clinical_study> was expected.\n\nFile: f.xml, line 2, column 1"},
        {"", "The file holds no XML element.\n\nFile: f.xml"},
        {"just words\n", "The file holds no XML element.\n\nFile: f.xml"},
        {withEncoding("Shift_JIS"), "The file is encoded in Shift_JIS, which Protoscribe cannot "
                                    "read. Save it as UTF-8 and open it again.\n\nFile: f.xml"},
        {std::string("\xFF\xFE<\0\0\xDC", 6),
         "The file is not valid UTF-16LE: the bytes at offset 4 are no character of that "
         "encoding.\n\nFile: f.xml"},
        {"<study_collection>\n<clinical_study><acronym>\xC3\xA9\xC3\xA9</acronym><x a=\"1>",
         "The value of a in <x> must be closed with \"\n\nFile: f.xml, line 2, column 43"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(loadMessage(c.bytes), kPrefix + c.expected) << c.bytes;
}

TEST(CollectionLoadTest, EncodingsAreReadAsUtf8) {
    const std::string utf8 = withEncoding("UTF-8");
    const std::string expected = CollectionFile::saveText(load(utf8)->collection);
    EXPECT_NE(expected.find("Caf\u00e9 \u201cquoted\u201d \u2013 \U0001F600"), std::string::npos);
    const std::string utf16 = withEncoding("UTF-16");
    const std::string utf32 = withEncoding("UTF-32");
    for (const std::string& bytes :
         {"\xEF\xBB\xBF" + utf8, encoded(utf16, 2, false, true), encoded(utf16, 2, true, true),
          encoded(utf16, 2, false, false), encoded(utf16, 2, true, false),
          encoded(utf32, 4, false, true), encoded(utf32, 4, true, true),
          encoded(utf32, 4, false, false), encoded(utf32, 4, true, false)})
        EXPECT_EQ(CollectionFile::saveText(load(bytes)->collection), expected);

    // Single-byte Western text becomes UTF-8, since the saved file says UTF-8.
    for (const char* name : {"ISO-8859-1", "latin1", "windows-1252"}) {
        const auto loaded = load(std::string("<?xml version=\"1.0\" encoding=\"") + name +
                                 "\"?><study_collection><clinical_study><brief_title>"
                                 "Caf\xE9 \x93quoted\x94 \x96</brief_title></clinical_study>"
                                 "</study_collection>");
        EXPECT_EQ(loaded->collection.records.at(0)->brief_title.displayText(),
                  "Caf\u00e9 \u201cquoted\u201d \u2013")
            << name;
    }
    // Undeclared bytes that are no UTF-8 keep their bytes.
    const auto raw = load("<study_collection><clinical_study><acronym>Caf\xE9</acronym>"
                          "</clinical_study></study_collection>");
    EXPECT_EQ(raw->collection.records.at(0)->acronym, "Caf\xE9");
}

// Other tools write a line break as a character reference, often followed by
// a real line break; either way it is one break, shown and saved once.
TEST(CollectionLoadTest, LineBreakReferencesCountOnce) {
    for (const char* text :
         {"a&#xd;b", "a&#xD;b", "a&#x0D;b", "a&#13;b", "a&#10;b", "a&#xa;b", "a&#x000a;b",
          "a&#xD;\nb", "a&#13;\r\nb", "a&#10;\r\nb", "a&#xD;&#xA;b", "a&#13;&#10;\r\nb", "a\nb",
          "a\r\nb"}) {
        const auto loaded = load(std::string("<study_collection><clinical_study><brief_title>") +
                                 text + "</brief_title><brief_summary><textblock>" + text +
                                 "</textblock></brief_summary><condition>" + text +
                                 "</condition></clinical_study></study_collection>");
        const StudyRecord& record = *loaded->collection.records.at(0);
        EXPECT_EQ(record.brief_title.displayText(), "a\r\nb") << text;
        EXPECT_EQ(record.brief_title.xmlText(), "a&#xd;b") << text;
        EXPECT_EQ(record.brief_summary.text(), "a\r\nb") << text;
        EXPECT_EQ(record.condition.at(0).displayText(), "a\r\nb") << text;
    }
    // Two breaks stay two; references to other characters stay as written.
    const auto loaded = load("<study_collection><clinical_study><brief_title>a&#10;&#10;b&#xD;"
                             "&#13;c &#x2019;&#9;&#xD</brief_title></clinical_study>"
                             "</study_collection>");
    EXPECT_EQ(loaded->collection.records.at(0)->brief_title.displayText(),
              "a\r\n\r\nb\r\n\r\nc &#x2019;&#9;&#xD");
}

TEST(CollectionLoadTest, WhatIsNotKeptIsListed) {
    const auto loaded = load(
        "<?xml version=\"1.0\"?><!-- tool header -->\n"
        "<prs:study_collection xmlns:prs=\"p\" xsi:schemaLocation=\"s\">\n"
        "<clinical_study>\n<brief_title>One</brief_title>\n<brief_title>Two</brief_title>\n"
        "<Brief_Title>Three</Brief_Title>\n<foreign:thing/>\n<!-- a remark -->\n"
        "<sponsors weight=\"1\"><lead_sponsor><agency><![CDATA[A & B]]></agency>"
        "<extra>x</extra></lead_sponsor>stray text</sponsors>\n"
        "<acronym delete=\"true\">AC<b>bold</b></acronym>\n"
        "<brief_summary><textblock>S</textblock><textblock>S2</textblock></brief_summary>\n"
        "</clinical_study>\n<clinical_study><foreign:thing/></clinical_study>\n"
        "<notes>n</notes>\n</prs:study_collection>");
    const NotKeptReport& report = loaded->result.notKept;
    std::vector<std::pair<std::string, std::size_t>> entries;
    for (const auto& entry : report.entries())
        entries.emplace_back(entry.path, entry.count);
    const std::vector<std::pair<std::string, std::size_t>> expected = {
        {"clinical_study/acronym/b", 1},
        {"clinical_study/acronym/@delete", 1},
        {"clinical_study/sponsors/lead_sponsor/extra", 1},
        {"clinical_study/sponsors/@weight", 1},
        {"clinical_study/sponsors/text()", 1},
        {"clinical_study/brief_summary/textblock", 1},
        {"clinical_study/brief_title", 1},
        {"clinical_study/Brief_Title", 1},
        {"clinical_study/foreign:thing", 2},
        {"clinical_study/comment()", 1},
        {"prs:study_collection/notes", 1},
        {"prs:study_collection/@xsi:schemaLocation", 1},
    };
    EXPECT_EQ(entries, expected);
    EXPECT_EQ(loaded->collection.records.at(0)->sponsors.lead_sponsor.agency, "A & B");
    EXPECT_EQ(loaded->collection.records.at(0)->brief_title.displayText(), "One");
    EXPECT_TRUE(report.message().starts_with(std::string(NotKeptReport::kHeading) +
                                             "\n\nclinical_study/acronym/b (1)\n"));

    // The program's own files lose nothing.
    const std::string saved = CollectionFile::saveText(loaded->collection);
    EXPECT_TRUE(load(saved)->result.notKept.empty());
}

// Names that differ from a field's in one byte only, short and long, at the
// start, in the middle and at the end, are not the field's.
TEST(CollectionLoadTest, NearlyMatchingNamesAreNotTaken) {
    const auto loaded = load(
        "<clinical_study><acronyn>x</acronyn><acronym>A</acronym><brief_titlE>x</brief_titlE>"
        "<brief_title>T</brief_title><locatiom/><location><facility><address><zap>x</zap>"
        "<zip>Z</zip><citx/><city>C</city><Xtate/></address></facility></location>"
        "<primary_compl_dAte_type>x</primary_compl_dAte_type>"
        "<primary_compl_date_type>P</primary_compl_date_type></clinical_study>");
    const StudyRecord& record = *loaded->collection.records.at(0);
    EXPECT_EQ(record.acronym, "A");
    EXPECT_EQ(record.brief_title.displayText(), "T");
    EXPECT_EQ(record.primary_compl_date_type.displayText(), "P");
    ASSERT_EQ(record.location.size(), 1u);
    EXPECT_EQ(record.location[0]->facility.address.zip, "Z");
    EXPECT_EQ(record.location[0]->facility.address.city, "C");
    std::vector<std::string> paths;
    for (const auto& entry : loaded->result.notKept.entries())
        paths.push_back(entry.path);
    const std::vector<std::string> expected = {
        "clinical_study/location/facility/address/zap",
        "clinical_study/location/facility/address/citx",
        "clinical_study/location/facility/address/Xtate",
        "clinical_study/acronyn",
        "clinical_study/brief_titlE",
        "clinical_study/locatiom",
        "clinical_study/primary_compl_dAte_type",
    };
    EXPECT_EQ(paths, expected);
}

TEST(CollectionLoadTest, TheListIsShortAndNamesThePublicFormat) {
    std::string many = "<clinical_study><required_header><download_date>d</download_date>"
                       "</required_header>";
    for (int i = 0; i < 25; ++i)
        many += "<unknown" + std::to_string(i) + "/>";
    const auto loaded = load(many + "<brief_title>Kept</brief_title></clinical_study>");
    const NotKeptReport& report = loaded->result.notKept;
    EXPECT_TRUE(report.isPublicRecord());
    const std::string message = report.message();
    EXPECT_TRUE(message.starts_with("This file is a public record of ClinicalTrials.gov, not an "
                                    "upload file"))
        << message;
    EXPECT_NE(message.find("\nclinical_study/required_header (1)\n"), std::string::npos);
    EXPECT_NE(message.find("\nclinical_study/unknown18 (1)\nand 6 more"), std::string::npos);
    EXPECT_EQ(message.find("unknown19"), std::string::npos);
    EXPECT_EQ(loaded->collection.records.at(0)->brief_title.displayText(), "Kept");
}

// A long file is decoded and read piece by piece; what it gives, and where a
// failure is said to be, is what reading it whole gives.
TEST(CollectionLoadTest, LongFilesReadLikeShortOnes) {
    StudyCollection original;
    for (int i = 0; i < 400; ++i)
        RecordFiller("r" + std::to_string(i) + "t").fill(appendNew(original.records));
    const std::string saved = CollectionFile::saveText(original);
    ASSERT_GT(saved.size(), 3 * XmlReader::kDefaultReadAhead);
    EXPECT_EQ(CollectionFile::saveText(load(saved)->collection), saved);

    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("protoscribe-long-" + std::to_string(getpid()));
    std::ofstream(path, std::ios::binary) << saved;
    StudyCollection fromFile;
    ASSERT_TRUE(CollectionFile::load(path.string(), fromFile).ok);
    EXPECT_EQ(CollectionFile::saveText(fromFile), saved);

    // Where the whole text places an error.
    const auto at = [](const std::string& bytes, std::size_t offset) {
        const CollectionFile::Place place =
            CollectionFile::placeOf(CollectionFile::documentText(bytes), offset);
        return ", line " + std::to_string(place.line) + ", column " + std::to_string(place.column);
    };
    std::string comment = saved;
    comment.insert(comment.rfind("<acronym>"), "<!-- never closed");
    const std::string commentError = kPrefix + "The comment must be closed with -->\n\nFile: ";
    const std::string commentPlace =
        at(comment, CollectionFile::documentText(comment).rfind("<!--"));
    EXPECT_EQ(loadMessage(comment), commentError + "f.xml" + commentPlace);
    std::ofstream(path, std::ios::binary) << comment;
    EXPECT_EQ(CollectionFile::load(path.string(), fromFile).message,
              commentError + path.string() + commentPlace);
    std::filesystem::remove(path);

    const std::string unclosed = saved.substr(0, saved.rfind("\t</prs:study_collection>"));
    const std::string opening = "<prs:study_collection";
    EXPECT_EQ(loadMessage(unclosed), kPrefix + "it must be closed with </prs:study_collection>" +
                                         "\n\nFile: f.xml" + at(unclosed, saved.find(opening) - 2));

    std::string other = saved;
    other.replace(other.find(opening), opening.size(), "<prs:other_collection");
    EXPECT_TRUE(loadMessage(other).ends_with(at(other, saved.find(opening) - 2)));

    // Bytes that are no character fail the load wherever they are.
    std::string utf16 = encoded(saved, 2, false, true);
    utf16.replace(utf16.size() - 40, 2, std::string("\x00\xDC", 2));
    std::string text;
    DocumentDecoder decoder(text);
    EXPECT_FALSE(decoder.append(utf16) && decoder.finish());
    EXPECT_EQ(loadMessage(utf16), kPrefix + decoder.error() + "\n\nFile: f.xml");
}

// A mistyped end tag is skipped so the file still opens, but what it drops
// from the value is reported with its place, from memory and from a file,
// however far into a long file it is; so is other markup the records have
// no place for.
TEST(CollectionLoadTest, SkippedPartsAreReportedWithTheirPlace) {
    StudyCollection original;
    for (int i = 0; i < 400; ++i)
        RecordFiller("r" + std::to_string(i) + "t").fill(appendNew(original.records));
    std::string bytes = CollectionFile::saveText(original);
    const std::string end = "</brief_title>";
    for (const std::size_t at : {bytes.rfind(end), bytes.find(end)})
        bytes.insert(at, "</brieftitle> Blood Pressure");
    const std::string text = CollectionFile::documentText(bytes);
    const auto entry = [&text](std::size_t at, const std::string& what) {
        const CollectionFile::Place place = CollectionFile::placeOf(text, at);
        return "line " + std::to_string(place.line) + ", column " + std::to_string(place.column) +
               ": " + what + " 1";
    };
    std::vector<std::string> once;
    for (std::size_t at = text.find("</brieftitle>"); at != std::string::npos;
         at = text.find("</brieftitle>", at + 1)) {
        once.push_back(entry(at, "the end tag </brieftitle> inside <brief_title>"));
        once.push_back(entry(text.find("Blood", at), "text inside <brief_title> after other markup"));
    }
    ASSERT_EQ(once.size(), 4u);
    const auto paths = [](const LoadResult& result) {
        std::vector<std::string> found;
        for (const auto& entry : result.notKept.entries())
            found.push_back(entry.path + " " + std::to_string(entry.count));
        return found;
    };
    const auto loaded = load(bytes);
    EXPECT_EQ(paths(loaded->result), once);
    EXPECT_EQ(loaded->collection.records.at(0)->brief_title.displayText(),
              original.records.at(0)->brief_title.displayText());

    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("protoscribe-stray-" + std::to_string(getpid()));
    std::ofstream(path, std::ios::binary) << bytes;
    StudyCollection fromFile;
    EXPECT_EQ(paths(CollectionFile::load(path.string(), fromFile)), once);
    std::filesystem::remove(path);

    const std::vector<std::string> markup = {
        "line 2, column 1: the processing instruction <?style?> before the root element 1",
        "line 4, column 30: the processing instruction <?pi?> inside <brief_title> 1",
    };
    // Text after a CDATA section is kept, in its place.
    const auto withMarkup = load("<?xml version=\"1.0\"?>\n<?style x?>\n<clinical_study>\n"
                                 "<brief_title>A<![CDATA[x]]> B<?pi y?></brief_title>\n"
                                 "</clinical_study>");
    EXPECT_EQ(paths(withMarkup->result), markup);
    EXPECT_EQ(withMarkup->collection.records.at(0)->brief_title.displayText(), "Ax B");

    // Past the listed ones, skipped parts are counted.
    std::string many = "<clinical_study>";
    for (std::size_t i = 0; i < XmlParseOptions::kMaxListedSkippedParts + 5; ++i)
        many += "</x>";
    const std::vector<std::string> found = paths(load(many + "</clinical_study>")->result);
    ASSERT_EQ(found.size(), XmlParseOptions::kMaxListedSkippedParts + 1);
    EXPECT_EQ(found[1], "line 1, column 21: the end tag </x> inside <clinical_study> 1");
    EXPECT_EQ(found.back(), "further end tags, text or markup read past 5");
}

// A document ends with its root element; whatever another tool wrote after
// it (a second protocol, a note) is not read, and the load says from where.
TEST(CollectionLoadTest, WhatFollowsTheRootIsReported) {
    const std::string study = "<clinical_study><brief_title>T</brief_title></clinical_study>";
    const std::string collection = "<study_collection>\r\n" + study + "\r\n</study_collection>";
    const auto entries = [](const LoadResult& result) {
        std::vector<std::string> found;
        for (const auto& entry : result.notKept.entries())
            found.push_back(entry.path);
        return found;
    };
    const std::string after = "everything after the root element, from ";
    const std::vector<std::pair<std::string, std::vector<std::string>>> cases = {
        {collection + "\r\n" + study + "\r\n",
         {"line 4, column 1: " + after + "<clinical_study> on"}},
        {collection + "\r\n<!-- signed off -->", {"line 4, column 1: " + after + "a comment on"}},
        {collection + "\n\t <?app x?>", {"line 4, column 3: " + after + "markup on"}},
        {study + "\n</clinical_study>", {"line 2, column 1: " + after + "an end tag on"}},
        {study + "\n< b", {"line 2, column 1: " + after + "markup on"}},
        {study + "\n\n \r\n  ", {}},
    };
    for (const auto& [bytes, expected] : cases) {
        const auto loaded = load(bytes);
        EXPECT_EQ(entries(loaded->result), expected) << bytes;
        EXPECT_EQ(loaded->collection.records.size(), 1u) << bytes;
    }

    // Read from a file, the part is found past read-aheads of blank lines.
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("protoscribe-after-" + std::to_string(getpid()));
    std::ofstream(path, std::ios::binary)
        << collection << std::string(3 << 20, '\n') << "  trailing words";
    StudyCollection fromFile;
    const LoadResult result = CollectionFile::load(path.string(), fromFile);
    std::filesystem::remove(path);
    EXPECT_EQ(entries(result), std::vector<std::string>{"line " + std::to_string((3 << 20) + 3) +
                                                        ", column 3: everything after the root "
                                                        "element, from text on"});
}

TEST(CollectionLoadTest, OnlyRegularFilesAreRead) {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("protoscribe-load-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    const std::string fifo = (folder / "pipe.xml").string();
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    StudyCollection collection;
    const auto start = std::chrono::steady_clock::now();
    for (const std::string& path : {fifo, std::string("/dev/zero"), folder.string()}) {
        const LoadResult result = CollectionFile::load(path, collection);
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.message, kPrefix + "This is not a regular file.\n\nFile: " + path);
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    std::filesystem::remove_all(folder);
}

// Running out of memory (here: a file of empty protocols under a small limit)
// is a message, and the collection stays as it was.
TEST(CollectionLoadTest, RunningOutOfMemoryIsAMessage) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the address sanitizer reserves more memory than the limit allows";
#else
    std::string many = "<study_collection>";
    for (int i = 0; i < 400000; ++i)
        many += "<clinical_study/>";
    many += "</study_collection>";
    const pid_t child = ::fork();
    if (child == 0) {
        const rlimit limit{256u << 20, 256u << 20};
        ::setrlimit(RLIMIT_AS, &limit);
        StudyCollection collection;
        appendNew(collection.records).acronym = "KEPT";
        const LoadResult result = CollectionFile::loadText(many, collection, "many.xml");
        const bool reported =
            !result.ok &&
            result.message == kPrefix + "There is not enough memory to load this file.\n\n"
                                        "File: many.xml";
        const bool kept = collection.records.size() == 1 && collection.records[0]->acronym == "KEPT";
        ::_exit(reported && kept ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status)) << "the load ended the process: " << status;
    EXPECT_EQ(WEXITSTATUS(status), 0);
#endif
}
