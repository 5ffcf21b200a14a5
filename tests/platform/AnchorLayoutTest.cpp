#include "platform/AnchorLayout.h"

#include "platform/ControlFactory.h"
#include "platform/DialogBuilder.h"
#include "platform/DialogUnits.h"

#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

namespace {

enum SampleId { IDC_LABEL = 10, IDC_NAME = 11, IDC_NOTES = 12, IDC_OK = 13 };

// 300 x 260 pixels with units of 6 x 13.
DialogTemplate pageTemplate() {
    return {.number = 0x70,
            .width = 200,
            .height = 160,
            .controls = {
                {.id = IDC_LABEL,
                 .kind = ControlKind::StaticText,
                 .text = QStringLiteral("Name"),
                 .rect = {4, 4, 40, 8}},
                {.id = IDC_NAME,
                 .kind = ControlKind::Edit,
                 .rect = {50, 4, 100, 12},
                 .anchors = AnchorStretchRight},
                {.id = IDC_NOTES,
                 .kind = ControlKind::MultiLineEdit,
                 .rect = {4, 20, 190, 100},
                 .anchors = AnchorGrow},
                {.id = IDC_OK,
                 .kind = ControlKind::PushButton,
                 .text = QStringLiteral("OK"),
                 .rect = {140, 140, 50, 14},
                 .anchors = AnchorBottomRight},
            }};
}

// A page as the editor holds one: a child of a panel, built while hidden.
class AnchoredPage : public ::testing::Test {
protected:
    AnchoredPage() : page(new QWidget(&panel)) {
        controls = DialogBuilder(factory).buildAnchored(page, pageTemplate(), DialogUnits(6, 13));
        panel.resize(400, 400);
    }

    QRect at(int id) const { return controls.widget(id)->geometry(); }

    ControlFactory factory;
    QWidget panel;
    QWidget* page;
    DialogControls controls;
};

} // namespace

TEST(AnchorArithmetic, EachFlagMovesOrStretchesItsEdge) {
    const QRect r(10, 20, 30, 40);
    const struct {
        unsigned flags;
        int dx, dy;
        QRect expected;
    } cases[] = {
        {0, 50, 7, r},
        {AnchorMoveRight, 50, 7, {60, 20, 30, 40}},
        {AnchorMoveDown, 50, 7, {10, 27, 30, 40}},
        {AnchorBottomRight, -5, -7, {5, 13, 30, 40}},
        {AnchorStretchRight, 50, 7, {10, 20, 80, 40}},
        {AnchorGrow, 50, 7, {10, 20, 80, 47}},
        // Stretching wins over moving on the same axis: 13 behaves as 12, 5 as 4.
        {13, 50, 7, {10, 20, 80, 47}},
        {5 | AnchorMoveDown, 50, 7, {10, 27, 80, 40}},
        // A shrinking area may leave a control lower than nothing.
        {AnchorStretchDown, 0, -50, {10, 20, 30, -10}},
        // Two growing boxes share an odd dy: 3 above, 4 below, 3 for what lies between.
        {AnchorGrow | AnchorUpperHalf, 0, 7, {10, 20, 30, 43}},
        {AnchorMoveDown | AnchorUpperHalf, 0, 7, {10, 23, 30, 40}},
        {AnchorGrow | AnchorLowerHalf, 0, 7, {10, 23, 30, 44}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(AnchorLayout::applyAnchor(r, c.flags, c.dx, c.dy), c.expected) << c.flags;
    }
}

// Sizes given before the page is first shown count from the built size: the
// editor fits every page to its panel while they are all hidden.
TEST_F(AnchoredPage, SizesGivenWhileHiddenApplyWhenShown) {
    const QRect label = at(IDC_LABEL);
    const QRect name = at(IDC_NAME);
    const QRect notes = at(IDC_NOTES);
    const QRect ok = at(IDC_OK);
    ASSERT_EQ(page->size(), QSize(300, 260));
    page->resize(340, 300);
    page->resize(360, 330);
    panel.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));
    EXPECT_EQ(at(IDC_LABEL), label);
    EXPECT_EQ(at(IDC_NAME), name.adjusted(0, 0, 60, 0));
    EXPECT_EQ(at(IDC_NOTES), notes.adjusted(0, 0, 60, 70));
    EXPECT_EQ(at(IDC_OK), ok.translated(60, 70));
}

// A control hidden during a resize stands right when shown again; one deleted
// leaves the layout instead of being moved after it is gone.
TEST_F(AnchoredPage, HiddenControlsFollowAndDeletedOnesLeave) {
    panel.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));
    const QRect ok = at(IDC_OK);
    auto* anchors = qobject_cast<AnchorLayout*>(page->layout());
    ASSERT_NE(anchors, nullptr);
    EXPECT_EQ(anchors->count(), 3) << "labels without anchors are not held";

    controls.widget(IDC_OK)->hide();
    page->resize(320, 280);
    controls.widget(IDC_OK)->show();
    EXPECT_EQ(at(IDC_OK), ok.translated(20, 20));

    delete controls.widget(IDC_NAME);
    EXPECT_EQ(anchors->count(), 2);
    page->resize(330, 290);
    EXPECT_EQ(at(IDC_OK), ok.translated(30, 30));
    EXPECT_EQ(anchors->flags(controls.widget(IDC_NOTES)), unsigned{AnchorGrow});
}
