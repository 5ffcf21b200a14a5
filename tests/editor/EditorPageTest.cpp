#include "editor/EditorPage.h"

#include "EditorTestSupport.h"
#include "controls/CXPGroupBox.h"
#include "editor/ComboText.h"
#include "editor/EditorSection.h"
#include "editor/HelpMarkers.h"
#include "model/CollectionFile.h"
#include "model/FieldValue.h"
#include "names/NamesAndAddresses.h"
#include "model/StudyRecord.h"
#include "model/TextBlock.h"
#include "platform/AnchorLayout.h"
#include "platform/ClickableLabel.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <map>
#include <set>

namespace {

// A page of every kind of control, with two markers and one exempt box.
class SamplePage : public EditorPage {
public:
    enum {
        IDC_GROUP = 5100,
        IDC_LINE = 10,
        IDC_NOTES = 11,
        IDC_OTHER_NOTES = 12,
        IDC_CHOICE = 13,
        IDC_BUTTON = 14,
        IDC_LAST = 15
    };

    explicit SamplePage(QWidget* parent = nullptr) : EditorPage(parent) {
        buildPage(pageTemplate(
            600,
            {
                {.id = IDC_GROUP,
                 .kind = ControlKind::GroupBox,
                 .text = "Sample",
                 .rect = {4, 2, 254, 327},
                 .anchors = AnchorGrow},
                {.id = IDC_LINE, .kind = ControlKind::Edit, .rect = {10, 20, 200, 12}},
                marker(1121, 10, "PrimaryId"),
                {.id = IDC_NOTES, .kind = ControlKind::MultiLineEdit, .rect = {10, 40, 200, 30}},
                {.id = IDC_OTHER_NOTES,
                 .kind = ControlKind::MultiLineEdit,
                 .rect = {10, 80, 200, 30}},
                {.id = IDC_CHOICE,
                 .kind = ControlKind::ComboBox,
                 .rect = {10, 120, 200, 12},
                 .entries = {"Active Comparator", "Placebo Comparator", "Active"}},
                {.id = IDC_BUTTON,
                 .kind = ControlKind::PushButton,
                 .text = "&Add",
                 .rect = {10, 140, 50, 14}},
                {.id = IDC_LAST, .kind = ControlKind::Edit, .rect = {10, 160, 200, 12}},
                marker(1184, 300, "Locations"),
            }));
        addEnterExempt(IDC_NOTES);
        bind(IDC_LINE, [](StudyRecord& r) -> FieldValue& { return r.brief_title; });
        bind(IDC_NOTES, [](StudyRecord& r) -> FieldValue& { return r.official_title; });
        bind(IDC_OTHER_NOTES, [](StudyRecord& r) -> TextBlock& { return r.brief_summary; });
        bind(IDC_CHOICE, [](StudyRecord& r) -> FieldValue& { return r.study_design.study_type; });
    }

    void onLoad(StudyRecord&) override { ++loads; }
    void onStore(StudyRecord&) override { ++stores; }

    using EditorPage::displayedText;
    using EditorPage::text;
    int loads = 0;
    int stores = 0;
};

class EditorPageTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.resize(600, 700);
        page = new SamplePage(&window);
        // Like the editor's OK, a button of the window after the page.
        (new QPushButton(QStringLiteral("OK"), &window))->move(0, 650);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    template <class T> T* get(int id) { return page->control<T>(id); }

    QWidget window;
    SamplePage* page = nullptr;
};

QString definitionsPage() {
    return QString::fromUtf8(names::kDefinitionsPage.data(),
                             static_cast<qsizetype>(names::kDefinitionsPage.size()));
}

} // namespace

