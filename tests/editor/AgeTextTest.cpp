#include "editor/AgeText.h"

#include <gtest/gtest.h>

namespace {

void expectSplit(const char* text, const char* number, const char* unit) {
    const AgeText::Parts parts = AgeText::split(text);
    EXPECT_EQ(parts.number, number) << '"' << text << '"';
    EXPECT_EQ(parts.unit, unit) << '"' << text << '"';
}

} // namespace

TEST(AgeTextTest, SplitsAtTheFirstSpace) {
    expectSplit("18 Years", "18", "Years");
    expectSplit("6 Months old", "6", "Months old");
    expectSplit(" Years", "", "Years");
    expectSplit("  ", "", " ");
}

// Without a space the text is the unit box's; a number only when it is one, so
// that "N/A" does not come back as "N/A N/A".
TEST(AgeTextTest, WithoutASpaceTheWholeTextIsTheUnit) {
    expectSplit("", "", "");
    expectSplit("18", "18", "18");
    expectSplit("N/A", "", "N/A");
    expectSplit("18 ", "18", "18 ");
}

TEST(AgeTextTest, JoinAlwaysWritesTheSpace) {
    EXPECT_EQ(AgeText::join("18", "Years"), "18 Years");
    EXPECT_EQ(AgeText::join("", ""), " ");
    EXPECT_EQ(AgeText::join("18", ""), "18 ");
    EXPECT_EQ(AgeText::join("", "Years"), " Years");
}
