#include "editor/lists/ItemTexts.h"

#include "model/FieldValue.h"

#include <gtest/gtest.h>

using Lines = std::vector<std::string>;

TEST(ItemTextsLines, JoinSeparatesItemsWithLineBreaks) {
    EXPECT_EQ(ItemTexts::joinLines({}), "");
    EXPECT_EQ(ItemTexts::joinLines({FieldValue("one")}), "one");
    // An item holding a line break of its own shows on two lines.
    EXPECT_EQ(ItemTexts::joinLines({FieldValue("a"), FieldValue("b\r\nc"), FieldValue("")}),
              "a\r\nb\r\nc\r\n");
}

TEST(ItemTextsLines, SplitDropsEmptyLinesAndKeepsBlanks) {
    EXPECT_EQ(ItemTexts::splitLines(""), Lines{});
    EXPECT_EQ(ItemTexts::splitLines("\r\n\r\n\n"), Lines{});
    EXPECT_EQ(ItemTexts::splitLines("Asthma\r\n\r\nCOPD\r\n"), (Lines{"Asthma", "COPD"}));
    EXPECT_EQ(ItemTexts::splitLines("  spaced \n   \nlast"), (Lines{"  spaced ", "   ", "last"}));
    // Stray carriage returns go, even inside a line.
    EXPECT_EQ(ItemTexts::splitLines("a\rb\r\r\nc"), (Lines{"ab", "c"}));
    EXPECT_EQ(ItemTexts::splitLines("\r"), Lines{});
    EXPECT_EQ(ItemTexts::splitLines("  \r\n x \r\r\n"), (Lines{"  ", " x "}));
}

TEST(ItemTextsLinks, SchemeIsAddedOnlyWhenNoWebSchemeOccurs) {
    EXPECT_EQ(ItemTexts::withWebScheme("www.example.org"), "http://www.example.org");
    EXPECT_EQ(ItemTexts::withWebScheme("HTTPS://Example.org/A"), "HTTPS://Example.org/A");
    EXPECT_EQ(ItemTexts::withWebScheme("http://x"), "http://x");
    EXPECT_EQ(ItemTexts::withWebScheme("ftp://files.org"), "http://ftp://files.org");
    EXPECT_EQ(ItemTexts::withWebScheme("ftp://go.org/?to=http://x"), "ftp://go.org/?to=http://x");
    EXPECT_EQ(ItemTexts::withWebScheme("http:/half"), "http://http:/half");
}
