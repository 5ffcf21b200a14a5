#include "controls/CXPButton.h"

#include <QApplication>
#include <QEnterEvent>
#include <QImage>
#include <QTest>
#include <gtest/gtest.h>

// Readable colours in failure messages.
void PrintTo(const QColor& colour, std::ostream* out) {
    *out << "rgb(" << colour.red() << ", " << colour.green() << ", " << colour.blue() << ")";
}

namespace {

QColor rgb(int red, int green, int blue) {
    return QColor(red, green, blue);
}

// A button of 80 x 24 pixels in a shown window; the inner area is rows and
// columns 2..77 x 2..21 (20 rows high).
class CXPButtonPaint : public ::testing::Test {
protected:
    CXPButtonPaint() {
        window.resize(200, 100);
        button = new CXPButton(&window);
        button->setGeometry(10, 10, 80, 24);
        other = new CXPButton(QStringLiteral("Other"), &window);
        other->setGeometry(100, 10, 80, 24);
        window.show();
    }

    QColor pixel(int x, int y) const { return button->grab().toImage().pixelColor(x, y); }
    QColor gradientAt(int row, bool hovered, bool strong) const {
        return CXPButton::gradientColours(
            button->baseColour(), hovered,
            strong)[static_cast<std::size_t>(CXPButton::gradientIndex(row - 2, 20))];
    }
    void hover() {
        QEnterEvent enter(QPointF(5, 5), QPointF(15, 15), QPointF(15, 15));
        QApplication::sendEvent(button, &enter);
    }
    void leave() {
        QEvent leaveEvent(QEvent::Leave);
        QApplication::sendEvent(button, &leaveEvent);
    }

    QWidget window;
    CXPButton* button;
    CXPButton* other;
};

} // namespace

TEST(CXPButtonColours, SixtyFourStepsPerState) {
    const QColor white(255, 255, 255);
    const auto normal = CXPButton::gradientColours(white, false, false);
    EXPECT_EQ(normal[0], white);
    EXPECT_EQ(normal[63], rgb(255 - 21, 255 - 21, 255 - 12));
    EXPECT_EQ(normal[14], rgb(255 - 4, 255 - 4, 255 - 2)); // truncated, not rounded
    EXPECT_EQ(CXPButton::gradientColours(white, false, true)[63], rgb(234, 234, 240));
    EXPECT_EQ(CXPButton::gradientColours(white, true, true)[63], rgb(240, 240, 234));
    EXPECT_EQ(CXPButton::gradientColours(white, true, false)[63], rgb(240, 240, 243));
    EXPECT_EQ(CXPButton::gradientColours(rgb(200, 100, 50), false, false)[30], rgb(190, 90, 44));
}

TEST(CXPButtonColours, DarkBaseColoursStopAtBlack) {
    const auto dark = CXPButton::gradientColours(rgb(10, 5, 0), false, true);
    EXPECT_EQ(dark[63], rgb(0, 0, 0));
    EXPECT_EQ(dark[30], rgb(0, 0, 0));
    EXPECT_EQ(dark[15], rgb(5, 0, 0));
}

TEST(CXPButtonColours, RowsMapOntoTheSteps) {
    EXPECT_EQ(CXPButton::gradientIndex(0, 20), 0);
    EXPECT_EQ(CXPButton::gradientIndex(10, 20), 31);
    EXPECT_EQ(CXPButton::gradientIndex(19, 20), 59);
    EXPECT_EQ(CXPButton::gradientIndex(99, 100), 62);
    EXPECT_EQ(CXPButton::gradientIndex(500, 1000), 31);
    EXPECT_EQ(CXPButton::gradientIndex(0, 0), 0);
}

TEST(CXPButtonColours, HoverWinsOverFocus) {
    EXPECT_EQ(CXPButton::rimFor(false, false), CXPButton::Rim::None);
    EXPECT_EQ(CXPButton::rimFor(false, true), CXPButton::Rim::Focus);
    EXPECT_EQ(CXPButton::rimFor(true, true), CXPButton::Rim::Hover);
}

TEST(CXPButtonCaption, AmpersandsAreNotDrawn) {
    EXPECT_EQ(CXPButton::captionText(QStringLiteral("&Open")), QStringLiteral("Open"));
    EXPECT_EQ(CXPButton::captionText(QStringLiteral("&PRS Account")),
              QStringLiteral("PRS Account"));
    CXPButton button(QStringLiteral("&Quit"));
    EXPECT_EQ(button.displayText(), QStringLiteral("Quit"));
    EXPECT_EQ(button.text(), QStringLiteral("&Quit")); // the shortcut stays
}

TEST_F(CXPButtonPaint, PlainButtonShowsTheNormalGradientAndNoRim) {
    EXPECT_EQ(pixel(0, 0), window.palette().color(QPalette::Window)) << "corner";
    EXPECT_EQ(pixel(40, 0), rgb(0, 0, 0)) << "frame";
    for (int row : {4, 8, 12, 16, 20}) {
        EXPECT_EQ(pixel(5, row), gradientAt(row, false, false)) << row;
    }
    EXPECT_EQ(pixel(2, 12), gradientAt(12, false, false)) << "no rim";
}

TEST_F(CXPButtonPaint, MouseOverShowsTheOrangeRimUntilItLeaves) {
    hover();
    EXPECT_TRUE(button->isHovered());
    EXPECT_EQ(pixel(2, 12), rgb(250, 196, 88));
    EXPECT_EQ(pixel(77, 12), rgb(251, 202, 106));
    EXPECT_EQ(pixel(40, 2), rgb(252, 210, 121));
    EXPECT_EQ(pixel(5, 12), gradientAt(12, true, false));
    leave();
    EXPECT_FALSE(button->isHovered());
    EXPECT_EQ(pixel(2, 12), gradientAt(12, false, false));
}

TEST_F(CXPButtonPaint, KeyboardFocusShowsTheBlueRimAndStrongGradient) {
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    button->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(button->hasFocus());
    EXPECT_EQ(button->rim(), CXPButton::Rim::Focus);
    EXPECT_EQ(pixel(2, 12), rgb(153, 198, 252));
    EXPECT_EQ(pixel(77, 12), rgb(162, 189, 252));
    EXPECT_EQ(pixel(5, 16), gradientAt(16, false, true));
    hover();
    EXPECT_EQ(pixel(2, 12), rgb(250, 196, 88)) << "hover wins";
}

TEST_F(CXPButtonPaint, DefaultButtonUsesTheStrongGradient) {
    button->setDefault(true);
    EXPECT_TRUE(button->strongGradient());
    EXPECT_FALSE(other->strongGradient());
    EXPECT_EQ(pixel(5, 20), gradientAt(20, false, true));
    EXPECT_NE(gradientAt(20, false, true), gradientAt(20, false, false));
}

TEST_F(CXPButtonPaint, BaseColourTintsTheGradientAndCanBeReset) {
    button->setBaseColour(true, 200, 100, 50);
    EXPECT_EQ(pixel(5, 2), rgb(200, 100, 50)) << "top row";
    EXPECT_EQ(pixel(5, 12), gradientAt(12, false, false));
    EXPECT_EQ(pixel(5, 12), rgb(200 - 10, 100 - 10, 50 - 6));
    button->setBaseColour(false, 200, 100, 50);
    EXPECT_EQ(button->baseColour(), rgb(255, 255, 255));
}
