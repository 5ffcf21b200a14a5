#include "controls/OutlookTabCtrlEx.h"

#include <QApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>
#include <QToolTip>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace {

// Records the notifications, with the selection as each one sees it.
class RecordingBar : public OutlookTabCtrlEx {
public:
    std::vector<std::string> calls;
    bool allow = true;
    std::optional<QPoint> cursor;

    using OutlookTabCtrlEx::cursorPosition;

protected:
    bool canSelect(OutlookTabItem* item) override {
        calls.push_back("can " + name(item) + " while " + name(selectedItem()));
        return allow;
    }
    void selected(OutlookTabItem* item) override {
        calls.push_back("selected " + name(item) + " while " + name(selectedItem()));
        OutlookTabCtrlEx::selected(item);
    }
    QPoint cursorPosition() const override {
        return cursor ? *cursor : OutlookTabCtrlEx::cursorPosition();
    }

private:
    static std::string name(const OutlookTabItem* item) {
        return item ? item->label().toStdString() : "none";
    }
};

OutlookTabImageList solidList(QSize size, int count, QColor colour) {
    OutlookTabImageList list(size);
    for (int i = 0; i < count; ++i) {
        QPixmap pixmap(size);
        pixmap.fill(colour);
        list.add(pixmap);
    }
    return list;
}

QPalette classicPalette() {
    QPalette palette;
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Button, QColor(192, 192, 192));
    palette.setColor(QPalette::Highlight, QColor(0, 0, 128));
    palette.setColor(QPalette::Dark, QColor(128, 128, 128));
    palette.setColor(QPalette::BrightText, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    palette.setColor(QPalette::HighlightedText, Qt::white);
    return palette;
}

class OutlookTabCtrlTest : public ::testing::Test {
protected:
    void SetUp() override {
        bar.setBorder(true);
        bar.setPalette(classicPalette());
        const OutlookTabImageList large = solidList(QSize(24, 24), 3, Qt::darkGreen);
        const OutlookTabImageList small = solidList(QSize(16, 16), 3, Qt::darkGreen);
        const OutlookTabImageList largeOff = solidList(QSize(24, 24), 3, Qt::lightGray);
        const OutlookTabImageList smallOff = solidList(QSize(16, 16), 3, Qt::lightGray);
        bar.setImageLists(&large, &small, &largeOff, &smallOff);
        for (const char* label : {"Title", "FDA", "Sponsor", "Oversight"}) {
            auto* window = new QPlainTextEdit(QString::fromLatin1(label), &bar);
            windows.push_back(window);
            items.push_back(bar.addItem(window, QString::fromLatin1(label), 0, 0));
        }
        bar.resize(240, 545);
        bar.updateLayout();
        bar.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&bar));
    }

    QPoint centreOf(int index) const { return items[index]->rect().center(); }

    // The test library's mouse move only shifts the cursor, so the move event is sent
    // directly.
    void moveTo(QPoint point, Qt::MouseButtons buttons = Qt::NoButton) {
        QMouseEvent move(QEvent::MouseMove, point, bar.mapToGlobal(point), Qt::NoButton, buttons,
                         Qt::NoModifier);
        QApplication::sendEvent(&bar, &move);
    }

    void click(int index) { QTest::mouseClick(&bar, Qt::LeftButton, {}, centreOf(index)); }

    QRgb pixelAt(QPoint point) { return bar.grab().toImage().pixel(point); }

    // A point of the button face that neither the icon nor the label covers.
    QPoint faceOf(int index) const {
        const QRect r = items[index]->rect();
        return QPoint(r.right() - 1, r.top() + 1);
    }

    RecordingBar bar;
    std::vector<QPlainTextEdit*> windows;
    std::vector<OutlookTabItem*> items;
};

} // namespace