// Every marker of every section's page names a definition; a marker id that
// two pages share names the same one.
TEST(HelpMarkersTable, EveryMarkerOfEveryPageHasAKey) {
    QWidget panel;
    std::map<int, QString> keyOf;
    for (const EditorSection& section : editorSections()) {
        EditorPage* page = section.makePage(&panel);
        for (int id = HelpMarkers::kFirstId; id <= HelpMarkers::kLastId; ++id) {
            if (page->control(id) == nullptr) {
                EXPECT_TRUE(page->helpKey(id).isEmpty()) << id;
                continue;
            }
            EXPECT_FALSE(page->helpKey(id).isEmpty()) << section.label << " " << id;
            const auto [known, added] = keyOf.emplace(id, page->helpKey(id));
            EXPECT_EQ(known->second, page->helpKey(id)) << id;
        }
        EXPECT_TRUE(page->helpKey(1120).isEmpty());
        EXPECT_TRUE(page->helpKey(1189).isEmpty());
    }
    EXPECT_EQ(keyOf.size(), std::size_t(HelpMarkers::kLastId - HelpMarkers::kFirstId + 1));
    std::set<QString> keys;
    for (const auto& [id, key] : keyOf) {
        keys.insert(key);
    }
    EXPECT_EQ(keys.size(), 63u) << "five pairs of markers share a key";
    // Spot checks where a marker could have been given its neighbour's key.
    const std::map<int, QString> expected = {{1121, "PrimaryId"},
                                             {1128, "SecondaryIds"},
                                             {1129, "delayedPosting"},
                                             {1133, "HasExpandedAccess"},
                                             {1134, "HasExpandedAccess"},
                                             {1135, "section801"},
                                             {1153, "LastFollowUpDate"},
                                             {1167, "IntEnrollment"},
                                             {1176, "EligibilityMinAge"},
                                             {1186, "ExpandedAccessStatus"},
                                             {1188, "Links"}};
    for (const auto& [id, key] : expected) {
        EXPECT_EQ(keyOf[id], key) << id;
    }
}

TEST(HelpMarkersTable, MarkersBesideBottomListsStayAtTheBottomRight) {
    const std::set<int> bottomRight = {1167, 1168, 1174, 1183, 1184, 1187, 1188};
    for (int id = HelpMarkers::kFirstId; id <= HelpMarkers::kLastId; ++id) {
        EXPECT_EQ(HelpMarkers::anchorFlags(id), bottomRight.count(id) != 0
                                                    ? unsigned(AnchorBottomRight)
                                                    : unsigned(AnchorMoveRight))
            << id;
    }
}

// A drop-down shows whatever the record holds and gives it back unchanged: no
// prefix or letter-case match turns "Randomized" into another entry.
TEST(ComboTextMatching, ExactEntriesAndValuesOutsideTheListSurviveUnchanged) {
    QComboBox box;
    box.addItems({"Randomized Controlled Trial", "Non-randomized Trial", "N/A", "Yes"});
    struct Case {
        QString stored;
        int index;
        bool listed;
    };
    for (const Case& c : {Case{"Randomized", 4, false}, Case{"yes", 4, false}, Case{"Yes", 3, true},
                          Case{"None", 4, false}, Case{"", -1, false}, Case{"N/A", 2, true}}) {
        EXPECT_EQ(ComboText::select(box, c.stored), c.listed) << c.stored.toStdString();
        EXPECT_EQ(box.currentIndex(), c.index) << c.stored.toStdString();
        EXPECT_EQ(box.count(), c.index == 4 ? 5 : 4) << "one entry for the value, none kept after";
        FieldValue field("old");
        ComboText::store(box, field);
        EXPECT_EQ(field.displayText(), c.stored.toStdString());
    }
    // Picking an entry of the list stores that entry.
    ComboText::select(box, "Randomized");
    box.setCurrentIndex(0);
    EXPECT_EQ(ComboText::currentModelText(box), "Randomized Controlled Trial");
}

