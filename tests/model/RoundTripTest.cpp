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

// A record in the registry's own style, carrying every element and attribute
// of its current upload format, keeps every value as written.
TEST(RoundTripTest, ARegistryRecordKeepsEveryValueVerbatim) {
    StudyCollection collection;
    const LoadResult loaded = CollectionFile::load(
        std::string(PROTOSCRIBE_TEST_DATA) + "/registry-style-record.xml", collection);
    ASSERT_TRUE(loaded.ok) << loaded.message;
    EXPECT_TRUE(loaded.notKept.empty()) << loaded.notKept.message();
    const std::string saved = CollectionFile::saveText(collection);
    for (const char* kept : {
             "<clinical_study partial_upload=\"true\" >",
             "<resp_party_type>Principal Investigator</resp_party_type>",
             "<investigator_username>djayne</investigator_username>",
             "<investigator_title>Professor of Medicine</investigator_title>",
             "<investigator_affiliation>Vale University</investigator_affiliation>",
             "<fda_regulated_drug>No</fda_regulated_drug>",
             "<fda_regulated_device>Yes</fda_regulated_device>",
             "<post_prior_to_approval>None</post_prior_to_approval>",
             "<exported_from_us>No</exported_from_us>",
             "<ped_postmarket_surv>No</ped_postmarket_surv>",
             "<start_date delete=\"false\" >2026-01-15</start_date>",
             "<start_date_type delete=\"false\" >Actual</start_date_type>",
             "<model_description>\r\r\n\t\t\t\t\t\t<textblock>Two parallel arms.</textblock>",
             "<no_masking>false</no_masking>",
             "<masked_assessor>true</masked_assessor>",
             "<textblock>Assessors do not know the diet.</textblock>",
             "<no_exp_acc_type>yes</no_exp_acc_type>",
             "<exp_acc_type_individual>no</exp_acc_type_individual>",
             "<exp_acc_type_intermediate>no</exp_acc_type_intermediate>",
             "<exp_acc_type_treatment>no</exp_acc_type_treatment>",
             "<other_outcome delete=\"false\" >",
             "<outcome_measure>Urinary sodium</outcome_measure>",
             "<textblock>24-hour urine collection.</textblock>",
             "<gender>All</gender>",
             "<gender_based>Yes</gender_based>",
             "<textblock>Sex as reported.</textblock>",
             "<maximum_age> N/A</maximum_age>",
             "<ipd_sharing_statement delete=\"false\" >",
             "<sharing_ipd>Yes</sharing_ipd>",
             "<textblock>De-identified data.</textblock>",
             "<ipd_info_type_protocol>true</ipd_info_type_protocol>",
             "<ipd_info_type_sap>true</ipd_info_type_sap>",
             "<ipd_info_type_icf>false</ipd_info_type_icf>",
             "<ipd_info_type_csr>false</ipd_info_type_csr>",
             "<ipd_info_type_analytic_code>true</ipd_info_type_analytic_code>",
             "<textblock>From publication for five years.</textblock>",
             "<textblock>On request.</textblock>",
             "<ipd_url>https://example.org/ipd</ipd_url>",
             "<study_document delete=\"false\" >",
             "<study_document_type>Other</study_document_type>",
             "<study_document_other_type>Diet manual</study_document_other_type>",
             "<url>https://example.org/manual</url>",
             "<study_document_identifier>DM-1</study_document_identifier>",
             "<textblock>Version 2.</textblock>",
             "<textblock>Adults with high blood pressure eat less salt.&#xd;They are followed for "
             "a year.</textblock>",
         })
        EXPECT_NE(saved.find(kept), std::string::npos) << kept;
    // The registry's order: the sharing statement between locations and links,
    // documents after references.
    EXPECT_LT(saved.find("</location>"), saved.find("<ipd_sharing_statement"));
    EXPECT_LT(saved.find("</reference>"), saved.find("<study_document "));

    StudyCollection again;
    ASSERT_TRUE(CollectionFile::loadText(saved, again).ok);
    EXPECT_EQ(CollectionFile::saveText(again), saved);
    EXPECT_TRUE(again.records.at(0)->isPartialUpload());
}

// Newer elements are written only when they hold a value; an empty record
// gains only the type its responsible party must have.
TEST(RoundTripTest, NewerElementsAreWrittenOnlyWithAValue) {
    StudyCollection collection;
    StudyRecord& record = appendNew(collection.records);
    std::string saved = CollectionFile::saveText(collection);
    for (const char* absent : {"partial_upload", "start_date_type", "other_outcome",
                               "ipd_sharing_statement", "study_document", "<investigator_",
                               "<fda_regulated", "no_masking", "gender_based", "exp_acc_type"})
        EXPECT_EQ(saved.find(absent), std::string::npos) << absent;
    EXPECT_NE(saved.find("<resp_party>\r\r\n\t\t\t\t\t<resp_party_type/>\r\r\n"), std::string::npos);

    // A true flag alone is a value; so is one field of the sharing statement.
    record.start_date_type.setDeleteFlag(true);
    record.ipd_sharing_statement.ipd_url = "u";
    saved = CollectionFile::saveText(collection);
    EXPECT_NE(saved.find("<start_date_type delete=\"true\" />"), std::string::npos);
    EXPECT_NE(saved.find("<ipd_sharing_statement delete=\"false\" >\r\r\n\t\t\t\t<ipd_url>u</ipd_url>"),
              std::string::npos);
}