TEST_F(OutlookTabCtrlTest, FirstAddedItemIsSelectedSilentlyAndOnlyItsWindowShows) {
    EXPECT_EQ(bar.selectedItem(), items[0]);
    EXPECT_TRUE(bar.calls.empty());
    EXPECT_TRUE(windows[0]->isVisible());
    EXPECT_EQ(windows[0]->geometry(), bar.currentLayout().content);
    for (int i = 1; i < 4; ++i) {
        EXPECT_FALSE(windows[i]->isVisible()) << i;
    }
    EXPECT_EQ(bar.itemIndex(items[2]), 2);
    EXPECT_EQ(bar.itemAt(3), items[3]);
    EXPECT_EQ(bar.itemAt(4), nullptr);
    EXPECT_EQ(bar.itemAt(-1), nullptr);
    EXPECT_EQ(bar.itemIndex(nullptr), -1);
    EXPECT_EQ(items[1]->label(), QStringLiteral("FDA"));
}

TEST_F(OutlookTabCtrlTest, LayoutFollowsTheMetricsOfTheFontsAndIcons) {
    const OutlookTabMetrics m = bar.metrics();
    EXPECT_GE(m.buttonHeight, 24 + 6);
    EXPECT_EQ(m.smallCellWidth, 22);
    EXPECT_EQ(items[0]->rect(), QRect(1, 1 + m.captionHeight, 238, m.buttonPitch()));
    EXPECT_EQ(items[3]->rect().top(), 1 + m.captionHeight + 3 * m.buttonPitch());
    EXPECT_EQ(bar.currentLayout().content.bottom(), 543);
    EXPECT_TRUE(bar.captionFont().bold());
    EXPECT_TRUE(bar.itemFont().bold());

    bar.resize(240, 600);
    EXPECT_EQ(bar.currentLayout().content.bottom(), 598);
    EXPECT_EQ(windows[0]->geometry(), bar.currentLayout().content);
}

TEST_F(OutlookTabCtrlTest, HidingOrDisablingTheSelectedItemMovesTheSelectionOnUpdate) {
    bar.setItemVisible(items[0], false);
    EXPECT_EQ(bar.selectedItem(), items[0]); // flags wait for the update
    bar.setItemDisabled(items[1], true);
    bar.updateLayout();
    EXPECT_EQ(bar.selectedItem(), items[2]);
    EXPECT_FALSE(windows[0]->isVisible());
    EXPECT_TRUE(windows[2]->isVisible());
    EXPECT_EQ(windows[2]->geometry(), bar.currentLayout().content);
    EXPECT_TRUE(items[0]->rect().isEmpty());
    EXPECT_EQ(items[1]->rect().top(), bar.currentLayout().buttons.top());
    EXPECT_TRUE(bar.calls.empty());

    for (auto* item : items) {
        bar.setItemVisible(item, false);
    }
    bar.updateLayout();
    EXPECT_EQ(bar.selectedItem(), nullptr);
    EXPECT_FALSE(windows[2]->isVisible());
}

TEST_F(OutlookTabCtrlTest, SelectItemIgnoresSelectedHiddenAndDisabledItems) {
    bar.setItemVisible(items[1], false);
    bar.setItemDisabled(items[2], true);
    bar.selectItem(items[1]);
    bar.selectItem(items[2]);
    bar.selectItem(items[0]);
    EXPECT_EQ(bar.selectedItem(), items[0]);
    bar.selectItem(items[3]);
    EXPECT_EQ(bar.selectedItem(), items[3]);
    EXPECT_TRUE(windows[3]->isVisible());
    EXPECT_FALSE(windows[0]->isVisible());
    EXPECT_TRUE(bar.calls.empty());
}

TEST_F(OutlookTabCtrlTest, ClickAsksThenSelectsThenNotifiesAndFocusesTheWindow) {
    QSignalSpy spy(&bar, &OutlookTabCtrlEx::itemSelected);
    click(2);
    const std::vector<std::string> expected = {"can Sponsor while Title",
                                               "selected Sponsor while Sponsor"};
    EXPECT_EQ(bar.calls, expected);
    EXPECT_EQ(bar.selectedItem(), items[2]);
    EXPECT_TRUE(windows[2]->isVisible());
    EXPECT_FALSE(windows[0]->isVisible());
    EXPECT_TRUE(windows[2]->hasFocus() || QApplication::focusWidget() == windows[2]);
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.at(0).at(1).toString(), QStringLiteral("Sponsor"));
    EXPECT_TRUE(bar.pressedTarget().isNone());
}

