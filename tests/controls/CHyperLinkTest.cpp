#include "controls/CHyperLink.h"

#include "controls/StyledControlFactory.h"
#include "platform/DialogBuilder.h"
#include "platform/TestPlatform.h"

#include <QApplication>
#include <QEnterEvent>
#include <QImage>
#include <QTest>
#include <gtest/gtest.h>

// Readable colours in failure messages; defined beside the button tests.
void PrintTo(const QColor& colour, std::ostream* out);

namespace {

// A link whose failure sound can be counted.
class ListeningLink : public CHyperLink {
public:
    using CHyperLink::CHyperLink;
    int beeps = 0;

protected:
    void beep() override { ++beeps; }
};

class CHyperLinkTest : public ::testing::Test {
protected:
    CHyperLinkTest() {
        window.resize(300, 120);
        link = new ListeningLink(QStringLiteral("Example site"), QString(), &window);
        link->setGeometry(10, 10, 200, 40);
        other = new CHyperLink(QStringLiteral("other"), QStringLiteral("x"), &window);
        other->setGeometry(10, 60, 100, 20);
    }

    void showActive() {
        window.show();
        QApplication::setActiveWindow(&window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    void hover() {
        QEnterEvent enter(QPointF(2, 2), QPointF(12, 12), QPointF(12, 12));
        QApplication::sendEvent(link, &enter);
    }
    QString shownMessage() {
        return platform.prompts().shown().empty() ? QString() : platform.prompts().last().text;
    }
    // Whether the drawn link has a pixel in exactly `colour` (its underline is one).
    bool drawnIn(const QColor& colour) const {
        const QImage image = link->grab().toImage();
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (image.pixelColor(x, y) == colour) {
                    return true;
                }
            }
        }
        return false;
    }

    TestPlatform platform;
    QWidget window;
    ListeningLink* link;
    CHyperLink* other;
};

} // namespace

TEST(CHyperLinkColours, HoverThenActiveThenVisitedOrLink) {
    const unsigned plain = CHyperLink::kDefaultOptions;
    const unsigned withHover = plain | CHyperLink::HoverColour;
    const unsigned noActive = plain | CHyperLink::NoActiveColour;
    EXPECT_EQ(CHyperLink::colourFor(plain, false, false, false), QColor(0, 0, 255));
    EXPECT_EQ(CHyperLink::colourFor(plain, false, false, true), QColor(128, 0, 128));
    EXPECT_EQ(CHyperLink::colourFor(plain, false, true, true), QColor(0, 128, 128));
    EXPECT_EQ(CHyperLink::colourFor(plain, true, false, false), QColor(0, 0, 255))
        << "no hover colour unless asked for";
    EXPECT_EQ(CHyperLink::colourFor(withHover, true, true, true), QColor(255, 0, 0));
    EXPECT_EQ(CHyperLink::colourFor(noActive, false, true, false), QColor(0, 0, 255));
    EXPECT_EQ(CHyperLink::colourFor(noActive, false, true, true), QColor(128, 0, 128));
}

TEST(CHyperLinkFit, TheContentsShrinkTowardsTheAlignment) {
    const QRect contents(10, 20, 100, 30);
    const QSize text(40, 10);
    EXPECT_EQ(CHyperLink::fittedRect(contents, text, Qt::AlignLeft | Qt::AlignTop),
              QRect(10, 20, 40, 10));
    EXPECT_EQ(CHyperLink::fittedRect(contents, text, Qt::AlignHCenter | Qt::AlignTop),
              QRect(40, 20, 40, 10));
    EXPECT_EQ(CHyperLink::fittedRect(contents, text, Qt::AlignRight | Qt::AlignVCenter),
              QRect(70, 30, 40, 10));
    EXPECT_EQ(CHyperLink::fittedRect(contents, QSize(140, 10), Qt::AlignHCenter),
              QRect(-10, 20, 140, 10))
        << "a longer text grows both ways";
}

