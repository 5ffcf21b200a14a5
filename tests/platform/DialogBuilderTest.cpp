#include "platform/DialogBuilder.h"

#include "platform/ClickableLabel.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

enum SampleId {
    IDC_NAME_LABEL = 1000,
    IDC_NAME = 1001,
    IDC_NOTES = 1002,
    IDC_KIND = 1003,
    IDC_YEAR = 1004,
    IDC_SECRET = 1005,
    IDC_HIDDEN = 1006,
    IDC_LIST = 1007,
    IDC_FRAME = 1008,
    IDC_RADIO_A = 1009,
    IDC_RADIO_B = 1010,
    IDC_RADIO_C = 1011,
    IDC_RADIO_D = 1012,
    IDC_CHECK = 1013,
    IDC_OK = 1,
    IDC_CANCEL = 2,
};

DialogTemplate sampleTemplate() {
    return {
        .number = 0x66,
        .caption = QStringLiteral("Sample"),
        .width = 200,
        .height = 160,
        .controls =
            {
                {.id = IDC_NAME_LABEL,
                 .kind = ControlKind::StaticText,
                 .text = QStringLiteral("&Name <i>plain</i>"),
                 .rect = {7, 7, 50, 8}},
                {.id = IDC_NAME,
                 .kind = ControlKind::Edit,
                 .rect = {60, 5, 130, 12},
                 .anchors = AnchorStretchRight},
                {.id = IDC_NOTES,
                 .kind = ControlKind::MultiLineEdit,
                 .text = QStringLiteral("line 1\nline 2"),
                 .rect = {7, 20, 183, 30},
                 .style = StyleReadOnly},
                {.id = IDC_KIND,
                 .kind = ControlKind::ComboBox,
                 .rect = {7, 55, 80, 60},
                 .entries = {QStringLiteral("Interventional"), QStringLiteral("Observational")}},
                {.id = IDC_YEAR,
                 .kind = ControlKind::Edit,
                 .rect = {90, 55, 30, 12},
                 .style = StyleDigitsOnly},
                {.id = IDC_SECRET,
                 .kind = ControlKind::Edit,
                 .rect = {125, 55, 30, 12},
                 .style = StylePassword | StyleNoTabStop},
                {.id = IDC_HIDDEN,
                 .kind = ControlKind::PushButton,
                 .text = QStringLiteral("&Validate"),
                 .rect = {160, 55, 30, 12},
                 .style = StyleHidden | StyleDisabled},
                {.kind = ControlKind::StaticText,
                 .text = QStringLiteral("Plain label"),
                 .rect = {7, 70, 40, 8}},
                {.id = IDC_LIST, .kind = ControlKind::ListView, .rect = {7, 80, 183, 40}},
                {.id = IDC_FRAME,
                 .kind = ControlKind::GroupBox,
                 .text = QStringLiteral("Frame"),
                 .rect = {2, 2, 196, 125}},
                {.id = IDC_RADIO_A,
                 .kind = ControlKind::RadioButton,
                 .text = QStringLiteral("A"),
                 .rect = {7, 125, 20, 10}},
                {.id = IDC_RADIO_B,
                 .kind = ControlKind::RadioButton,
                 .text = QStringLiteral("B"),
                 .rect = {30, 125, 20, 10}},
                {.id = IDC_RADIO_C,
                 .kind = ControlKind::RadioButton,
                 .text = QStringLiteral("C"),
                 .rect = {55, 125, 20, 10},
                 .style = StyleNewGroup},
                {.id = IDC_RADIO_D,
                 .kind = ControlKind::RadioButton,
                 .text = QStringLiteral("D"),
                 .rect = {80, 125, 20, 10}},
                {.id = IDC_CHECK,
                 .kind = ControlKind::CheckBox,
                 .text = QStringLiteral("&Check"),
                 .rect = {105, 125, 40, 10}},
                {.id = IDC_OK,
                 .kind = ControlKind::DefaultPushButton,
                 .text = QStringLiteral("OK"),
                 .rect = {90, 140, 50, 14},
                 .anchors = AnchorBottomRight},
                {.id = IDC_CANCEL,
                 .kind = ControlKind::PushButton,
                 .text = QStringLiteral("Cancel"),
                 .rect = {143, 140, 50, 14},
                 .anchors = AnchorBottomRight},
            },
    };
}