TEST_F(OutlookTabCtrlTest, RefusedClickSelectsNothing) {
    bar.allow = false;
    click(1);
    ASSERT_EQ(bar.calls.size(), 1u);
    EXPECT_EQ(bar.selectedItem(), items[0]);
    EXPECT_FALSE(windows[1]->isVisible());
}

TEST_F(OutlookTabCtrlTest, ClickOnSelectedOrReleaseElsewhereDoesNothing) {
    click(0);
    EXPECT_TRUE(bar.calls.empty());

    QTest::mousePress(&bar, Qt::LeftButton, {}, centreOf(1));
    EXPECT_EQ(bar.pressedTarget(), OutlookTabTarget::forItem(items[1]));
    QTest::mouseRelease(&bar, Qt::LeftButton, {}, centreOf(2));
    EXPECT_TRUE(bar.calls.empty());
    EXPECT_EQ(bar.selectedItem(), items[0]);
    EXPECT_TRUE(bar.pressedTarget().isNone());

    // Pressing and releasing on the separator is no click either.
    const QPoint separator = bar.currentLayout().separator.center();
    QTest::mousePress(&bar, Qt::LeftButton, {}, separator);
    EXPECT_EQ(bar.pressedTarget(), OutlookTabTarget::separator());
    QTest::mouseRelease(&bar, Qt::LeftButton, {}, separator);
    EXPECT_TRUE(bar.calls.empty());
}

TEST_F(OutlookTabCtrlTest, DisabledItemNeitherHighlightsNorReacts) {
    bar.setItemDisabled(items[1], true);
    bar.updateLayout();
    EXPECT_TRUE(bar.hitTest(centreOf(1)).isNone());
    moveTo(centreOf(1));
    EXPECT_TRUE(bar.hoveredTarget().isNone());
    click(1);
    EXPECT_TRUE(bar.calls.empty());
    EXPECT_EQ(bar.selectedItem(), items[0]);
    EXPECT_EQ(pixelAt(faceOf(1)), QColor(192, 192, 192).rgb());
}

TEST_F(OutlookTabCtrlTest, HitTestFindsItemsOnTheirEdgesAndTheSeparator) {
    const QRect first = items[0]->rect();
    EXPECT_EQ(bar.hitTest(first.topLeft()), OutlookTabTarget::forItem(items[0]));
    // The last row is the item's own separator line.
    EXPECT_EQ(bar.hitTest(first.bottomRight()), OutlookTabTarget::forItem(items[0]));
    EXPECT_EQ(bar.hitTest(first.bottomLeft() + QPoint(0, 1)), OutlookTabTarget::forItem(items[1]));
    const OutlookTabLayout& l = bar.currentLayout();
    EXPECT_EQ(bar.hitTest(l.separator.topLeft()), OutlookTabTarget::separator());
    EXPECT_TRUE(bar.hitTest(l.caption.center()).isNone());
    EXPECT_TRUE(bar.hitTest(l.strip.center()).isNone());
    EXPECT_TRUE(bar.hitTest(l.content.center()).isNone());
    EXPECT_TRUE(bar.hitTest(QPoint(0, first.center().y())).isNone()); // the border
}

TEST_F(OutlookTabCtrlTest, HoverStartsTheTimerWhichClearsItOnceTheCursorLeaves) {
    bar.cursor = centreOf(1);
    moveTo(centreOf(1));
    EXPECT_EQ(bar.hoveredTarget(), OutlookTabTarget::forItem(items[1]));
    EXPECT_TRUE(bar.isHoverTimerActive());
    QTest::qWait(3 * OutlookTabCtrlBase::kHoverIntervalMs);
    EXPECT_EQ(bar.hoveredTarget(), OutlookTabTarget::forItem(items[1]));

    bar.cursor = bar.currentLayout().content.center();
    EXPECT_TRUE(QTest::qWaitFor([&] { return bar.hoveredTarget().isNone(); }, 1000));
    EXPECT_FALSE(bar.isHoverTimerActive());
}