TEST_F(EditorPageTest, WhiteLookAndMarkerAnchorsForEveryId) {
    EXPECT_EQ(page->palette().color(QPalette::Window), QColor(Qt::white));
    EXPECT_TRUE(page->autoFillBackground());
    EXPECT_EQ(get<CXPGroupBox>(SamplePage::IDC_GROUP)->fillColour(), QColor(Qt::white));

    // Each marker is held once by the page's layout, with its own flags.
    auto* anchors = qobject_cast<AnchorLayout*>(page->layout());
    ASSERT_NE(anchors, nullptr);
    std::map<const QWidget*, int> registrations;
    for (int i = 0; i < anchors->count(); ++i) {
        ++registrations[anchors->itemAt(i)->widget()];
    }
    for (int id : {1121, 1184}) {
        EXPECT_EQ(registrations[get<QWidget>(id)], 1) << id;
        EXPECT_EQ(anchors->flags(get<QWidget>(id)), HelpMarkers::anchorFlags(id)) << id;
    }
    // Markers stand at x = 235 dialog units, level with their label.
    auto* marker = get<ClickableLabel>(1121);
    ASSERT_NE(marker, nullptr);
    EXPECT_FALSE(marker->pixmap().isNull());
    EXPECT_GT(marker->x(), get<QLineEdit>(SamplePage::IDC_LINE)->geometry().right());
}

TEST_F(EditorPageTest, MarkersMoveWithTheirFlagsWhenThePageGrows) {
    const QPoint right = get<QWidget>(1121)->pos();
    const QPoint bottomRight = get<QWidget>(1184)->pos();
    page->resize(page->size() + QSize(50, 30));
    EXPECT_EQ(get<QWidget>(1121)->pos(), right + QPoint(50, 0));
    EXPECT_EQ(get<QWidget>(1184)->pos(), bottomRight + QPoint(50, 30));
}

TEST_F(EditorPageTest, MarkerClickShowsTheDefinitionInTheHelpWindow) {
    FakeHelpBrowser help;
    QTest::mouseClick(get<QWidget>(1184), Qt::LeftButton); // no help window yet: nothing
    page->setHelpWindow(&help);
    QTest::mouseClick(get<QWidget>(1184), Qt::LeftButton);
    QTest::mouseClick(get<QWidget>(1121), Qt::LeftButton);
    EXPECT_EQ(help.navigations,
              (QStringList{definitionsPage() + "#Locations", definitionsPage() + "#PrimaryId"}));
    EXPECT_EQ(help.shows, 2);
    EXPECT_EQ(get<QWidget>(1121)->cursor().shape(), Qt::ArrowCursor);
    EXPECT_TRUE(get<QWidget>(1121)->toolTip().isEmpty());
}

TEST_F(EditorPageTest, EnterAndEscapeMoveTheFocusExceptEnterInExemptBoxes) {
    auto* line = get<QLineEdit>(SamplePage::IDC_LINE);
    auto* notes = get<QPlainTextEdit>(SamplePage::IDC_NOTES);
    auto* other = get<QPlainTextEdit>(SamplePage::IDC_OTHER_NOTES);
    auto* choice = get<QComboBox>(SamplePage::IDC_CHOICE);
    auto* button = get<QPushButton>(SamplePage::IDC_BUTTON);
    int clicks = 0;
    QObject::connect(button, &QPushButton::clicked, [&clicks] { ++clicks; });

    line->setFocus();
    QTest::keyClick(line, Qt::Key_Enter); // the keypad key too
    EXPECT_EQ(QApplication::focusWidget(), notes);
    QTest::keyClick(notes, Qt::Key_Return);
    EXPECT_EQ(notes->toPlainText(), QStringLiteral("\n"));
    EXPECT_EQ(QApplication::focusWidget(), notes);
    QTest::keyClick(notes, Qt::Key_Escape);
    EXPECT_EQ(QApplication::focusWidget(), other);
    QTest::keyClick(other, Qt::Key_Return); // multi-line, but not exempt
    EXPECT_EQ(other->toPlainText(), QString());
    EXPECT_EQ(QApplication::focusWidget(), choice);
    QTest::keyClick(choice, Qt::Key_Escape);
    EXPECT_EQ(QApplication::focusWidget(), button);
    QTest::keyClick(button, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), get<QWidget>(SamplePage::IDC_LAST));
    EXPECT_EQ(clicks, 0);
    // At the page's last control both keys wrap to its first: the focus never
    // reaches the editor's buttons, where Enter would be OK and Escape Cancel.
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        get<QWidget>(SamplePage::IDC_LAST)->setFocus();
        QTest::keyClick(get<QWidget>(SamplePage::IDC_LAST), key);
        EXPECT_EQ(QApplication::focusWidget(), line);
    }
    EXPECT_TRUE(page->isVisible());
}

