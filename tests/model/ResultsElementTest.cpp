#include "TestXml.h"
#include "model/StudyRecord.h"

#include <gtest/gtest.h>

namespace {

std::unique_ptr<XmlNode> rewrite(std::string_view studyText) {
    auto study = parseXml(studyText);
    EXPECT_TRUE(study);
    StudyRecord record;
    record.readFromClinicalStudy(study.get());
    auto collection = std::make_unique<XmlNode>("c");
    record.writeIntoCollection(collection.get());
    return collection;
}

std::vector<std::string> lastTwo(const XmlNode& study) {
    std::vector<std::string> names = childNames(study);
    return {names.end() - 2, names.end()};
}

} // namespace

TEST(ResultsElementTest, ResultsAreCopiedWhateverTheirCaseAndWrittenLast) {
    auto collection =
        rewrite("<clinical_study><Clinical_RESULTS kind=\"a\"><group id=\"1\">G&amp;1</group>"
                "<!-- note --></Clinical_RESULTS><id_info/><resultDisposition><text>why</text>"
                "</resultDisposition><reference/></clinical_study>");
    const XmlNode& study = *collection->childAt(0);
    EXPECT_EQ(lastTwo(study), (std::vector<std::string>{"Clinical_RESULTS", "resultDisposition"}));
    EXPECT_EQ(oneLine(*study.childAt(study.childCount() - 2)),
              "<Clinical_RESULTS kind=\"a\" ><group id=\"1\" >G&amp;1</group><!-- note -->"
              "</Clinical_RESULTS>");
    EXPECT_EQ(oneLine(*study.childAt(study.childCount() - 1)),
              "<resultDisposition><text>why</text></resultDisposition>");
}

TEST(ResultsElementTest, LaterElementWinsAndTextOnlyElementsAreDropped) {
    auto collection =
        rewrite("<clinical_study><results><a>first</a></results><results><b>second</b></results>"
                "<resultdisposition>only text</resultdisposition></clinical_study>");
    const XmlNode& study = *collection->childAt(0);
    EXPECT_EQ(study.findChildren("results").size(), 1u);
    EXPECT_EQ(oneLine(*study.findChild("results")), "<results><b>second</b></results>");
    EXPECT_EQ(study.findChild("resultdisposition"), nullptr);
    EXPECT_EQ(study.childAt(study.childCount() - 1)->name(), "results");
}

TEST(ResultsElementTest, HoldersPickTheirOwnKind) {
    auto study = parseXml("<clinical_study><xresultdispositionx><a/></xresultdispositionx>"
                          "<myresult><b/></myresult></clinical_study>");
    ResultsElement results(ResultsElement::Kind::Results);
    ResultsElement disposition(ResultsElement::Kind::ResultDisposition);
    results.takeFromClinicalStudy(*study);
    disposition.takeFromClinicalStudy(*study);
    EXPECT_EQ(results.node().name(), "myresult");
    EXPECT_EQ(disposition.node().name(), "xresultdispositionx");
}

// A held element must fit into a saved file that can be read again: there it
// sits below the collection and clinical_study elements.
TEST(ResultsElementTest, ElementTooDeepForTheSavedFileIsNotTaken) {
    const auto nested = [](int levels) {
        std::string text = "<clinical_study><results>";
        for (int i = 1; i < levels; ++i)
            text += "<a>";
        for (int i = 1; i < levels; ++i)
            text += "</a>";
        return text + "</results></clinical_study>";
    };
    ResultsElement fits(ResultsElement::Kind::Results);
    fits.takeFromClinicalStudy(*parseXml(nested(ResultsElement::kMaxLevels)));
    EXPECT_EQ(fits.node().name(), "results");

    ResultsElement tooDeep(ResultsElement::Kind::Results);
    tooDeep.takeFromClinicalStudy(*parseXml(nested(ResultsElement::kMaxLevels + 1)));
    EXPECT_EQ(tooDeep.node().name(), "");
    EXPECT_EQ(tooDeep.node().childCount(), 0);
}

TEST(ResultsElementTest, ElementWithANameNoEndTagCanCloseIsNotTaken) {
    // No text can hold such an element any more (it never closes), but a
    // tree built otherwise can.
    ResultsElement results(ResultsElement::Kind::Results);
    XmlNode study("clinical_study");
    study.appendChildElement("results", {}).appendChildElement("\vx", "T");
    results.takeFromClinicalStudy(study);
    EXPECT_EQ(results.node().name(), "");
    results.takeFromClinicalStudy(*parseXml("<clinical_study><results><x\v>T</x\v></results>"
                                            "</clinical_study>"));
    EXPECT_EQ(results.node().name(), "results");
}