TEST_F(OutlookTabCtrlTest, PaintsAccentsForSelectionAndHover) {
    const OutlookTabAccentColours accent = bar.accentColours();
    EXPECT_EQ(accent.light.rgb(), QColor(174, 174, 214).rgb());
    EXPECT_EQ(accent.dark.rgb(), QColor(151, 151, 186).rgb());

    EXPECT_EQ(pixelAt(faceOf(0)), accent.light.rgb());
    EXPECT_EQ(pixelAt(faceOf(1)), QColor(192, 192, 192).rgb());
    EXPECT_EQ(pixelAt(items[1]->rect().bottomLeft() + QPoint(5, 0)), QColor(128, 128, 128).rgb());
    EXPECT_EQ(pixelAt(bar.currentLayout().caption.topRight()), QColor(128, 128, 128).rgb());

    bar.cursor = centreOf(1);
    moveTo(centreOf(1));
    EXPECT_EQ(pixelAt(faceOf(1)), accent.light.rgb());
    moveTo(centreOf(0));
    bar.cursor = centreOf(0);
    EXPECT_EQ(pixelAt(faceOf(0)), accent.dark.rgb());
    EXPECT_EQ(pixelAt(faceOf(1)), QColor(192, 192, 192).rgb());

    // A held, unselected button under the cursor darkens; the selection stays light.
    moveTo(centreOf(2));
    bar.cursor = centreOf(2);
    QTest::mousePress(&bar, Qt::LeftButton, {}, centreOf(2));
    EXPECT_EQ(pixelAt(faceOf(2)), accent.dark.rgb());
    EXPECT_EQ(pixelAt(faceOf(0)), accent.light.rgb());
    // Dragged off onto the content area, the hover timer lets the held button go idle.
    bar.cursor = bar.currentLayout().content.center();
    EXPECT_TRUE(QTest::qWaitFor([&] { return bar.hoveredTarget().isNone(); }, 1000));
    EXPECT_EQ(pixelAt(faceOf(2)), QColor(192, 192, 192).rgb());
    QTest::mouseRelease(&bar, Qt::LeftButton, {}, bar.currentLayout().content.center());
    EXPECT_EQ(bar.selectedItem(), items[0]);
}

TEST_F(OutlookTabCtrlTest, HoveredIconIsRaisedOverItsShadow) {
    // The icon's lower right corner at its resting place.
    const QRect r = items[1]->rect();
    const QPoint corner(r.left() + 5 + 23, r.top() + (r.height() - 1 - 24) / 2 + 23);
    EXPECT_EQ(pixelAt(corner), QColor(Qt::darkGreen).rgb());
    bar.cursor = centreOf(1);
    moveTo(centreOf(1));
    EXPECT_EQ(pixelAt(corner), QColor(128, 128, 128).rgb());
    EXPECT_EQ(pixelAt(corner - QPoint(2, 2)), QColor(Qt::darkGreen).rgb());
    // The selected item's icon stays flat.
    const QRect s = items[0]->rect();
    bar.cursor = centreOf(0);
    moveTo(centreOf(0));
    EXPECT_EQ(pixelAt(QPoint(s.left() + 5 + 23, s.top() + (s.height() - 1 - 24) / 2 + 23)),
              QColor(Qt::darkGreen).rgb());
}

