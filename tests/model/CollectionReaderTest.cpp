#include "model/CollectionReader.h"

#include "model/CollectionFile.h"
#include "model/StudyCollection.h"
#include "xml/XmlNode.h"
#include "xml/XmlParseOptions.h"

#include <gtest/gtest.h>

namespace {

// Parses the whole text into one tree and reads it, then reads it protocol by
// protocol; both must agree on success, the recorded error and the records.
void expectSameAsWholeTree(const std::string& text, const XmlParseOptions& base) {
    SCOPED_TRACE(text.size() > 200 ? text.substr(0, 200) + "..." : text);
    XmlParseOptions whole = base;
    XmlNode root;
    const bool wholeOk = root.parseFromText(text, 0, whole).has_value();
    StudyCollection fromTree;
    if (wholeOk)
        fromTree.readFromRoot(&root);

    XmlParseOptions streamed = base;
    StudyCollection fromStream;
    const bool streamOk = CollectionReader(text, streamed).read(fromStream.records);

    EXPECT_EQ(streamOk, wholeOk);
    EXPECT_EQ(streamed.errorFlag, whole.errorFlag);
    EXPECT_EQ(streamed.errorCode, whole.errorCode);
    EXPECT_EQ(streamed.errorPosition, whole.errorPosition);
    EXPECT_EQ(streamed.errorMessage, whole.errorMessage);
    if (wholeOk && streamOk) {
        EXPECT_EQ(CollectionFile::saveText(fromStream), CollectionFile::saveText(fromTree));
    }
}

std::string nested(int levels, const std::string& innermost) {
    std::string text = "<c><clinical_study><acronym>A</acronym></clinical_study><x>";
    for (int i = 0; i < levels; ++i)
        text += "<a>";
    text += innermost;
    for (int i = 0; i < levels; ++i)
        text += "</a>";
    return text + "</x><clinical_study/></c>";
}

const char* const kInputs[] = {
    "",
    "plain text",
    "</c>",
    "<?xml version=\"1.0\"?><!-- c --><![CDATA[x]]>  <c><clinical_study/></c>",
    "<?xml never closed",
    "<!-- never closed",
    "<!-- a --></c>",
    "<!-- a -->no tag",
    "<c",
    "<c attr",
    "<c a=\"1\" b='2' bare d=x><clinical_study/></c>",
    "<c a=\"unterminated><clinical_study/></c>",
    "<c a=></c>",
    "<c/>",
    "<c/ >",
    "<c>",
    "<c>text only",
    "<c> text <clinical_study><acronym>1</acronym></clinical_study> more <clinical_study/></c>",
    "<c>\n <clinical_study/>\n more text without a tag",
    "<c>\n <clinical_study/>\n</c>",
    "<c><clinical_study/></d><clinical_study><acronym>2</acronym></clinical_study></c>",
    "<c><clinical_study/></c",
    "<c><clinical_study/></ c >",
    "<c><clinical_study/></c>trailing<clinical_study/>",
    "<c><clinical_study/>",
    "<c><clinical_study/> ",
    "<c><Clinical_Study/><other/><!-- n --><clinical_study><acronym>3</acronym>",
    "<c><clinical_study><acronym>x</acronym></clinical_study><clinical_study><bad",
    "<c><clinical_study><id_info a=\"1></clinical_study></c>",
    "<c><clinical_study></clinical_study><p/ ></c>",
    "<CLINICAL_STUDY><acronym>single</acronym></CLINICAL_STUDY>",
    "<clinical_study><acronym>single</acronym>",
    "<c>\\</c>",
    "<c>\\ <clinical_study/> text</c>",
    "<c a=\"\\\"\"><clinical_study/></c>",
};

} // namespace

TEST(CollectionReaderTest, AgreesWithTheWholeTreeReader) {
    XmlParseOptions strict = XmlParseOptions::program();
    strict.tolerateMismatchedEndTags = false;
    for (const XmlParseOptions& options :
         {XmlParseOptions::program(), XmlParseOptions::backslash(), strict}) {
        for (const char* input : kInputs)
            expectSameAsWholeTree(input, options);
    }
}

TEST(CollectionReaderTest, AppliesTheWholeTreeDepthLimit) {
    const int limit = XmlParseOptions::kMaxDepth;
    for (int levels : {limit - 3, limit - 2, limit - 1, limit, limit + 1}) {
        for (const char* innermost : {"", "<b a=\"1\">", "<!-- c -->", "<b"})
            expectSameAsWholeTree(nested(levels, innermost), XmlParseOptions::program());
    }
}
