#include "editor/ResizableDialog.h"

#include "controls/CXPButton.h"
#include "platform/AnchorLayout.h"
#include "platform/DialogUnits.h"
#include "platform/TestPlatform.h"

#include <QLineEdit>
#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>
#include <memory>

namespace {

enum SampleId {
    IDC_LIST = 1001,
    IDC_NAME = 1002,
    IDC_OK = 1003,
    IDC_TITLE = 1004,
    IDC_NARROW = 1005,
    IDC_HELP = 1006,
};

// 300 x 260 pixels with units of 6 x 13.
DialogTemplate sampleTemplate(int number) {
    return {
        .number = number,
        .width = 200,
        .height = 160,
        .controls =
            {
                {.id = IDC_TITLE,
                 .kind = ControlKind::StaticText,
                 .text = QStringLiteral("Title"),
                 .rect = {4, 4, 40, 8}},
                {.id = IDC_NAME,
                 .kind = ControlKind::Edit,
                 .rect = {50, 4, 100, 12},
                 .anchors = AnchorStretchRight},
                {.id = IDC_NARROW,
                 .kind = ControlKind::Edit,
                 .rect = {4, 20, 20, 12},
                 .anchors = AnchorStretchRight | AnchorStretchDown | AnchorMoveRight},
                {.id = IDC_LIST,
                 .kind = ControlKind::ListView,
                 .rect = {30, 20, 160, 100},
                 .anchors = AnchorGrow},
                {.id = IDC_HELP,
                 .kind = ControlKind::PushButton,
                 .text = QStringLiteral("&Help"),
                 .rect = {4, 140, 50, 14},
                 .anchors = AnchorMoveDown},
                {.id = IDC_OK,
                 .kind = ControlKind::DefaultPushButton,
                 .text = QStringLiteral("OK"),
                 .rect = {140, 140, 50, 14},
                 .anchors = AnchorBottomRight},
            },
    };
}

class Sample : public ResizableDialog {
public:
    explicit Sample(int number = 0x89) : ResizableDialog(number) {
        buildControls(sampleTemplate(number), DialogUnits(6, 13));
    }
};

class ResizableDialogTest : public ::testing::Test {
protected:
    std::unique_ptr<Sample> shown(int number = 0x89) {
        auto dialog = std::make_unique<Sample>(number);
        dialog->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
        return dialog;
    }

    TestPlatform platform;
};

} // namespace

TEST_F(ResizableDialogTest, ResizeMovesAndStretchesAnchoredControls) {
    auto dialog = shown();
    ASSERT_EQ(dialog->size(), QSize(300, 260));
    const QRect title = dialog->control(IDC_TITLE)->geometry();
    const QRect name = dialog->control(IDC_NAME)->geometry();
    const QRect list = dialog->control(IDC_LIST)->geometry();
    const QRect help = dialog->control(IDC_HELP)->geometry();
    const QRect ok = dialog->control(IDC_OK)->geometry();

    dialog->resize(350, 290);
    EXPECT_EQ(dialog->control(IDC_TITLE)->geometry(), title);
    EXPECT_EQ(dialog->control(IDC_NAME)->geometry(), name.adjusted(0, 0, 50, 0));
    EXPECT_EQ(dialog->control(IDC_LIST)->geometry(), list.adjusted(0, 0, 50, 30));
    EXPECT_EQ(dialog->control(IDC_HELP)->geometry(), help.translated(0, 30));
    EXPECT_EQ(dialog->control(IDC_OK)->geometry(), ok.translated(50, 30));
    EXPECT_TRUE(dialog->wasResized());

    dialog->resize(300, 260);
    EXPECT_EQ(dialog->control(IDC_OK)->geometry(), ok);
    EXPECT_EQ(dialog->control(IDC_LIST)->geometry(), list);
}

TEST_F(ResizableDialogTest, ShrinkingPastNothingAndBackRestoresTheLayout) {
    auto dialog = shown();
    const QRect narrow = dialog->control(IDC_NARROW)->geometry(); // 30 px wide
    dialog->resize(300 - 80, 260 - 40);
    EXPECT_EQ(dialog->control(IDC_NARROW)->width(), 0);
    dialog->resize(300, 260);
    EXPECT_EQ(dialog->control(IDC_NARROW)->geometry(), narrow);
}

TEST_F(ResizableDialogTest, ControlsMovedByCodeAreAnchoredFromTheirNewPlace) {
    auto dialog = shown();
    dialog->control(IDC_OK)->move(10, 10);
    dialog->resize(320, 270);
    EXPECT_EQ(dialog->control(IDC_OK)->pos(), QPoint(30, 20));
}

TEST_F(ResizableDialogTest, AnchorsOfMissingControlsAndZeroFlags) {
    auto dialog = shown();
    const int registered = dialog->anchorLayout()->count();
    dialog->addAnchor(IDC_TITLE, 0);
    dialog->addAnchor(4242, AnchorBottomRight); // no such control
    EXPECT_EQ(dialog->anchorLayout()->count(), registered);
    dialog->addAnchor(IDC_TITLE, AnchorMoveRight);
    dialog->addAnchor(IDC_TITLE, AnchorMoveRight); // again: still moved once
    dialog->resize(310, 260);
    EXPECT_EQ(dialog->control(IDC_TITLE)->x(), DialogUnits(6, 13).toPixelsX(4) + 10);
}

