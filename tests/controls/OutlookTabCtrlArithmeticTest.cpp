#include "controls/OutlookTabColours.h"
#include "controls/OutlookTabImageList.h"
#include "controls/OutlookTabLayout.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

::testing::AssertionResult sameRgb(QColor actual, QColor expected) {
    if (actual.rgb() == expected.rgb()) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << "got (" << actual.red() << "," << actual.green() << ","
                                         << actual.blue() << ") expected (" << expected.red() << ","
                                         << expected.green() << "," << expected.blue() << ")";
}

} // namespace

TEST(OutlookTabAccent, ClassicColoursGiveTheKnownAccents) {
    const OutlookTabAccentColours accent =
        outlookTabAccentColours(QColor(255, 255, 255), QColor(192, 192, 192), QColor(0, 0, 128));
    EXPECT_TRUE(sameRgb(accent.light, QColor(174, 174, 214)));
    EXPECT_TRUE(sameRgb(accent.dark, QColor(151, 151, 186)));
}

TEST(OutlookTabAccent, BrightColoursAreCappedBeforeTheDarkAccentIsTaken) {
    // 255 * 102 / 100 would be 260; the dark accent derives from the capped value.
    const OutlookTabAccentColours accent =
        outlookTabAccentColours(QColor(255, 255, 255), QColor(255, 255, 255), QColor(255, 0, 0));
    EXPECT_TRUE(sameRgb(accent.light, QColor(255, 181, 181)));
    EXPECT_TRUE(sameRgb(accent.dark, QColor(221, 157, 157)));
}

TEST(OutlookTabButtonColours, FollowSelectionHoverAndPress) {
    OutlookTabSystemColours sys;
    sys.buttonFace = QColor(192, 192, 192);
    sys.windowText = Qt::black;
    sys.highlightText = Qt::white;
    sys.greyText = QColor(128, 128, 128);
    const OutlookTabAccentColours accent{QColor(174, 174, 214), QColor(151, 151, 186)};

    struct Case {
        OutlookTabButtonState state;
        QColor background;
        QColor text;
    };
    const Case cases[] = {
        {{}, sys.buttonFace, sys.windowText},
        {{.selected = true}, accent.light, sys.windowText},
        {{.hovered = true}, accent.light, sys.windowText},
        {{.selected = true, .hovered = true}, accent.dark, sys.highlightText},
        {{.selected = true, .hovered = true, .anyPressed = true}, accent.light, sys.windowText},
        {{.hovered = true, .anyPressed = true, .pressed = true}, accent.dark, sys.highlightText},
        // Held but the cursor has left it, or another button is held.
        {{.anyPressed = true, .pressed = true}, sys.buttonFace, sys.windowText},
        {{.hovered = true, .anyPressed = true}, sys.buttonFace, sys.windowText},
        {{.selected = true, .disabled = true}, accent.light, sys.greyText},
        {{.disabled = true}, sys.buttonFace, sys.greyText},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(i);
        const OutlookTabButtonColours colours =
            outlookTabButtonColours(cases[i].state, sys, accent);
        EXPECT_TRUE(sameRgb(colours.background, cases[i].background));
        EXPECT_TRUE(sameRgb(colours.text, cases[i].text));
    }
    EXPECT_TRUE(outlookTabIconRaised({.hovered = true}));
    EXPECT_FALSE(outlookTabIconRaised({.selected = true, .hovered = true}));
    EXPECT_FALSE(outlookTabIconRaised({.hovered = true, .anyPressed = true, .pressed = true}));
}

TEST(OutlookTabMetrics, TakeTheLargerOfTextAndIconSizes) {
    const OutlookTabMetrics m =
        outlookTabMetrics(13, 14, QSize(24, 24), QSize(24, 32), QSize(16, 16), QSize(18, 12));
    EXPECT_EQ(m.captionHeight, 19);
    EXPECT_EQ(m.buttonHeight, 38);
    EXPECT_EQ(m.buttonPitch(), 39);
    EXPECT_EQ(m.stripHeight, 38); // the button height beats small icon + 6
    EXPECT_EQ(m.smallCellWidth, 24);

    const OutlookTabMetrics textOnly = outlookTabMetrics(13, 14, {}, {}, QSize(16, 30), {});
    EXPECT_EQ(textOnly.buttonHeight, 20);
    EXPECT_EQ(textOnly.stripHeight, 36);
}

namespace {

OutlookTabMetrics editorMetrics() {
    OutlookTabMetrics m;
    m.captionHeight = 19;
    m.buttonHeight = 30;
    m.stripHeight = 30;
    m.smallCellWidth = 22;
    return m;
}

} // namespace