class CountingButton : public QPushButton {
public:
    using QPushButton::QPushButton;
};

// Replaces push buttons, the way the styled controls do.
class ButtonFactory : public ControlFactory {
public:
    QWidget* create(const ControlTemplate& control, QWidget* parent) const override {
        if (control.kind == ControlKind::PushButton ||
            control.kind == ControlKind::DefaultPushButton) {
            ++made;
            return new CountingButton(parent);
        }
        return ControlFactory::create(control, parent);
    }
    mutable int made = 0;
};

class DialogBuilderTest : public ::testing::Test {
protected:
    DialogBuilderTest()
        : controls(DialogBuilder(factory).build(&dialog, sampleTemplate(), units)) {}

    QDialog dialog;
    ControlFactory factory;
    DialogUnits units{6, 13};
    DialogControls controls;
};

} // namespace

TEST(DialogUnits, ConvertsWithRoundingLikeTheDesktop) {
    const DialogUnits units(6, 13); // 1.5 px per x unit, 1.625 px per y unit
    EXPECT_EQ(units.toPixelsX(4), 6);
    EXPECT_EQ(units.toPixelsX(1), 2); // 1.5 rounds up
    EXPECT_EQ(units.toPixelsX(3), 5); // 4.5 rounds up
    EXPECT_EQ(units.toPixelsY(8), 13);
    EXPECT_EQ(units.toPixelsY(4), 7); // 6.5
    EXPECT_EQ(units.toPixelsY(3), 5); // 4.875
    EXPECT_EQ(units.toPixels(264, 333), QSize(396, 541));
}

TEST(DialogUnits, RectanglesConvertEdgeByEdge) {
    const DialogUnits units(6, 13);
    // Neighbours share an edge in dialog units and keep sharing it in pixels.
    const QRect left = units.toPixels(DialogRect{1, 1, 1, 1});
    const QRect right = units.toPixels(DialogRect{2, 1, 1, 1});
    EXPECT_EQ(left.x() + left.width(), right.x());
    EXPECT_EQ(units.toPixels(DialogRect{7, 7, 50, 14}), QRect(11, 11, 75, 23));
}

TEST(DialogUnits, BaseUnitsComeFromTheFont) {
    QFont font(QStringLiteral("Sans"));
    font.setPixelSize(13);
    const QFontMetrics metrics(font);
    const DialogUnits units = DialogUnits::fromFont(font);
    const int alphabet = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    EXPECT_NEAR(units.baseX(), alphabet / 52.0, 0.51);
    EXPECT_EQ(units.baseY(), metrics.height());
    QFont larger = font;
    larger.setPixelSize(26);
    EXPECT_GT(DialogUnits::fromFont(larger).baseX(), units.baseX());
}

TEST_F(DialogBuilderTest, SizesTheDialogAndPlacesControlsInPixels) {
    EXPECT_EQ(dialog.size(), QSize(300, 260));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Sample"));
    EXPECT_EQ(controls.widget(IDC_NAME)->geometry(), QRect(90, 8, 195, 20));
    EXPECT_EQ(controls.widget(IDC_OK)->geometry(), units.toPixels(DialogRect{90, 140, 50, 14}));
}

