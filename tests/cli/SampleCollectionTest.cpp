#include "cli/CommandLine.h"
#include "model/CollectionFile.h"
#include "model/StudyCollection.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace {

std::string readBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

} // namespace

TEST(SampleCollectionTest, IsInTheSavedLayoutAndHoldsEveryKindOfStudy) {
    const std::string sample = readBytes(PROTOSCRIBE_SAMPLE);
    ASSERT_FALSE(sample.empty());
    StudyCollection collection;
    ASSERT_TRUE(CollectionFile::loadText(sample, collection).ok);
    EXPECT_EQ(CollectionFile::saveText(collection), sample);

    ASSERT_EQ(collection.records.size(), 4u);
    const StudyRecord& interventional = *collection.records[0];
    const StudyRecord& observational = *collection.records[1];
    const StudyRecord& expanded = *collection.records[2];
    EXPECT_EQ(interventional.study_design.study_type.displayText(), "Interventional");
    EXPECT_EQ(observational.study_design.study_type.displayText(), "Observational");
    EXPECT_EQ(expanded.study_design.study_type.displayText(), "Expanded Access");

    EXPECT_GE(interventional.id_info.secondary_id.size(), 1u);
    EXPECT_GE(interventional.arm_group.size(), 2u);
    EXPECT_GE(interventional.intervention.size(), 1u);
    EXPECT_GE(interventional.primary_outcome.size(), 1u);
    EXPECT_GE(interventional.reference.size(), 1u);
    ASSERT_GE(interventional.location.size(), 1u);
    EXPECT_GE(interventional.location[0]->investigator.size(), 1u);
    EXPECT_NE(interventional.eligibility.criteria.text().find("\r\n"), std::string::npos);

    EXPECT_GE(observational.arm_group.size(), 2u);
    EXPECT_FALSE(observational.eligibility.study_population.text().empty());
    EXPECT_EQ(expanded.expanded_access_status.displayText(), "Available");

    // The registry's current format: what the protocols of 2010 could not hold.
    const StudyRecord& current = *collection.records[3];
    EXPECT_EQ(current.sponsors.resp_party.resp_party_type, "Principal Investigator");
    EXPECT_FALSE(current.oversight_info.fda_regulated_device.empty());
    EXPECT_FALSE(current.ipd_sharing_statement.sharing_ipd.empty());
    EXPECT_EQ(current.other_outcome.size(), 1u);
    EXPECT_EQ(current.study_document.size(), 2u) << "one of them of type Other";
}
