#include "editor/MonthYearDate.h"

#include <gtest/gtest.h>

namespace {

// A date as the page shows it and stores it back: the month box entry, the
// year box text and the text a store writes.
struct RoundTrip {
    int entry;
    std::string year;
    std::string stored;
};

RoundTrip roundTrip(std::string_view dateText) {
    const int entry = MonthYearDate::monthEntry(dateText);
    const std::string year = MonthYearDate::year(dateText);
    const std::string_view month =
        entry == MonthYearDate::kNoEntry ? std::string_view() : MonthYearDate::monthNames()[entry];
    return {entry, year, MonthYearDate::dateText(year, month)};
}

} // namespace

TEST(MonthYearDateTest, ReadableDatesShowMonthAndYearAndStoreTwoDigitMonths) {
    struct Case {
        const char* text;
        int entry;
        const char* year;
        const char* stored;
    };
    const Case cases[] = {
        {"2010-03", 2, "2010", "2010-03"},    {"2010-3", 2, "2010", "2010-03"},
        {"2010-03-15", 2, "2010", "2010-03"}, {"1999-12", 11, "1999", "1999-12"},
        {"2001-1", 0, "2001", "2001-01"},     {"-05", 4, "", "-05"},
        {"2010-10abc", 9, "2010", "2010-10"}, {"2010- +7", 6, "2010", "2010-07"},
    };
    for (const Case& c : cases) {
        const RoundTrip shown = roundTrip(c.text);
        EXPECT_EQ(shown.entry, c.entry) << c.text;
        EXPECT_EQ(shown.year, c.year) << c.text;
        EXPECT_EQ(shown.stored, c.stored) << c.text;
    }
}

TEST(MonthYearDateTest, UnreadableDatesShowNoMonthAndBecomeEmpty) {
    // Without a hyphen there is neither month nor year.
    EXPECT_EQ(MonthYearDate::monthEntry("March 2010"), MonthYearDate::kNoEntry);
    EXPECT_EQ(MonthYearDate::year("March 2010"), "");
    EXPECT_EQ(roundTrip("March 2010").stored, "");
    EXPECT_EQ(roundTrip("").stored, "");
    // A year with a number that is no month keeps its year text but stores empty.
    for (const char* text : {"2010-13", "2010-00", "2010-", "2010-x3", "2010--3", "2010-0x3",
                             "2010-99999999999999999999999", "2010--99999999999999999999999"}) {
        EXPECT_EQ(MonthYearDate::monthEntry(text), MonthYearDate::kNoEntry) << text;
        EXPECT_EQ(MonthYearDate::year(text), "2010") << text;
        EXPECT_EQ(roundTrip(text).stored, "") << text;
    }
}

TEST(MonthYearDateTest, DateTextFromTheBoxes) {
    EXPECT_EQ(MonthYearDate::dateText("2011", ""), "") << "no month selected";
    EXPECT_EQ(MonthYearDate::dateText("", "May"), "-05") << "the year is taken as typed";
    EXPECT_EQ(MonthYearDate::dateText("2012", "December"), "2012-12");
    EXPECT_EQ(MonthYearDate::dateText("2012", "SEPTEMBER"), "2012-09");
    EXPECT_EQ(MonthYearDate::dateText("2012", "Sept"), "");
    EXPECT_EQ(MonthYearDate::monthNumber("january"), 1);
    EXPECT_EQ(MonthYearDate::monthNumber("June "), 0);
}

// A day is optional: it is stored with two digits after the month, and the
// day box shows what a stored date has after its second hyphen.
TEST(MonthYearDateTest, AnOptionalDayFollowsTheMonth) {
    struct Case {
        const char* year;
        const char* month;
        const char* day;
        const char* stored;
    };
    for (const Case& c : {Case{"2020", "March", "", "2020-03"}, Case{"2020", "March", "5", "2020-03-05"},
                          Case{"2020", "November", "30", "2020-11-30"},
                          Case{"2020", "", "12", ""}}) {
        EXPECT_EQ(MonthYearDate::dateText(c.year, c.month, c.day), c.stored) << c.day;
    }
    EXPECT_EQ(MonthYearDate::day("2020-03-15"), "15");
    EXPECT_EQ(MonthYearDate::day("2020-03"), "");
    EXPECT_EQ(MonthYearDate::day("2020"), "");
    const std::string stored = "2020-07-04";
    EXPECT_EQ(MonthYearDate::dateText(MonthYearDate::year(stored),
                                      MonthYearDate::monthNames()[MonthYearDate::monthEntry(stored)],
                                      MonthYearDate::day(stored)),
              stored);
}