TEST_F(DialogBuilderTest, MakesTheKindsAndFindsThemById) {
    EXPECT_NE(controls.get<QLineEdit>(IDC_NAME), nullptr);
    EXPECT_NE(controls.get<QPlainTextEdit>(IDC_NOTES), nullptr);
    EXPECT_NE(controls.get<QComboBox>(IDC_KIND), nullptr);
    EXPECT_NE(controls.get<QTreeWidget>(IDC_LIST), nullptr);
    EXPECT_NE(controls.get<QGroupBox>(IDC_FRAME), nullptr);
    EXPECT_NE(controls.get<QRadioButton>(IDC_RADIO_A), nullptr);
    EXPECT_NE(controls.get<QCheckBox>(IDC_CHECK), nullptr);
    EXPECT_EQ(controls.get<QLineEdit>(IDC_NOTES), nullptr);
    EXPECT_EQ(controls.widget(4242), nullptr);
    EXPECT_EQ(DialogControls::idOf(controls.widget(IDC_KIND)), IDC_KIND);
    EXPECT_EQ(controls.widget(IDC_KIND)->parent(), &dialog);
}

TEST_F(DialogBuilderTest, AppliesTextsEntriesAndStyles) {
    auto* label = controls.get<QLabel>(IDC_NAME_LABEL);
    EXPECT_EQ(label->textFormat(), Qt::PlainText);
    EXPECT_EQ(label->buddy(), controls.widget(IDC_NAME));
    EXPECT_EQ(controls.get<QPlainTextEdit>(IDC_NOTES)->toPlainText(),
              QStringLiteral("line 1\nline 2"));
    EXPECT_TRUE(controls.get<QPlainTextEdit>(IDC_NOTES)->isReadOnly());
    EXPECT_FALSE(controls.get<QLineEdit>(IDC_NAME)->isReadOnly());

    auto* combo = controls.get<QComboBox>(IDC_KIND);
    EXPECT_FALSE(combo->isEditable());
    EXPECT_EQ(combo->count(), 2);
    EXPECT_EQ(combo->currentIndex(), -1);
    EXPECT_EQ(combo->itemText(1), QStringLiteral("Observational"));

    auto* year = controls.get<QLineEdit>(IDC_YEAR);
    ASSERT_NE(year->validator(), nullptr);
    QString typed = QStringLiteral("20a0");
    int position = 0;
    EXPECT_EQ(year->validator()->validate(typed, position), QValidator::Invalid);
    typed = QStringLiteral("2010");
    EXPECT_EQ(year->validator()->validate(typed, position), QValidator::Acceptable);
    EXPECT_EQ(controls.get<QLineEdit>(IDC_SECRET)->echoMode(), QLineEdit::Password);

    dialog.show();
    EXPECT_FALSE(controls.widget(IDC_HIDDEN)->isVisible());
    EXPECT_FALSE(controls.widget(IDC_HIDDEN)->isEnabled());
    EXPECT_TRUE(controls.widget(IDC_NAME)->isVisible());
    EXPECT_TRUE(controls.get<QPushButton>(IDC_OK)->isDefault());
    EXPECT_FALSE(controls.get<QPushButton>(IDC_CANCEL)->isDefault());
}

TEST_F(DialogBuilderTest, TabOrderFollowsTheTable) {
    // Controls that take the focus, in table order; the no-tab-stop edit is skipped.
    const std::vector<int> expected = {
        IDC_NAME,    IDC_NOTES,   IDC_KIND,    IDC_YEAR,  IDC_HIDDEN, IDC_LIST,  IDC_RADIO_A,
        IDC_RADIO_B, IDC_RADIO_C, IDC_RADIO_D, IDC_CHECK, IDC_OK,     IDC_CANCEL};
    QWidget* widget = controls.widget(expected.front());
    for (std::size_t i = 1; i < expected.size(); ++i) {
        do {
            widget = widget->nextInFocusChain();
        } while ((widget->focusPolicy() & Qt::TabFocus) == 0 || DialogControls::idOf(widget) == -1);
        EXPECT_EQ(DialogControls::idOf(widget), expected[i]) << "position " << i;
    }
    EXPECT_EQ(controls.widget(IDC_SECRET)->focusPolicy(), Qt::ClickFocus);
}

