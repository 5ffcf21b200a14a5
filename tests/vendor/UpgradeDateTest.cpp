#include "vendor/UpgradeDate.h"

#include <gtest/gtest.h>

TEST(UpgradeDateTest, WritesMonthDayYearWithoutLeadingZeros) {
    EXPECT_EQ(UpgradeDate::format(QDate(2010, 7, 4)), QStringLiteral("7 4 2010"));
    EXPECT_EQ(UpgradeDate::format(QDate(2026, 12, 31)), QStringLiteral("12 31 2026"));
}

TEST(UpgradeDateTest, ReadsWhatItWritesAndToleratesSpacing) {
    EXPECT_EQ(UpgradeDate::parse(QStringLiteral("7 4 2010")), QDate(2010, 7, 4));
    EXPECT_EQ(UpgradeDate::parse(QStringLiteral("  07  04 2010 extra")), QDate(2010, 7, 4));
}

TEST(UpgradeDateTest, MissingZeroOrGarbledPartsCountAsNoDate) {
    for (const char* value : {"", "7 4", "0 5 2010", "7 0 2010", "7 4 0", "seven 4 2010",
                              "7/4/2010", "2 30 2010", "13 1 2010", "-1 5 2010"}) {
        EXPECT_FALSE(UpgradeDate::parse(QString::fromLatin1(value))) << value;
    }
}

TEST(UpgradeDateTest, DueFromTheEleventhDay) {
    const QDate stored(2010, 7, 4);
    const QTime noon(12, 0);
    EXPECT_FALSE(UpgradeDate::isDue(stored, QDateTime(stored.addDays(10), noon)));
    EXPECT_TRUE(UpgradeDate::isDue(stored, QDateTime(stored.addDays(11), noon)));
    EXPECT_TRUE(UpgradeDate::isDue(stored, QDateTime(stored.addDays(400), noon)));
    // The stored day counts from 01:01:01: just before that on the eleventh day
    // only ten whole days have passed.
    EXPECT_FALSE(UpgradeDate::isDue(stored, QDateTime(stored.addDays(11), QTime(1, 1, 0))));
    EXPECT_TRUE(UpgradeDate::isDue(stored, QDateTime(stored.addDays(11), QTime(1, 1, 1))));
    // A date in the future (a clock set back) is not due.
    EXPECT_FALSE(UpgradeDate::isDue(stored, QDateTime(stored.addDays(-30), noon)));
}

TEST(UpgradeDateTest, DaysAreCountedOnTheWallClock) {
    // Across the change to summer time the span still has whole days.
    const QDate stored(2026, 3, 20);
    EXPECT_EQ(UpgradeDate::daysSince(stored, QDateTime(QDate(2026, 3, 31), QTime(1, 1, 1))), 11);
    EXPECT_EQ(UpgradeDate::daysSince(stored, QDateTime(stored, QTime(0, 0))), 0);
}
