#include "RecordFixtures.h"
#include "model/CollectionFile.h"
#include "model/StudyCollection.h"

#include <gtest/gtest.h>

namespace {

const char* kResultsStudy =
    "<study_collection><clinical_study>"
    "<clinical_results><baseline><group id=\"B1\"><title>All</title></group></baseline>"
    "</clinical_results><acronym>R</acronym>"
    "<ResultDisposition><reason>Pending</reason></ResultDisposition>"
    "<id_info><org_study_id>R-1</org_study_id></id_info>"
    "</clinical_study></study_collection>";

} // namespace

TEST(RoundTripTest, EveryFieldOfEveryRecordSurvivesSaveAndLoad) {
    StudyCollection collection;
    RecordFiller first("a");
    RecordFiller second("b");
    first.fill(appendNew(collection.records));
    second.fill(appendNew(collection.records));
    const std::string saved = CollectionFile::saveText(collection);

    for (const RecordFiller* filler : {&first, &second}) {
        for (int i = 1; i <= filler->textCount(); ++i)
            EXPECT_EQ(countOf(saved, filler->token(i)), 1) << filler->token(i);
    }
    EXPECT_EQ(countOf(saved, "delete=\"true\""), first.trueFlags() + second.trueFlags());

    StudyCollection again;
    ASSERT_TRUE(CollectionFile::loadText(saved, again).ok);
    EXPECT_EQ(CollectionFile::saveText(again), saved);

    ASSERT_EQ(again.records.size(), 2u);
    const StudyRecord& b = *again.records[1];
    EXPECT_EQ(b.brief_summary.text(), collection.records[1]->brief_summary.text());
    EXPECT_NE(b.brief_summary.text().find("\r\nsecond line"), std::string::npos);
    EXPECT_EQ(b.brief_title.displayText(), collection.records[1]->brief_title.displayText());
    EXPECT_EQ(b.location[1]->investigator[1]->role,
              collection.records[1]->location[1]->investigator[1]->role);
    EXPECT_EQ(b.condition[1].deleteFlag(), collection.records[1]->condition[1].deleteFlag());
    EXPECT_NE(saved.find("x&#xd;second line</textblock>"), std::string::npos);
}

TEST(RoundTripTest, ResultsElementsComeLastAndSurvive) {
    StudyCollection collection;
    ASSERT_TRUE(CollectionFile::loadText(kResultsStudy, collection).ok);
    RecordFiller("z").fill(*collection.records[0]);
    const std::string saved = CollectionFile::saveText(collection);
    const std::size_t lastReference = saved.rfind("</reference>");
    const std::size_t results = saved.find("<clinical_results>");
    const std::size_t disposition = saved.find("<ResultDisposition>");
    ASSERT_NE(results, std::string::npos);
    ASSERT_NE(disposition, std::string::npos);
    EXPECT_LT(lastReference, results);
    EXPECT_LT(results, disposition);
    EXPECT_NE(saved.find("\t\t\t\t\t<group id=\"B1\" >\r\r\n\t\t\t\t\t\t<title>All</title>"),
              std::string::npos);
    EXPECT_NE(saved.find("</ResultDisposition>\r\r\n\t\t</clinical_study>"), std::string::npos);

    StudyCollection again;
    ASSERT_TRUE(CollectionFile::loadText(saved, again).ok);
    EXPECT_EQ(CollectionFile::saveText(again), saved);
}

TEST(RoundTripTest, MultiLineConditionsAndPlainTextsSettleAfterOneSave) {
    StudyCollection collection;
    StudyRecord& r = appendNew(collection.records);
    r.condition.emplace_back("Type 2\r\ndiabetes");
    r.acronym = "A\n\n\nB";
    r.verification_date = "  \r\n  ";
    const std::string saved = CollectionFile::saveText(collection);
    EXPECT_NE(saved.find("<condition delete=\"false\" >Type 2\r\r\ndiabetes</condition>"),
              std::string::npos);
    StudyCollection again;
    ASSERT_TRUE(CollectionFile::loadText(saved, again).ok);
    EXPECT_EQ(again.records[0]->condition[0].displayText(), "Type 2\r\ndiabetes");
    EXPECT_EQ(CollectionFile::saveText(again), saved);
}
