// The saved bytes are built in one pass; these tests compare them with the
// save procedure carried out step by step on a whole tree and a simulated
// text-mode file.
#include "RecordFixtures.h"
#include "TestXml.h"
#include "model/CollectionFile.h"
#include "model/CollectionWriter.h"
#include "model/StudyCollection.h"

#include <gtest/gtest.h>

namespace {

std::string replaceAll(const std::string& text, const std::string& from, const std::string& to) {
    std::string out;
    std::size_t start = 0;
    for (std::size_t at = text.find(from); at != std::string::npos;
         start = at + from.size(), at = text.find(from, start))
        out += text.substr(start, at - start) + to;
    return out + text.substr(start);
}

std::string textModeWrite(const std::string& memory) {
    return replaceAll(memory, "\n", "\r\n");
}
std::string textModeRead(const std::string& disk) {
    return replaceAll(disk, "\r\n", "\n");
}

std::string stepByStepSave(const StudyCollection& collection) {
    XmlNode wrapper;
    collection.writeIntoDocument(&wrapper);
    std::string tree = wrapper.writeAsText(XmlWriteOptions::programDefault());
    tree = replaceAll(tree, "<>", "");
    tree = replaceAll(tree, "</>", "");
    tree = replaceAll(tree, "\n\n", "\n");
    tree = replaceAll(tree, "&amp;#", "&#");
    const std::string first = textModeWrite(std::string(CollectionWriter::kDeclaration) + "\n" +
                                            CollectionWriter::commentLine() + "\n" + tree);
    const std::string reread = textModeRead(first);
    std::string kept;
    std::size_t start = 0;
    while (start < reread.size()) {
        std::size_t end = reread.find('\n', start);
        if (end == std::string::npos)
            end = reread.size();
        const std::string line = reread.substr(start, end - start);
        if (line.find_first_not_of(" \t\r") != std::string::npos)
            kept += line + "\n";
        start = end + 1;
    }
    return textModeWrite(kept);
}

std::unique_ptr<StudyCollection> loadedFrom(std::string_view text) {
    auto collection = std::make_unique<StudyCollection>();
    EXPECT_TRUE(CollectionFile::loadText(text, *collection).ok);
    return collection;
}

} // namespace

TEST(SavedLayoutTest, OnePassSaveEqualsTheStepByStepSave) {
    StudyCollection empty;
    EXPECT_EQ(CollectionFile::saveText(empty), stepByStepSave(empty));

    StudyCollection filled;
    RecordFiller("q").fill(appendNew(filled.records));
    appendNew(filled.records);
    RecordFiller("r").fill(appendNew(filled.records));
    EXPECT_EQ(CollectionFile::saveText(filled), stepByStepSave(filled));

    StudyCollection awkward;
    StudyRecord& r = appendNew(awkward.records);
    r.acronym = "\n\n\na\n\n";
    r.verification_date = " \t\r\n\t \r\n";
    r.end_date = "&#x41;&amp;#&&#";
    r.id_info.org_name = "\r\rlone\r";
    r.condition.emplace_back("\r\n\r\n\r\n");
    r.keyword.emplace_back("k\n \n\nk");
    r.brief_summary.setText("\n\n\n");
    appendNew(r.reference).citation = "&\n&\n\n#";
    EXPECT_EQ(CollectionFile::saveText(awkward), stepByStepSave(awkward));
}

TEST(SavedLayoutTest, CopiedResultsWithTextAroundChildrenSaveTheSame) {
    auto collection =
        loadedFrom("<study_collection><clinical_study><results>lead text\n\n<a>x</a>  between <!-- a\n\n\nnote -->"
                   "<b/>\n\t\n</results><resultdisposition>\n<c><![CDATA[raw\n\n&amp;#]]></c>"
                   "</resultdisposition></clinical_study></study_collection>");
    const std::string saved = CollectionFile::saveText(*collection);
    EXPECT_EQ(saved, stepByStepSave(*collection));
    EXPECT_EQ(CollectionFile::saveText(*loadedFrom(saved)), saved);
}

// Removing every "<>" and "</>" from the written text, not just the wrapper's
// own tags, would corrupt copied comments and CDATA sections that hold them.
TEST(SavedLayoutTest, OnlyTheWrapperTagsAreRemoved) {
    auto collection =
        loadedFrom("<study_collection><clinical_study><results><!--a<>b</>c--><x><![CDATA[<</>>]]></x></results>"
                   "</clinical_study></study_collection>");
    const std::string saved = CollectionFile::saveText(*collection);
    EXPECT_NE(saved.find("<!--a<>b</>c-->"), std::string::npos);
    EXPECT_NE(saved.find("<![CDATA[<</>>]]>"), std::string::npos);
    EXPECT_EQ(CollectionFile::saveText(*loadedFrom(saved)), saved);
}