TEST_F(CHyperLinkTest, AttachTakesTheTextAsAddressAndFitsTheLink) {
    EXPECT_EQ(link->address(), QStringLiteral("Example site")) << "before attach too";
    link->attach();
    EXPECT_EQ(link->address(), QStringLiteral("Example site"));
    EXPECT_EQ(link->toolTip(), QStringLiteral("Example site"));
    EXPECT_TRUE(link->font().underline());
    EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
    const QSize text = QFontMetrics(link->font()).size(0, link->text());
    EXPECT_EQ(link->geometry(), QRect(QPoint(10, 10), text));
    EXPECT_TRUE(drawnIn(CHyperLink::linkColour()));

    other->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    other->setGeometry(10, 60, 100, 40);
    other->attach();
    const QSize otherText = QFontMetrics(other->font()).size(0, other->text());
    EXPECT_EQ(other->geometry().right(), 109);
    EXPECT_EQ(other->geometry().center().y(), 79);
    EXPECT_EQ(other->size(), otherText);

    CHyperLink empty(QString(), QStringLiteral("https://example.org/"), &window);
    empty.attach();
    EXPECT_EQ(empty.text(), QStringLiteral("https://example.org/"));
}

TEST_F(CHyperLinkTest, AddressAndTextChangesKeepTooltipAndFit) {
    link->attach();
    link->setAddress(QStringLiteral("https://example.org/page"));
    EXPECT_EQ(link->toolTip(), QStringLiteral("https://example.org/page"));
    link->setText(QStringLiteral("A much longer text than before"));
    EXPECT_EQ(link->width(), QFontMetrics(link->font()).size(0, link->text()).width());
    EXPECT_EQ(link->address(), QStringLiteral("https://example.org/page"));
    EXPECT_EQ(link->x(), 10);
}

