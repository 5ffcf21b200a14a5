#include "editor/RecordSnapshot.h"

#include "model/CollectionFile.h"
#include "model/RecordFixtures.h"
#include "model/StudyRecord.h"

#include <gtest/gtest.h>

TEST(RecordSnapshot, PutsAnEmptyRecordBackAfterEverythingWasFilled) {
    StudyRecord record;
    const std::string empty = CollectionFile::recordText(record);
    RecordSnapshot snapshot;
    snapshot.take(record);
    RecordFiller("f").fill(record);
    ASSERT_NE(CollectionFile::recordText(record), empty);
    snapshot.restoreInto(record);
    EXPECT_EQ(CollectionFile::recordText(record), empty);
    EXPECT_TRUE(record.id_info.secondary_id.empty());
    EXPECT_TRUE(record.location.empty());
}

TEST(RecordSnapshot, PutsAFilledRecordBackAfterOtherTextsAndFewerItems) {
    StudyRecord record;
    RecordFiller("a").fill(record);
    const std::string original = CollectionFile::recordText(record);
    RecordSnapshot snapshot;
    snapshot.take(record);

    StudyRecord other;
    RecordFiller("b").fill(other);
    record.brief_title = other.brief_title;
    record.id_info.clearSecondaryIds();
    record.sponsors.clearCollaborators();
    record.oversight_info.clearRegulatoryAuthorities();
    record.condition.clear();
    appendNew(record.reference).citation = "added";
    record.study_design.interventional_design = other.study_design.interventional_design;

    snapshot.restoreInto(record);
    EXPECT_EQ(CollectionFile::recordText(record), original);
    // Twice is the same as once.
    snapshot.restoreInto(record);
    EXPECT_EQ(CollectionFile::recordText(record), original);
}

TEST(RecordSnapshot, NothingTakenChangesNothing) {
    StudyRecord record;
    RecordFiller("n").fill(record);
    const std::string filled = CollectionFile::recordText(record);
    RecordSnapshot snapshot;
    EXPECT_TRUE(snapshot.isEmpty());
    snapshot.restoreInto(record);
    EXPECT_EQ(CollectionFile::recordText(record), filled);
}
