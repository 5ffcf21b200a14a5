#include "editor/LineSplitting.h"

#include "model/FieldValue.h"

#include <gtest/gtest.h>

using Lines = std::vector<std::string>;

TEST(LineSplittingTest, LineFeedPiecesSkipEmptyLinesAndKeepSpaces) {
    EXPECT_EQ(LineSplitting::splitAtLineFeeds("A\r\n\r\nB\r\n"), (Lines{"A", "B"}));
    EXPECT_EQ(LineSplitting::splitAtLineFeeds("   \r\n x "), (Lines{"   ", " x "}));
    EXPECT_EQ(LineSplitting::splitAtLineFeeds("A\nB"), (Lines{"A", "B"}));
    EXPECT_EQ(LineSplitting::splitAtLineFeeds(""), Lines{});
    EXPECT_EQ(LineSplitting::splitAtLineFeeds("\r\n\n\r"), Lines{});
    // A carriage return alone ends no piece; it is only removed.
    EXPECT_EQ(LineSplitting::splitAtLineFeeds("A\rB\nC"), (Lines{"AB", "C"}));
}

TEST(LineSplittingTest, LineBreakRunsSplitAtEitherCharacter) {
    EXPECT_EQ(LineSplitting::splitAtLineBreaks("A\r\n\r\n\r\nB"), (Lines{"A", "B"}));
    EXPECT_EQ(LineSplitting::splitAtLineBreaks("A\rB\nC"), (Lines{"A", "B", "C"}));
    EXPECT_EQ(LineSplitting::splitAtLineBreaks("\r\n x \r\n"), (Lines{" x "}));
    EXPECT_EQ(LineSplitting::splitAtLineBreaks(""), Lines{});
}

TEST(LineSplittingTest, LongTextsSplitWhole) {
    // Far beyond any working buffer: nothing is cut off.
    const std::string line(12000, 'x');
    const Lines lines = LineSplitting::splitAtLineBreaks(line + "\r\n" + line);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1], line);
    EXPECT_EQ(LineSplitting::splitAtLineFeeds(line + "\n" + line), lines);
}

TEST(LineSplittingTest, JoinPutsCrLfBetweenEntriesOnly) {
    EXPECT_EQ(LineSplitting::joinLines({}), "");
    EXPECT_EQ(LineSplitting::joinLines({"A"}), "A");
    EXPECT_EQ(LineSplitting::joinLines({"A", "", " B"}), "A\r\n\r\n B");
}

TEST(ListTextLines, JoinSeparatesItemsWithLineBreaks) {
    EXPECT_EQ(LineSplitting::joinDisplayTexts({}), "");
    EXPECT_EQ(LineSplitting::joinDisplayTexts({FieldValue("one")}), "one");
    // An item holding a line break of its own shows on two lines.
    EXPECT_EQ(
        LineSplitting::joinDisplayTexts({FieldValue("a"), FieldValue("b\r\nc"), FieldValue("")}),
        "a\r\nb\r\nc\r\n");
}

TEST(ListTextLines, SplitDropsEmptyLinesAndKeepsBlanks) {
    EXPECT_EQ(LineSplitting::splitAtLineFeeds(""), Lines{});
    EXPECT_EQ(LineSplitting::splitAtLineFeeds("\r\n\r\n\n"), Lines{});
    EXPECT_EQ(LineSplitting::splitAtLineFeeds("Asthma\r\n\r\nCOPD\r\n"), (Lines{"Asthma", "COPD"}));
    EXPECT_EQ(LineSplitting::splitAtLineFeeds("  spaced \n   \nlast"),
              (Lines{"  spaced ", "   ", "last"}));
    // Stray carriage returns go, even inside a line.
    EXPECT_EQ(LineSplitting::splitAtLineFeeds("a\rb\r\r\nc"), (Lines{"ab", "c"}));
    EXPECT_EQ(LineSplitting::splitAtLineFeeds("\r"), Lines{});
    EXPECT_EQ(LineSplitting::splitAtLineFeeds("  \r\n x \r\r\n"), (Lines{"  ", " x "}));
}