TEST(OutlookTabLayout, StacksBandsInsideTheBorderAndSkipsHiddenItems) {
    const std::vector<OutlookTabLayoutItem> items = {{}, {.visible = false}, {}, {}};
    const OutlookTabLayout l = layOutOutlookTab(QSize(240, 545), true, {}, editorMetrics(), items);

    EXPECT_EQ(l.client, QRect(1, 1, 238, 543));
    EXPECT_EQ(l.caption, QRect(1, 1, 238, 19));
    EXPECT_EQ(l.buttons, QRect(1, 20, 238, 93));
    ASSERT_EQ(l.itemRects.size(), 4u);
    EXPECT_EQ(l.itemRects[0], QRect(1, 20, 238, 31));
    EXPECT_TRUE(l.itemRects[1].isEmpty());
    EXPECT_EQ(l.itemRects[2], QRect(1, 51, 238, 31));
    EXPECT_EQ(l.itemRects[3], QRect(1, 82, 238, 31));
    EXPECT_EQ(l.strip, QRect(1, 113, 238, 30));
    EXPECT_EQ(l.separator, QRect(1, 143, 238, 5));
    EXPECT_EQ(l.content, QRect(1, 148, 238, 396));
}

TEST(OutlookTabLayout, CollapsedItemsFillStripCellsAndOptionsDropBands) {
    const std::vector<OutlookTabLayoutItem> items = {
        {.collapsed = true}, {}, {.visible = false, .collapsed = true}, {.collapsed = true}};
    const OutlookTabOptions noCaption{.showCaption = false, .showEmptyStrip = false};
    const OutlookTabLayout l =
        layOutOutlookTab(QSize(100, 200), false, noCaption, editorMetrics(), items);
    EXPECT_EQ(l.caption.height(), 0);
    EXPECT_EQ(l.buttons, QRect(0, 0, 100, 31));
    EXPECT_EQ(l.itemRects[1], QRect(0, 0, 100, 31));
    EXPECT_EQ(l.strip, QRect(0, 31, 100, 30));
    EXPECT_EQ(l.itemRects[0], QRect(0, 31, 22, 30));
    EXPECT_TRUE(l.itemRects[2].isEmpty());
    EXPECT_EQ(l.itemRects[3], QRect(22, 31, 22, 30));

    // Without collapsed items the strip disappears unless it is wanted empty.
    const std::vector<OutlookTabLayoutItem> plain = {{}};
    EXPECT_EQ(
        layOutOutlookTab(QSize(100, 200), false, noCaption, editorMetrics(), plain).strip.height(),
        0);
    EXPECT_EQ(layOutOutlookTab(QSize(100, 200), false, {}, editorMetrics(), plain).strip.height(),
              30);
}

TEST(OutlookTabLayout, ShortBarGetsAnEmptyContentAreaNotANegativeOne) {
    const std::vector<OutlookTabLayoutItem> items(5);
    const OutlookTabLayout l = layOutOutlookTab(QSize(100, 80), false, {}, editorMetrics(), items);
    EXPECT_EQ(l.content.height(), 0);
    EXPECT_EQ(l.content.top(), l.separator.bottom() + 1);
}

TEST(OutlookTabImageList, StripIsCutIntoCellsWithMagentaTransparent) {
    QImage strip(50, 16, QImage::Format_RGB32);
    strip.fill(QColor(255, 0, 255));
    strip.setPixel(3, 4, qRgb(10, 20, 30));
    strip.setPixel(16 + 5, 6, qRgb(40, 50, 60));
    const OutlookTabImageList list =
        OutlookTabImageList::fromStrip(strip, QSize(16, 16), QColor(255, 0, 255));

    ASSERT_EQ(list.count(), 3); // the 2-pixel remainder is no icon
    const QImage first = list.pixmap(0).toImage();
    EXPECT_EQ(first.size(), QSize(16, 16));
    EXPECT_EQ(first.pixel(3, 4), qRgb(10, 20, 30));
    EXPECT_EQ(qAlpha(first.pixel(0, 0)), 0);
    EXPECT_EQ(list.pixmap(1).toImage().pixel(5, 6), qRgb(40, 50, 60));
    EXPECT_TRUE(list.pixmap(3).isNull());
    EXPECT_TRUE(list.pixmap(-1).isNull());
}

TEST(OutlookTabImageList, AddedPixmapsTakeTheListsSize) {
    OutlookTabImageList list(QSize(24, 24));
    QPixmap big(48, 40);
    big.fill(Qt::red);
    EXPECT_EQ(list.add(big), 0);
    EXPECT_EQ(list.pixmap(0).size(), QSize(24, 24));
    EXPECT_TRUE(list.contains(0));
    EXPECT_FALSE(list.contains(1));
}