TEST_F(OutlookTabCtrlTest, AccentsFollowPaletteChangesAndEmptyContentIsWindowColour) {
    QPalette palette = classicPalette();
    palette.setColor(QPalette::Highlight, QColor(255, 0, 0));
    palette.setColor(QPalette::Button, Qt::white);
    bar.setPalette(palette);
    EXPECT_EQ(bar.accentColours().light.rgb(), QColor(255, 181, 181).rgb());

    bar.removeAllItems();
    EXPECT_EQ(bar.itemCount(), 0);
    EXPECT_EQ(bar.selectedItem(), nullptr);
    palette.setColor(QPalette::Base, QColor(250, 240, 200));
    bar.setPalette(palette);
    EXPECT_EQ(pixelAt(bar.currentLayout().content.center()), QColor(250, 240, 200).rgb());
}

TEST_F(OutlookTabCtrlTest, CollapsedItemsGetTooltipsWithTheirLabels) {
    EXPECT_TRUE(bar.tools().empty());
    bar.setItemCollapsed(items[2], true);
    bar.setItemCollapsed(items[3], true);
    bar.setItemVisible(items[3], false);
    bar.updateLayout();

    ASSERT_EQ(bar.tools().size(), 1u);
    EXPECT_EQ(bar.tools()[0].rect, items[2]->rect());
    EXPECT_TRUE(bar.currentLayout().strip.contains(items[2]->rect()));
    const QPoint cell = items[2]->rect().center();
    EXPECT_EQ(bar.toolTipAt(cell), QStringLiteral("Sponsor"));
    EXPECT_TRUE(bar.toolTipAt(centreOf(1)).isEmpty());

    QHelpEvent help(QEvent::ToolTip, cell, bar.mapToGlobal(cell));
    QApplication::sendEvent(&bar, &help);
    EXPECT_EQ(QToolTip::text(), QStringLiteral("Sponsor"));
    QToolTip::hideText();

    // A collapsed item is still a click target.
    click(2);
    EXPECT_EQ(bar.selectedItem(), items[2]);
}

TEST_F(OutlookTabCtrlTest, HidingTheBarForgetsHoverAndPress) {
    bar.cursor = centreOf(1);
    moveTo(centreOf(1));
    QTest::mousePress(&bar, Qt::LeftButton, {}, centreOf(1));
    ASSERT_FALSE(bar.pressedTarget().isNone());
    bar.hide();
    EXPECT_TRUE(bar.pressedTarget().isNone());
    EXPECT_TRUE(bar.hoveredTarget().isNone());
    EXPECT_FALSE(bar.isHoverTimerActive());
}

TEST_F(OutlookTabCtrlTest, ArrowsMoveOverSelectableItemsAndEnterOrSpaceChooses) {
    bar.setItemDisabled(items[1], true);
    bar.updateLayout();
    bar.activateWindow();
    bar.setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(bar.hasFocus());
    struct Step {
        Qt::Key key;
        int pointedAt; // index of the keyboard's item after the key
        int selected;
    };
    for (const Step& step : {
             Step{Qt::Key_Down, 2, 0},     // the disabled item is passed over
             Step{Qt::Key_Right, 3, 0},
             Step{Qt::Key_Down, 0, 0},     // wraps around
             Step{Qt::Key_Up, 3, 0},
             Step{Qt::Key_Return, 3, 3},
             Step{Qt::Key_Left, 2, 3},
             Step{Qt::Key_Space, 2, 2},
         }) {
        QTest::keyClick(&bar, step.key);
        EXPECT_EQ(bar.keyboardItem(), items[static_cast<std::size_t>(step.pointedAt)])
            << "after key " << step.key;
        EXPECT_EQ(bar.selectedItem(), items[static_cast<std::size_t>(step.selected)]);
    }
    const std::vector<std::string> expected = {
        "can Oversight while Title", "selected Oversight while Oversight",
        "can Sponsor while Oversight", "selected Sponsor while Sponsor"};
    EXPECT_EQ(bar.calls, expected);
    EXPECT_TRUE(windows[2]->isVisible());

    // Enter on the chosen item is taken, so it cannot reach a dialog's default button.
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    enter.ignore();
    QApplication::sendEvent(&bar, &enter);
    EXPECT_TRUE(enter.isAccepted());
    EXPECT_EQ(bar.calls.size(), expected.size());
}
