#include "editor/lists/ItemTexts.h"

#include "platform/TextCodec.h"

#include <gtest/gtest.h>

TEST(ItemTextsTest, CommaSplitSkipsEmptyPiecesAndKeepsBlanks) {
    EXPECT_EQ(ItemTexts::splitAtCommas(""), QStringList());
    EXPECT_EQ(ItemTexts::splitAtCommas(",,"), QStringList());
    EXPECT_EQ(ItemTexts::splitAtCommas(",A,,B ,"), (QStringList{"A", "B "}));
    EXPECT_EQ(ItemTexts::splitAtCommas(" , x"), (QStringList{" ", " x"}));
    // A long label list is split whole, whatever its length.
    const QString big = QString(30000, QLatin1Char('a'));
    EXPECT_EQ(ItemTexts::splitAtCommas(big + "," + big), (QStringList{big, big}));
}

TEST(ItemTextsTest, LineSplitDropsEmptyLinesAndCarriageReturns) {
    using Lines = std::vector<std::string>;
    EXPECT_EQ(ItemTexts::splitLines(""), Lines());
    EXPECT_EQ(ItemTexts::splitLines("one\r\n\r\ntwo\r\n"), (Lines{"one", "two"}));
    EXPECT_EQ(ItemTexts::splitLines("a\n\nb"), (Lines{"a", "b"}));
    EXPECT_EQ(ItemTexts::splitLines("  \r\n x \r\r\n"), (Lines{"  ", " x "}));
    EXPECT_EQ(ItemTexts::splitLines("\r\n\r"), Lines());
}

TEST(ItemTextsTest, EditLinesRoundTripCellLineBreaks) {
    EXPECT_EQ(ItemTexts::toEditLines("a\r\nb\r\n"), "a\nb\n");
    EXPECT_EQ(ItemTexts::fromEditLines("a\nb\n"), "a\r\nb\r\n");
    // A break that is already CR LF is not doubled.
    EXPECT_EQ(ItemTexts::fromEditLines("a\r\nb"), "a\r\nb");
    EXPECT_EQ(ItemTexts::fromEditLines(ItemTexts::toEditLines("x\r\n\r\ny")), "x\r\n\r\ny");
}

TEST(ItemTextsTest, ShortWayForAsciiAgreesWithTheCodec) {
    for (const std::string& bytes :
         {std::string(""), std::string("plain ASCII ~"), std::string("caf\xC3\xA9"),
          std::string("bad \xFF byte"), std::string("\x7F\x80")}) {
        const QString text = ItemTexts::decode(bytes);
        EXPECT_EQ(text, TextCodec::decode(bytes));
        EXPECT_EQ(ItemTexts::encode(text), bytes) << "round trip keeps the bytes";
    }
    EXPECT_EQ(ItemTexts::encode(QString::fromUtf8("\xE2\x82\xAC")), "\xE2\x82\xAC");
}

TEST(ItemTextsTest, SameTextComparesShownTextWithBytes) {
    EXPECT_TRUE(ItemTexts::sameText("abc", "abc"));
    EXPECT_FALSE(ItemTexts::sameText("abc", "abd"));
    EXPECT_FALSE(ItemTexts::sameText("ab", "abc"));
    EXPECT_TRUE(ItemTexts::sameText(QString::fromUtf8("caf\xC3\xA9"), "caf\xC3\xA9"));
    EXPECT_FALSE(ItemTexts::sameText(QStringLiteral("caf\u00c3\u00a9"), "caf\xC3\xA9"));
    EXPECT_TRUE(ItemTexts::sameText(TextCodec::decode("\xFF"), "\xFF"));
}