TEST_F(ResizableDialogTest, RefusesSizesFarBelowTheCreationSize) {
    auto dialog = shown();
    EXPECT_EQ(dialog->creationSize(), QSize(300, 260));
    EXPECT_EQ(dialog->minimumSize(), QSize(200, 217));
    dialog->resize(50, 50);
    EXPECT_EQ(dialog->size(), QSize(200, 217));
}

TEST_F(ResizableDialogTest, ChildPagesHaveNoMinimum) {
    QWidget panel;
    ResizableDialog page(500, &panel);
    page.setWindowFlags(Qt::Widget);
    page.buildControls(sampleTemplate(500), DialogUnits(6, 13));
    EXPECT_EQ(page.minimumSize(), QSize(0, 0));
    EXPECT_EQ(page.settingsSection(), QStringLiteral("1f4"));
}

TEST_F(ResizableDialogTest, WritesTheOuterSizeOnDestructionAfterARealResize) {
    QSize outer;
    {
        auto dialog = shown(0x66);
        dialog->resize(420, 300);
        outer = dialog->frameGeometry().size();
        EXPECT_EQ(platform.settings().writeCount(), 0) << "nothing before destruction";
    }
    EXPECT_GE(outer.width(), 420);
    EXPECT_EQ(platform.settings().readProfileInt(QStringLiteral("66"), QStringLiteral("CX"), 0),
              outer.width());
    EXPECT_EQ(platform.settings().readProfileInt(QStringLiteral("66"), QStringLiteral("CY"), 0),
              outer.height());
}

TEST_F(ResizableDialogTest, WritesNothingWithoutAResize) {
    { auto dialog = shown(); }
    {
        auto dialog = shown();
        dialog->resize(dialog->size()); // a size message that changes nothing
    }
    {
        auto dialog = shown();
        dialog->setRememberSize(false);
        dialog->resize(400, 300);
    }
    EXPECT_EQ(platform.settings().writeCount(), 0);
}

// The stored size comes back on the next opening, never larger than the
// screen's free area; a window built larger than that is fitted too.
TEST_F(ResizableDialogTest, StoredSizeIsReadBackWithinTheScreen) {
    const QSize room = QGuiApplication::primaryScreen()->availableGeometry().size();
    const QSize frame = [this] {
        auto dialog = shown();
        return dialog->frameGeometry().size() - dialog->size();
    }();
    const struct {
        QSize stored; // outer sizes
        QSize shown;  // inner ones
    } cases[] = {
        {{0, 0}, {300, 260}},
        {{500, 400}, QSize(500, 400) - frame},
        {{120, 150}, QSize(300, 260) - QSize(ResizableDialog::kMinimumShrinkX,
                                             ResizableDialog::kMinimumShrinkY)},
        {room * 3, room - frame},
    };
    for (const auto& c : cases) {
        platform.settings().writeProfileInt(QStringLiteral("89"), QStringLiteral("CX"),
                                            c.stored.width());
        platform.settings().writeProfileInt(QStringLiteral("89"), QStringLiteral("CY"),
                                            c.stored.height());
        auto dialog = shown();
        EXPECT_EQ(dialog->size(), c.shown) << c.stored.width() << "x" << c.stored.height();
        EXPECT_FALSE(dialog->wasResized()) << "a restored size is not written again";
    }
}

TEST_F(ResizableDialogTest, SizeGripSitsInTheBottomRightCorner) {
    auto dialog = shown();
    const int extent = dialog->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    EXPECT_EQ(dialog->gripRect(), QRect(300 - extent, 260 - extent, extent, extent));
    EXPECT_TRUE(dialog->inSizeGrip(QPoint(298, 258)));
    EXPECT_FALSE(dialog->inSizeGrip(QPoint(150, 130)));
    dialog->setSizeGrip(false);
    EXPECT_FALSE(dialog->inSizeGrip(QPoint(298, 258)));
}

TEST_F(ResizableDialogTest, DraggingTheGripResizesTheWindow) {
    auto dialog = shown();
    const QPoint grip = dialog->gripRect().center();
    QTest::mousePress(dialog.get(), Qt::LeftButton, {}, grip);
    QTest::mouseMove(dialog.get(), grip + QPoint(40, 25));
    QTest::mouseRelease(dialog.get(), Qt::LeftButton, {}, grip + QPoint(40, 25));
    EXPECT_EQ(dialog->size(), QSize(340, 285));
    EXPECT_TRUE(dialog->wasResized());

    // A press outside the grip resizes nothing.
    QTest::mousePress(dialog.get(), Qt::LeftButton, {}, QPoint(150, 130));
    QTest::mouseMove(dialog.get(), QPoint(200, 200));
    QTest::mouseRelease(dialog.get(), Qt::LeftButton, {}, QPoint(200, 200));
    EXPECT_EQ(dialog->size(), QSize(340, 285));
}

TEST_F(ResizableDialogTest, BuildsStyledButtons) {
    auto dialog = shown();
    ASSERT_NE(dialog->control<CXPButton>(IDC_OK), nullptr);
    EXPECT_TRUE(dialog->control<CXPButton>(IDC_OK)->isDefault());
    EXPECT_NE(dialog->control<QTreeWidget>(IDC_LIST), nullptr);
}