TEST_F(EditorPageTest, KeysOfControlsAddedLaterFollowTheRule) {
    auto* late = new QLineEdit(page);
    late->show();
    late->setFocus();
    QTest::keyClick(late, Qt::Key_Escape);
    EXPECT_NE(QApplication::focusWidget(), late);
    EXPECT_TRUE(page->isVisible());
}

TEST_F(EditorPageTest, TextsPassThroughTheCodecBothWays) {
    StudyRecord record;
    record.brief_title.setText("Caf\xc3\xa9 \xff raw");
    record.official_title.setText("first\r\nsecond");
    record.brief_summary.setText("a\r\nb\r\n");
    record.study_design.study_type.setText("placebo");
    page->store(); // before any load: no record, nothing happens
    EXPECT_EQ(page->stores, 0);

    page->load(record);
    EXPECT_EQ(page->record(), &record);
    EXPECT_EQ(page->displayedText(SamplePage::IDC_LINE).left(5), QString::fromUtf8("Caf\xc3\xa9 "));
    EXPECT_EQ(get<QPlainTextEdit>(SamplePage::IDC_NOTES)->toPlainText(), "first\nsecond");
    EXPECT_EQ(get<QComboBox>(SamplePage::IDC_CHOICE)->currentText(), "placebo");

    // Untouched, nothing changes, not even a value the list does not have.
    const std::string before = CollectionFile::recordText(record);
    page->store();
    EXPECT_EQ(CollectionFile::recordText(record), before);

    // Edited, the texts go back through the codec: bytes survive, line breaks
    // become markers.
    auto* lineEdit = get<QLineEdit>(SamplePage::IDC_LINE);
    lineEdit->setText(lineEdit->text() + " more");
    get<QPlainTextEdit>(SamplePage::IDC_NOTES)->setPlainText("first\nsecond\nthird");
    get<QComboBox>(SamplePage::IDC_CHOICE)->setCurrentIndex(1);
    page->store();
    EXPECT_EQ(record.brief_title.displayText(), "Caf\xc3\xa9 \xff raw more") << "bytes survive";
    EXPECT_EQ(record.official_title.xmlText(), "first&#xd;second&#xd;third");
    EXPECT_EQ(record.brief_summary.text(), "a\r\nb\r\n");
    EXPECT_EQ(record.study_design.study_type.displayText(), "Placebo Comparator");

    // A long line shows its beginning; a reload of the same text keeps the
    // user's cursor.
    auto* line = get<QLineEdit>(SamplePage::IDC_LINE);
    record.brief_title.setText(std::string(500, 'w') + " end");
    page->load(record);
    EXPECT_EQ(line->cursorPosition(), 0);
    line->setCursorPosition(7);
    page->load(record);
    EXPECT_EQ(line->cursorPosition(), 7);

    get<QPlainTextEdit>(SamplePage::IDC_NOTES)->setPlainText("x\ny");
    EXPECT_EQ(page->text(SamplePage::IDC_NOTES), "x\r\ny");
    EXPECT_EQ(page->text(4242), "") << "unknown ids read as empty";
}
