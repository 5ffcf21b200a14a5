#include "model/CollectionReader.h"

#include "model/CollectionFile.h"
#include "model/DecodedTextSource.h"
#include "model/StudyCollection.h"
#include "xml/XmlNode.h"
#include "xml/XmlParseOptions.h"

#include <gtest/gtest.h>

namespace {

// Parses the whole text into one tree and reads it, then reads it protocol by
// protocol; both must agree on the outcome, the recorded error, the records
// and what they report as not kept.
void expectSameAsWholeTree(const std::string& text, const XmlParseOptions& base) {
    SCOPED_TRACE(text.size() > 200 ? text.substr(0, 200) + "..." : text);
    XmlParseOptions whole = base;
    XmlNode root;
    const bool wholeOk = root.parseFromText(text, 0, whole).has_value();
    StudyCollection fromTree;
    NotKeptReport treeReport;
    CollectionReader::Outcome treeOutcome = CollectionReader::Outcome::ParseFailed;
    if (wholeOk)
        treeOutcome = CollectionReader::readTree(root, fromTree.records, treeReport);
    else if (!whole.errorFlag)
        treeOutcome = CollectionReader::Outcome::NoElement;

    XmlParseOptions streamed = base;
    StudyCollection fromStream;
    NotKeptReport streamReport;
    const CollectionReader::Outcome streamOutcome =
        CollectionReader(text, streamed).read(fromStream.records, streamReport);

    EXPECT_EQ(streamOutcome, treeOutcome);
    EXPECT_EQ(streamed.errorFlag, whole.errorFlag);
    EXPECT_EQ(streamed.errorCode, whole.errorCode);
    EXPECT_EQ(streamed.errorPosition, whole.errorPosition);
    EXPECT_EQ(streamed.errorMessage, whole.errorMessage);
    EXPECT_EQ(CollectionFile::saveText(fromStream), CollectionFile::saveText(fromTree));
    EXPECT_EQ(streamReport.message(), treeReport.message());

    // The same again with the text decoded a few bytes at a time and read
    // only a few bytes ahead, where decoding leaves it as it is.
    if (CollectionFile::documentText(text) != text)
        return;
    XmlParseOptions pieces = base;
    StudyCollection fromPieces;
    NotKeptReport piecesReport;
    DecodedTextSource source(text, 5);
    EXPECT_EQ(CollectionReader(source, pieces, 3).read(fromPieces.records, piecesReport),
              treeOutcome);
    EXPECT_EQ(pieces.errorPosition, whole.errorPosition);
    EXPECT_EQ(pieces.errorMessage, whole.errorMessage);
    EXPECT_EQ(CollectionFile::saveText(fromPieces), CollectionFile::saveText(fromTree));
    EXPECT_EQ(piecesReport.message(), treeReport.message());
}

std::string nested(int levels, const std::string& innermost) {
    std::string text = "<sc:study_collection><clinical_study><acronym>A</acronym></clinical_study><x>";
    for (int i = 0; i < levels; ++i)
        text += "<a>";
    text += innermost;
    for (int i = 0; i < levels; ++i)
        text += "</a>";
    return text + "</x><clinical_study/></sc:study_collection>";
}

const char* const kInputs[] = {
    "",
    "plain text",
    "</sc:study_collection>",
    "<?xml version=\"1.0\"?><!-- c --><![CDATA[x]]>  <sc:study_collection><clinical_study/></sc:study_collection>",
    "<?xml never closed",
    "<!-- never closed",
    "<!-- a --></sc:study_collection>",
    "<!-- a -->no tag",
    "<sc:study_collection",
    "<sc:study_collection attr",
    "<sc:study_collection a=\"1\" b='2' bare d=x><clinical_study/></sc:study_collection>",
    "<sc:study_collection a=\"unterminated><clinical_study/></sc:study_collection>",
    "<sc:study_collection a=></sc:study_collection>",
    "<sc:study_collection/>",
    "<sc:study_collection/ >",
    "<sc:study_collection>",
    "<sc:study_collection>text only",
    "<sc:study_collection> text <clinical_study><acronym>1</acronym></clinical_study> more <clinical_study/></sc:study_collection>",
    "<sc:study_collection>\n <clinical_study/>\n more text without a tag",
    "<sc:study_collection>\n <clinical_study/>\n</sc:study_collection>",
    "<sc:study_collection><clinical_study/></d><clinical_study><acronym>2</acronym></clinical_study></sc:study_collection>",
    "<sc:study_collection><clinical_study/></sc:study_collection",
    "<sc:study_collection><clinical_study/></ c >",
    "<sc:study_collection><clinical_study/></sc:study_collection>trailing<clinical_study/>",
    "<sc:study_collection><clinical_study/>",
    "<sc:study_collection><clinical_study/> ",
    "<sc:study_collection><Clinical_Study/><other/><!-- n --><clinical_study><acronym>3</acronym>",
    "<sc:study_collection><clinical_study><acronym>x</acronym></clinical_study><clinical_study><bad",
    "<sc:study_collection><clinical_study><id_info a=\"1></clinical_study></sc:study_collection>",
    "<sc:study_collection><clinical_study></clinical_study><p/ ></sc:study_collection>",
    "<CLINICAL_STUDY><acronym>single</acronym></CLINICAL_STUDY>",
    "<clinical_study><acronym>single</acronym>",
    "<sc:study_collection>\\</sc:study_collection>",
    "<sc:study_collection>\\ <clinical_study/> text</sc:study_collection>",
    "<sc:study_collection a=\"\\\"\"><clinical_study/></sc:study_collection>",
    "<c><clinical_study/></c>",
    "<!DOCTYPE html [ <!ENTITY x \"y\"> ]><html><body/></html>",
    "<study_collection x=\"1\">\n<clinical_study>\n<brief_title>T</Brief_title>\n</clinical_study>\n"
    "<clinical_study/>\n</study_collection>",
    "<study_collection>\r\n<clinical_study>\r\n<brief_title>T</brief_title>\r\n</clinical_study>\r\n",
    "<clinical_study><required_header/><brief_title>Public</brief_title><x a=\"1\"/></clinical_study>",
    "<sc:study_collection><clinical_study><brief_title>1</brief_title><brief_title>2</brief_title>"
    "<sponsors><lead_sponsor k=\"v\"><agency><![CDATA[A & B]]><!--n--></agency></lead_sponsor>"
    "</sponsors></clinical_study><?pi x?></sc:study_collection>",
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
