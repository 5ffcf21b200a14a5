#include "model/CollectionFile.h"

#include "RecordFixtures.h"
#include "model/CollectionWriter.h"
#include "model/StudyCollection.h"
#include "model/TextModeDecoder.h"

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::string readBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void writeBytes(const fs::path& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::unique_ptr<StudyCollection> loaded(std::string_view bytes) {
    auto collection = std::make_unique<StudyCollection>();
    const LoadResult result = CollectionFile::loadText(bytes, *collection);
    EXPECT_TRUE(result.ok) << result.message;
    return collection;
}

// The collection whose saved bytes were checked by hand.
void buildSmallCollection(StudyCollection& c) {
    StudyRecord& r = appendNew(c.records);
    r.id_info.org_study_id = "NVS-001";
    r.id_info.org_name = "Harbor & Vale";
    SecondaryId& s = appendNew(r.id_info.secondary_id);
    s.id = "2026-01";
    s.deleteFlag = true;
    r.brief_title.setText("Sleep \"and\" <memory>");
    r.acronym = "SAM";
    r.brief_summary.setText("Line one\r\nLine two &#38; more");
    r.condition.emplace_back("Insomnia");
    r.overall_status.setText("Recruiting");
    Location& l = appendNew(r.location);
    l.facility.name = "Ward 5";
    appendNew(l.investigator).last_name = "Okafor";
}

class TempFolder : public ::testing::Test {
protected:
    void SetUp() override {
        m_root = fs::temp_directory_path() /
                 ("protoscribe-" + std::to_string(getpid()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_root);
        fs::create_directories(m_root);
    }
    void TearDown() override {
        fs::permissions(m_root, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(m_root);
    }
    std::vector<std::string> entries() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(m_root))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    fs::path m_root;
};

// Enough protocols for the saved file to be written in several pieces, with
// a blank-looking line (tabs only before text) in every one of them.
void buildLargeCollection(StudyCollection& c) {
    while (CollectionFile::saveText(c).size() < 3 * CollectionWriter::kPieceSize) {
        for (int i = 0; i < 100; ++i) {
            buildSmallCollection(c);
            c.records.back()->brief_summary.setText("\t\r\n\t \r\nText " + std::to_string(i));
        }
    }
}

} // namespace

TEST(CollectionFileTest, SavedBytesMatchTheHandCheckedFile) {
    StudyCollection collection;
    buildSmallCollection(collection);
    const std::string expected =
        readBytes(fs::path(PROTOSCRIBE_TEST_DATA) / "small-collection.xml");
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(CollectionFile::saveText(collection), expected);
}

TEST(CollectionFileTest, EmptyCollectionIsTheElementAlone) {
    EXPECT_EQ(CollectionFile::saveText(StudyCollection()),
              "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n"
              "<!-- Created with Protoscribe (http://www.norvalesoftware.com) -->\r\n"
              "\t<prs:study_collection xmlns:prs=\"http://clinicaltrials.gov/prs\" "
              "xmlns:rrs=\"http://clinicaltrials.gov/rrs\" "
              "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" />\r\r\n");
}

TEST(CollectionFileTest, LayoutHasNoEmptyLineAndTreeLinesEndInCrCrLf) {
    StudyCollection collection;
    RecordFiller("f").fill(appendNew(collection.records));
    appendNew(collection.records).condition.emplace_back("two\r\n\r\nlines");
    const std::string text = CollectionFile::saveText(collection);
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end = text.find('\n'); end != std::string::npos;
         start = end + 1, end = text.find('\n', start))
        lines.push_back(text.substr(start, end + 1 - start));
    EXPECT_EQ(start, text.size()) << "the file ends with a line end";
    ASSERT_GT(lines.size(), 3u);
    EXPECT_EQ(lines[0], "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n");
    EXPECT_TRUE(lines[1].starts_with("<!-- Created with Protoscribe (")) << lines[1];
    EXPECT_EQ(lines.back(), "\t</prs:study_collection>\r\r\n");
    for (std::size_t i = 2; i < lines.size(); ++i) {
        EXPECT_TRUE(lines[i].ends_with("\r\r\n") || lines[i].ends_with("\r\n")) << lines[i];
        EXPECT_NE(lines[i].find_first_not_of(" \t\r\n"), std::string::npos) << "line " << i;
    }
}

TEST(CollectionFileTest, AmpersandsAndCharacterReferences) {
    StudyCollection collection;
    StudyRecord& r = appendNew(collection.records);
    r.acronym = "A&#38;B";
    r.id_info.org_name = "R&D";
    const std::string text = CollectionFile::saveText(collection);
    EXPECT_NE(text.find("<acronym>A&#38;B</acronym>"), std::string::npos);
    EXPECT_NE(text.find("<org_name>R&amp;D</org_name>"), std::string::npos);

    auto again = loaded(text);
    EXPECT_EQ(again->records[0]->acronym, "A&#38;B");
    EXPECT_EQ(again->records[0]->id_info.org_name, "R&D");
}

TEST(CollectionFileTest, FileFromAnotherToolLoadsWithItsLineBreaks) {
    const std::string lf =
        "<?xml version=\"1.0\"?>\n"
        "<study_collection xmlns=\"urn:other\">\n"
        "  <clinical_study>\n"
        "    <brief_title>A long title\n      that wraps</brief_title>\n"
        "    <acronym>TWO\nLINES</acronym>\n"
        "    <brief_summary>\n"
        "      <textblock>First paragraph\nends here.\n\nSecond one.</textblock>\n"
        "    </brief_summary>\n"
        "    <id_info>\n      <org_study_id>X-1</org_study_id>\n    </id_info>\n"
        "  </clinical_study>\n"
        "  <Clinical_Study><id_info><org_study_id>lost</org_study_id></id_info></Clinical_Study>\n"
        "  <note>ignored</note>\n"
        "</study_collection>\n";
    std::string crlf;
    for (char c : lf)
        crlf += (c == '\n') ? std::string("\r\n") : std::string(1, c);

    auto fromLf = loaded(lf);
    ASSERT_EQ(fromLf->records.size(), 1u);
    const StudyRecord& r = *fromLf->records[0];
    EXPECT_EQ(r.id_info.org_study_id, "X-1");
    EXPECT_EQ(r.brief_title.xmlText(), "A long title&#xd;      that wraps");
    EXPECT_EQ(r.acronym, "TWO\nLINES");
    EXPECT_EQ(r.brief_summary.text(), "First paragraph\r\nends here.\r\n\r\nSecond one.");

    auto fromCrLf = loaded(crlf);
    const std::string saved = CollectionFile::saveText(*fromLf);
    EXPECT_EQ(CollectionFile::saveText(*fromCrLf), saved);
    EXPECT_NE(saved.find("<textblock>First paragraph&#xd;ends here.&#xd;&#xd;Second one."),
              std::string::npos);
    EXPECT_EQ(CollectionFile::saveText(*loaded(saved)), saved);
}

TEST(CollectionFileTest, CollectionRootsOfAnyPrefixAndClinicalStudyInAnyCase) {
    auto single = loaded("<CLINICAL_Study><acronym>ONE</acronym></CLINICAL_Study>");
    ASSERT_EQ(single->records.size(), 1u);
    EXPECT_EQ(single->records[0]->acronym, "ONE");
    const std::string saved = CollectionFile::saveText(*single);
    EXPECT_NE(saved.find("\t<prs:study_collection xmlns:prs="), std::string::npos);
    EXPECT_NE(saved.find("\t\t<clinical_study>\r\r\n"), std::string::npos);

    for (const char* root : {"study_collection", "x:Study_Collection", "prs:STUDY_COLLECTION"}) {
        const std::string name(root);
        auto bare = loaded("<" + name + " a=\"1\"><clinical_study/><x/><clinical_study>"
                           "<acronym>B</acronym></clinical_study></" + name + ">");
        ASSERT_EQ(bare->records.size(), 2u) << root;
        EXPECT_EQ(bare->records[1]->acronym, "B");
        EXPECT_EQ(CollectionFile::saveText(*loaded(CollectionFile::saveText(*bare))),
                  CollectionFile::saveText(*bare));
    }
}

TEST(CollectionFileTest, BackslashesSurviveSaveAndReopen) {
    StudyCollection collection;
    StudyRecord& r = appendNew(collection.records);
    r.brief_title.setText("C:\\data\\");
    r.acronym = "a\\b\\\\c\\";
    r.brief_summary.setText("\\n is not a line break\\");
    auto again = loaded(CollectionFile::saveText(collection));
    EXPECT_EQ(again->records[0]->brief_title.displayText(), "C:\\data\\");
    EXPECT_EQ(again->records[0]->acronym, "a\\b\\\\c\\");
    EXPECT_EQ(again->records[0]->brief_summary.text(), "\\n is not a line break\\");
}

TEST(CollectionFileTest, FailedLoadReportsAndLeavesTheCollectionAlone) {
    StudyCollection collection;
    appendNew(collection.records).acronym = "OLD";
    collection.filePath = "/some/file.xml";

    for (const char* broken : {"", "no markup at all", "<a", "<study_collection><clinical_study>",
                               "<html><body/></html>", "<study_collection b=\"1></a>"}) {
        const LoadResult result = CollectionFile::loadText(broken, collection);
        EXPECT_FALSE(result.ok) << broken;
        EXPECT_TRUE(result.message.starts_with(CollectionFile::kLoadErrorPrefix)) << broken;
    }
    ASSERT_EQ(collection.records.size(), 1u);
    EXPECT_EQ(collection.records[0]->acronym, "OLD");
    EXPECT_EQ(collection.filePath, "/some/file.xml");

    EXPECT_TRUE(CollectionFile::loadText(
                    "<study_collection><clinical_study></wrong></clinical_study></study_collection>",
                    collection)
                    .ok);
    EXPECT_EQ(collection.records.size(), 1u);
    EXPECT_EQ(collection.records[0]->acronym, "");
    EXPECT_EQ(collection.filePath, "/some/file.xml");
}

TEST(CollectionFileTest, DocumentTextEmulatesTextModeLines) {
    EXPECT_EQ(CollectionFile::documentText("a\r\nb\r\r\nc\rd\n"), "a\nb\r\nc\rd");
    EXPECT_EQ(CollectionFile::documentText("a\n\n"), "a\n");
    EXPECT_EQ(CollectionFile::documentText("\r"), "\r");
    EXPECT_EQ(CollectionFile::documentText("a\r\r\r\nb\r\r\rc\r\r"), "a\r\r\nb\r\r\rc\r\r");
    EXPECT_EQ(CollectionFile::documentText("\r\n"), "");
    EXPECT_EQ(CollectionFile::documentText(std::string("x\0\x1ay", 4)), std::string("x\0\x1ay", 4));
}

// A file is decoded while it is read, so every way of cutting it into pieces
// must give the text of the whole.
TEST(CollectionFileTest, TextModeDecodingDoesNotDependOnThePieces) {
    for (const std::string whole : {"a\r\nb\r\r\nc\rd\n", "\r\r\n\r", "\r\n\r\n", "x\ry\r",
                                    "\r\r\r\nx\r\r\ry\r\r"}) {
        const std::string expected = CollectionFile::documentText(whole);
        for (std::size_t first = 0; first <= whole.size(); ++first) {
            for (std::size_t second = first; second <= whole.size(); ++second) {
                std::string text;
                TextModeDecoder decoder(text);
                decoder.append(std::string_view(whole).substr(0, first));
                decoder.append(std::string_view(whole).substr(first, second - first));
                decoder.append(std::string_view(whole).substr(second));
                decoder.finish();
                EXPECT_EQ(text, expected) << "cut at " << first << " and " << second;
            }
        }
    }
}

TEST_F(TempFolder, SaveAndLoadThroughFiles) {
    StudyCollection collection;
    buildSmallCollection(collection);
    const fs::path file = m_root / "study.xml";
    writeBytes(file, "old");
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    const SaveResult saved = CollectionFile::save(collection, file.string());
    ASSERT_TRUE(saved.ok) << saved.reason;
    EXPECT_EQ(readBytes(file), CollectionFile::saveText(collection));
    EXPECT_EQ(fs::status(file).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(entries(), std::vector<std::string>{"study.xml"});

    StudyCollection again;
    ASSERT_TRUE(CollectionFile::load(file.string(), again).ok);
    EXPECT_EQ(CollectionFile::saveText(again), readBytes(file));

    const LoadResult missing = CollectionFile::load((m_root / "missing.xml").string(), again);
    EXPECT_FALSE(missing.ok);
    EXPECT_TRUE(missing.fileMissing);
    EXPECT_FALSE(CollectionFile::load(m_root.string(), again).ok);
    EXPECT_EQ(again.records.size(), 1u);
}

TEST_F(TempFolder, FailedSaveLeavesTheOldBytes) {
    StudyCollection collection;
    buildSmallCollection(collection);

    const SaveResult noFolder =
        CollectionFile::save(collection, (m_root / "missing" / "study.xml").string());
    EXPECT_FALSE(noFolder.ok);
    EXPECT_EQ(noFolder.reason, "No such file or directory");

    const fs::path folder = m_root / "folder.xml";
    fs::create_directory(folder);
    writeBytes(folder / "inside", "keep");
    const SaveResult onFolder = CollectionFile::save(collection, folder.string());
    EXPECT_FALSE(onFolder.ok);
    EXPECT_FALSE(onFolder.reason.empty());
    EXPECT_TRUE(fs::is_directory(folder));
    EXPECT_EQ(readBytes(folder / "inside"), "keep");
    EXPECT_EQ(entries(), std::vector<std::string>{"folder.xml"});

    EXPECT_FALSE(CollectionFile::save(collection, "").ok);

    if (geteuid() != 0) {
        const fs::path locked = m_root / "locked";
        fs::create_directory(locked);
        writeBytes(locked / "study.xml", "old bytes");
        fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec);
        const SaveResult denied = CollectionFile::save(collection, (locked / "study.xml").string());
        EXPECT_FALSE(denied.ok);
        EXPECT_EQ(denied.reason, "Permission denied");
        EXPECT_EQ(readBytes(locked / "study.xml"), "old bytes");
        fs::permissions(locked, fs::perms::owner_all);
        EXPECT_EQ(fs::directory_iterator(locked)->path().filename(), "study.xml");
    }
}

TEST_F(TempFolder, LargeFileIsWrittenInPiecesWithTheSameBytes) {
    StudyCollection collection;
    buildLargeCollection(collection);
    const std::string whole = CollectionFile::saveText(collection);
    const fs::path file = m_root / "large.xml";
    ASSERT_TRUE(CollectionFile::save(collection, file.string()).ok);
    EXPECT_EQ(readBytes(file), whole);

    std::vector<std::size_t> pieces;
    std::string joined;
    EXPECT_TRUE(CollectionWriter::writeFile(collection, [&](std::string_view piece) {
        pieces.push_back(piece.size());
        joined.append(piece);
        return true;
    }));
    EXPECT_EQ(joined, whole);
    EXPECT_GE(pieces.size(), 3u);
    EXPECT_LT(*std::max_element(pieces.begin(), pieces.end()), 2 * CollectionWriter::kPieceSize);

    int calls = 0;
    EXPECT_FALSE(CollectionWriter::writeFile(collection, [&](std::string_view) {
        ++calls;
        return false;
    }));
    EXPECT_EQ(calls, 1);
}

TEST_F(TempFolder, SavingThroughALinkReplacesTheFileItNames) {
    const fs::path real = m_root / "real.xml";
    const fs::path link = m_root / "link.xml";
    writeBytes(real, "old");
    fs::create_symlink(real, link);
    ASSERT_TRUE(CollectionFile::save(StudyCollection(), link.string()).ok);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(readBytes(real), CollectionFile::saveText(StudyCollection()));
}

// A file-size limit makes the write itself fail, whoever runs the test: in
// the first piece, and in a later one of a large file.
TEST_F(TempFolder, WriteFailureKeepsTheOldFileAndRemovesTheTemporary) {
    StudyCollection small;
    buildSmallCollection(small);
    StudyCollection large;
    buildLargeCollection(large);
    const fs::path file = m_root / "study.xml";
    writeBytes(file, "old bytes");

    for (const StudyCollection* collection : {&small, &large}) {
        rlimit previous{};
        ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &previous), 0);
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = previous;
        limited.rlim_cur = collection == &small ? 512 : 2 * CollectionWriter::kPieceSize;
        ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
        const SaveResult result = CollectionFile::save(*collection, file.string());
        setrlimit(RLIMIT_FSIZE, &previous);
        std::signal(SIGXFSZ, oldHandler);

        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.reason, "File too large");
        EXPECT_EQ(readBytes(file), "old bytes");
        EXPECT_EQ(entries(), std::vector<std::string>{"study.xml"});
    }
}