TEST_F(CHyperLinkTest, OptionsTurnOffUnderlineCursorAndFit) {
    link->setOptions(CHyperLink::FocusOnClick | CHyperLink::NoHandCursor);
    link->attach();
    EXPECT_FALSE(link->font().underline());
    EXPECT_EQ(link->cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(link->geometry(), QRect(10, 10, 200, 40));
    link->setText(QStringLiteral("x"));
    EXPECT_EQ(link->geometry(), QRect(10, 10, 200, 40));
}

TEST_F(CHyperLinkTest, AnUnattachedLinkAttachesBeforeItIsShown) {
    link->setAddress(QStringLiteral("https://example.org/"));
    window.show();
    EXPECT_TRUE(link->isAttached());
    EXPECT_EQ(link->toolTip(), QStringLiteral("https://example.org/"));
    EXPECT_EQ(link->text(), QStringLiteral("Example site"));
}

TEST_F(CHyperLinkTest, AClickOpensTheAddressAndMarksTheLinkVisited) {
    link->attach();
    QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(platform.shell().opened(), QStringList{QStringLiteral("Example site")});
    EXPECT_TRUE(link->isVisited());
    EXPECT_EQ(link->textColour(), CHyperLink::activeColour()) << "still pressed";
    other->setFocus();
    link->clearFocus();
    QFocusEvent out(QEvent::FocusOut);
    QApplication::sendEvent(link, &out);
    EXPECT_EQ(link->textColour(), CHyperLink::visitedColour());
    EXPECT_TRUE(drawnIn(CHyperLink::visitedColour()));

    platform.shell().setResult(ShellResult::NoAssociation);
    platform.prompts().answerMessage(MessageAnswer::Ok);
    link->open();
    EXPECT_TRUE(link->isVisited()) << "a later failure does not undo it";
}

TEST_F(CHyperLinkTest, PressAndReleaseFollowTheOptions) {
    link->attach();
    QTest::mousePress(link, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_TRUE(platform.shell().opened().isEmpty()) << "opens on release";
    QTest::mouseRelease(link, Qt::LeftButton, {}, QPoint(500, 3));
    EXPECT_TRUE(platform.shell().opened().isEmpty()) << "released off the link";

    link->setOptions(CHyperLink::kDefaultOptions | CHyperLink::OpenOnPress);
    QTest::mousePress(link, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(platform.shell().opened().size(), 1);
    QTest::mouseRelease(link, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(platform.shell().opened().size(), 1);
    QTest::mouseClick(link, Qt::RightButton, {}, QPoint(3, 3));
    EXPECT_EQ(platform.shell().opened().size(), 1);
}

TEST_F(CHyperLinkTest, AClickTakesTheFocusOnlyWithFocusOnClick) {
    link->attach();
    showActive();
    other->setFocus();
    link->setOptions(CHyperLink::Underline);
    QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_FALSE(link->hasFocus());
    link->setOptions(CHyperLink::kDefaultOptions);
    QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_TRUE(link->hasFocus());
}

TEST_F(CHyperLinkTest, FocusMakesTheLinkActiveUntilItLeaves) {
    link->attach();
    showActive();
    link->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(link->hasFocus());
    EXPECT_TRUE(link->isActive());
    EXPECT_EQ(link->textColour(), CHyperLink::activeColour());
    EXPECT_TRUE(drawnIn(CHyperLink::activeColour()));
    hover();
    other->setFocus(Qt::TabFocusReason);
    EXPECT_FALSE(link->isActive());
    EXPECT_FALSE(link->isOver());
    EXPECT_EQ(link->textColour(), CHyperLink::linkColour());

    link->setOptions(CHyperLink::kDefaultOptions | CHyperLink::NoActiveColour);
    link->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(link->textColour(), CHyperLink::linkColour());
}

TEST_F(CHyperLinkTest, SpaceOpensOtherKeysDoNot) {
    link->attach();
    showActive();
    link->setFocus(Qt::TabFocusReason);
    QTest::keyClick(link, Qt::Key_Return);
    QTest::keyClick(link, Qt::Key_A);
    EXPECT_TRUE(platform.shell().opened().isEmpty());
    QTest::keyClick(link, Qt::Key_Space);
    EXPECT_EQ(platform.shell().opened(), QStringList{QStringLiteral("Example site")});
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), true);
    QApplication::sendEvent(link, &repeat);
    EXPECT_EQ(platform.shell().opened().size(), 1) << "a held key opens once";
}

TEST_F(CHyperLinkTest, HoverColourOnlyWhenAskedFor) {
    link->attach();
    hover();
    EXPECT_TRUE(link->isOver());
    EXPECT_EQ(link->textColour(), CHyperLink::linkColour());
    link->setOptions(CHyperLink::kDefaultOptions | CHyperLink::HoverColour);
    EXPECT_EQ(link->textColour(), CHyperLink::hoverColour());
    EXPECT_TRUE(drawnIn(CHyperLink::hoverColour()));
    QMouseEvent away(QEvent::MouseMove, QPointF(link->width() + 20, 2),
                     QPointF(link->width() + 30, 12), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(link, &away);
    EXPECT_FALSE(link->isOver());
    EXPECT_EQ(link->textColour(), CHyperLink::linkColour());
    hover();
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(link, &leave);
    EXPECT_FALSE(link->isOver());
}

TEST_F(CHyperLinkTest, AFailedOpenBeepsOnceAndSaysWhy) {
    link->attach();
    platform.shell().setResult(ShellResult::NoAssociation);
    platform.prompts().answerMessage(MessageAnswer::Ok);
    EXPECT_FALSE(link->open());
    EXPECT_EQ(link->beeps, 1);
    ASSERT_EQ(platform.prompts().shown().size(), 1u);
    const ScriptedPrompts::Record& shown = platform.prompts().last();
    EXPECT_EQ(shown.caption, QStringLiteral("Protoscribe"));
    EXPECT_EQ(shown.icon, MessageIcon::Warning);
    EXPECT_EQ(shown.buttons, MessageButtons::Ok);
    EXPECT_EQ(shown.text, QStringLiteral("Can't open link:\n\nThere is no application associated\n"
                                         "with the given filename extension."));
    EXPECT_FALSE(link->isVisited());
    EXPECT_EQ(link->textColour(), CHyperLink::linkColour());

    platform.shell().setResult(12);
    platform.prompts().answerMessage(MessageAnswer::Ok);
    QTest::keyClick(link, Qt::Key_Space);
    EXPECT_EQ(link->beeps, 2);
    EXPECT_EQ(shownMessage(), QStringLiteral("Can't open link:\n\nUnknown Error (12) occurred."));
}

TEST(CHyperLinkTemplate, TheStyledFactoryMakesLinksThatOpenTheirText) {
    TestPlatform platform;
    QWidget dialog;
    StyledControlFactory factory;
    const DialogControls controls = DialogBuilder(factory).build(
        &dialog, {.controls = {
                      {.id = 5,
                       .kind = ControlKind::HyperLink,
                       .text = QStringLiteral("https://example.org/mesh"),
                       .rect = {10, 10, 150, 10}},
                  }});
    CHyperLink* link = controls.get<CHyperLink>(5);
    ASSERT_NE(link, nullptr);
    dialog.show();
    EXPECT_EQ(link->toolTip(), QStringLiteral("https://example.org/mesh"));
    EXPECT_TRUE(link->open());
    EXPECT_EQ(platform.shell().opened(), QStringList{QStringLiteral("https://example.org/mesh")});
}