TEST_F(DialogBuilderTest, GroupBoxesStayBehindAndLetClicksThrough) {
    QWidget* frame = controls.widget(IDC_FRAME);
    const QObjectList children = dialog.children();
    const auto firstWidget = std::find_if(children.begin(), children.end(),
                                          [](QObject* child) { return child->isWidgetType(); });
    EXPECT_EQ(*firstWidget, frame);
    EXPECT_TRUE(frame->testAttribute(Qt::WA_TransparentForMouseEvents));
    EXPECT_EQ(frame->focusPolicy(), Qt::NoFocus);
}

TEST_F(DialogBuilderTest, RadioButtonsFormAGroupPerRun) {
    auto* a = controls.get<QRadioButton>(IDC_RADIO_A);
    auto* b = controls.get<QRadioButton>(IDC_RADIO_B);
    auto* c = controls.get<QRadioButton>(IDC_RADIO_C);
    auto* d = controls.get<QRadioButton>(IDC_RADIO_D);
    a->setChecked(true);
    c->setChecked(true);
    EXPECT_TRUE(a->isChecked()) << "a new group must not clear the previous one";
    b->setChecked(true);
    EXPECT_FALSE(a->isChecked());
    EXPECT_TRUE(c->isChecked());
    d->setChecked(true);
    EXPECT_FALSE(c->isChecked());
    EXPECT_TRUE(b->isChecked());
}

TEST(DialogBuilder, FactoryHookMakesTheReplacedKinds) {
    QDialog dialog;
    ButtonFactory factory;
    const DialogControls controls =
        DialogBuilder(factory).build(&dialog, sampleTemplate(), DialogUnits(6, 13));
    EXPECT_EQ(factory.made, 3);
    auto* ok = dynamic_cast<CountingButton*>(controls.widget(IDC_OK));
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->text(), QStringLiteral("OK"));
    EXPECT_TRUE(ok->isDefault());
    EXPECT_EQ(dynamic_cast<CountingButton*>(controls.widget(IDC_NAME)), nullptr);
}

TEST(DialogBuilder, LabelWithoutAFocusableNeighbourLosesItsMnemonic) {
    QDialog dialog;
    ControlFactory factory;
    const DialogControls controls = DialogBuilder(factory).build(
        &dialog, {.controls = {{.id = 7, .text = QStringLiteral("R&&D &Notes")}}});
    EXPECT_EQ(controls.get<QLabel>(7)->text(), QStringLiteral("R&D Notes"));
    EXPECT_EQ(DialogBuilder::withoutMnemonic(QStringLiteral("&Open")), QStringLiteral("Open"));
}

TEST(DialogBuilder, NotifyingPicturesReportClicks) {
    QDialog dialog;
    ControlFactory factory;
    const DialogControls controls =
        DialogBuilder(factory).build(&dialog,
                                     {.controls = {{.id = 1121,
                                                    .kind = ControlKind::Picture,
                                                    .rect = {235, 7, 11, 10},
                                                    .style = StyleNotify},
                                                   {.id = 1122, .kind = ControlKind::Picture}}},
                                     DialogUnits(6, 13));
    auto* marker = controls.get<ClickableLabel>(1121);
    ASSERT_NE(marker, nullptr);
    EXPECT_EQ(controls.get<ClickableLabel>(1122), nullptr);
    QSignalSpy clicks(marker, &ClickableLabel::clicked);
    QTest::mouseClick(marker, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(clicks.count(), 1);
    // Released outside the marker: no click.
    QTest::mousePress(marker, Qt::LeftButton, {}, QPoint(3, 3));
    QTest::mouseRelease(marker, Qt::LeftButton, {}, QPoint(100, 100));
    EXPECT_EQ(clicks.count(), 1);
}
