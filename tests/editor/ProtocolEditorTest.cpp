#include "editor/ProtocolEditor.h"

#include "EditorTestSupport.h"
#include "controls/CXPGroupBox.h"
#include "editor/EditorIcons.h"
#include "editor/EditorNavigationBar.h"
#include "editor/EditorPage.h"
#include "editor/EditorSection.h"
#include "editor/TitlePage.h"
#include "model/CollectionFile.h"
#include "names/NamesAndAddresses.h"
#include "model/RecordFixtures.h"
#include "model/StudyRecord.h"
#include "platform/TestPlatform.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTest>
#include <gtest/gtest.h>
#include <algorithm>
#include <cmath>
#include <memory>

namespace {

class ProtocolEditorTest : public ::testing::Test {
protected:
    void SetUp() override {
        ProtocolEditor::setHelpWindowFactory([this](QWidget*) {
            auto help = std::make_unique<FakeHelpBrowser>();
            m_help = help.get();
            return help;
        });
        m_editor = std::make_unique<ProtocolEditor>();
        m_editor->setRecord(&record);
    }
    void TearDown() override {
        m_editor.reset();
        ProtocolEditor::setHelpWindowFactory({});
    }

    ProtocolEditor& editor() { return *m_editor; }
    TitlePage& title() { return *editor().titlePage(); }
    template <class T> T* titleControl(int id) { return title().control<T>(id); }
    bool sectionVisible(int section) {
        return editor().navigationBar()->itemAt(section)->isVisible();
    }
    // The visible sections, by their labels.
    QStringList visibleSections() {
        QStringList labels;
        for (int i = 0; i < sectionCount(); ++i) {
            if (sectionVisible(i)) {
                labels << editor().navigationBar()->itemAt(i)->label();
            }
        }
        return labels;
    }
    void clickSection(int section) {
        OutlookTabItem* item = editor().navigationBar()->itemAt(section);
        ASSERT_FALSE(item->rect().isEmpty());
        QTest::mouseClick(editor().navigationBar(), Qt::LeftButton, {}, item->rect().center());
    }
    // Runs the editor; `inside` acts while it is open.
    int run(std::function<void(ProtocolEditor*)> inside) {
        whenModal<ProtocolEditor>(std::move(inside));
        return editor().exec();
    }
    // The same with the editor as the active window, so keys reach its shortcuts.
    int runActive(std::function<void(ProtocolEditor*)> inside) {
        return run([inside = std::move(inside)](ProtocolEditor* e) {
            e->activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(e));
            inside(e);
        });
    }

    TestPlatform platform;
    StudyRecord record;
    FakeHelpBrowser* m_help = nullptr;
    std::unique_ptr<ProtocolEditor> m_editor;
};

} // namespace

TEST_F(ProtocolEditorTest, SectionsInOrderWithTheirItemWindowsAndPages) {
    ASSERT_EQ(editor().navigationBar()->itemCount(), sectionCount());
    for (int i = 0; i < sectionCount(); ++i) {
        const EditorSection& section = editorSections()[static_cast<std::size_t>(i)];
        const OutlookTabItem* item = editor().navigationBar()->itemAt(i);
        EXPECT_EQ(item->label(), section.label);
        EXPECT_EQ(item->largeImage(), section.icon);
        EXPECT_EQ(item->smallImage(), section.icon);
        EXPECT_EQ(item->window(), editor().itemWindow(i));
        EXPECT_EQ(editor().itemWindow(i)->toPlainText(), section.itemText);
        EXPECT_EQ(editor().itemWindow(i)->objectName(), QStringLiteral("control%1").arg(3002 + i));
        EXPECT_EQ(editor().page(i)->parentWidget(), editor().panel());
        EXPECT_EQ(ProtocolEditor::sectionIndex(section.label), i);
    }
    EXPECT_EQ(ProtocolEditor::sectionIndex("Results"), -1);
    EXPECT_EQ(editor().itemWindow(9)->toPlainText(), QStringLiteral("Conditions and Keywords"));
    for (const auto kind :
         {OutlookTabImageKind::Large, OutlookTabImageKind::Small,
          OutlookTabImageKind::LargeDisabled, OutlookTabImageKind::SmallDisabled}) {
        EXPECT_EQ(editor().navigationBar()->imageList(kind).count(), EditorIcons::kImageCount);
    }
    EXPECT_EQ(editor().navigationBar()->imageList(OutlookTabImageKind::Small).iconSize(),
              QSize(16, 16));
    EXPECT_EQ(editor().visiblePage(), editor().page(ProtocolEditor::sectionIndex("Title")));
    EXPECT_TRUE(editor().control(ProtocolEditor::IDC_CANCEL)->isHidden());
    EXPECT_EQ(editor().helpWindow(), m_help);
    EXPECT_EQ(m_help->hides, 1) << "created hidden";
    EXPECT_EQ(m_help->shows, 0);
    for (int i = 0; i < sectionCount(); ++i) {
        EXPECT_EQ(editor().page(i)->helpWindow(), m_help);
    }
}

TEST_F(ProtocolEditorTest, StudyTypeOffersTheDesignSectionsComparedExactly) {
    struct Case {
        const char* type;
        bool interventional, observational, outcomes, expandedAccess;
    };
    const Case cases[] = {
        {"Interventional", true, false, true, false},
        {"Observational", false, true, true, false},
        {"Expanded Access", false, false, false, true},
        {"", false, false, false, false},
        {"observational", false, false, false, false},
        {"Interventional ", false, false, false, false},
        {"expanded access", false, false, false, false},
    };
    for (const Case& c : cases) {
        record.study_design.study_type.setText(c.type);
        editor().loadAll();
        if (std::string(c.type) == "observational") {
            // The box shows the record's own text, and the rule compares it exactly.
            EXPECT_EQ(title().studyType(), QStringLiteral("observational"));
        }
        EXPECT_EQ(sectionVisible(ProtocolEditor::sectionIndex("Interventional Design")),
                  c.interventional)
            << c.type;
        EXPECT_EQ(sectionVisible(ProtocolEditor::sectionIndex("Observational Design")),
                  c.observational)
            << c.type;
        EXPECT_EQ(sectionVisible(ProtocolEditor::sectionIndex("Outcome Measures")), c.outcomes)
            << c.type;
        EXPECT_EQ(sectionVisible(ProtocolEditor::sectionIndex("Expanded Access")),
                  c.expandedAccess)
            << c.type;
        EXPECT_EQ(visibleSections().size(), 14 + int(c.interventional) + int(c.observational) +
                                                int(c.outcomes) + int(c.expandedAccess))
            << c.type;
    }
    // The next store keeps the record's text until the user picks an entry.
    record.study_design.study_type.setText("observational");
    editor().loadAll();
    editor().storeAll();
    EXPECT_EQ(record.study_design.study_type.displayText(), "observational");
}

TEST_F(ProtocolEditorTest, ChoosingAStudyTypeUpdatesTheSectionsAtOnce) {
    editor().loadAll();
    ASSERT_FALSE(sectionVisible(ProtocolEditor::sectionIndex("Interventional Design")));
    titleControl<QComboBox>(TitlePage::IDC_STUDY_TYPE)->setCurrentIndex(0); // Interventional
    EXPECT_TRUE(sectionVisible(ProtocolEditor::sectionIndex("Interventional Design")));
    EXPECT_TRUE(sectionVisible(ProtocolEditor::sectionIndex("Outcome Measures")));
    EXPECT_FALSE(sectionVisible(ProtocolEditor::sectionIndex("Observational Design")));
    EXPECT_EQ(record.study_design.study_type.displayText(), "") << "nothing stored yet";

    titleControl<QComboBox>(TitlePage::IDC_STUDY_TYPE)->setCurrentIndex(2); // Expanded Access
    EXPECT_FALSE(sectionVisible(ProtocolEditor::sectionIndex("Interventional Design")));
    EXPECT_FALSE(sectionVisible(ProtocolEditor::sectionIndex("Outcome Measures")));
}

TEST_F(ProtocolEditorTest, SectionSwitchStoresAllPagesAndLoadsThemAgain) {
    editor().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&editor()));
    editor().loadAll();
    titleControl<QLineEdit>(TitlePage::IDC_BRIEF_TITLE)->setText(QStringLiteral("New title"));
    titleControl<QComboBox>(TitlePage::IDC_STUDY_TYPE)->setCurrentIndex(1); // Observational

    clickSection(ProtocolEditor::sectionIndex("Observational Design"));
    EXPECT_EQ(editor().visiblePage(),
              editor().page(ProtocolEditor::sectionIndex("Observational Design")));
    EXPECT_EQ(record.brief_title.displayText(), "New title");
    EXPECT_EQ(record.study_design.study_type.displayText(), "Observational");
    EXPECT_TRUE(sectionVisible(ProtocolEditor::sectionIndex("Observational Design")));

    // Every page was loaded again from the record the title page had just written.
    for (int i = 0; i < sectionCount(); ++i) {
        EXPECT_EQ(editor().page(i)->record(), &record);
    }
    EXPECT_EQ(titleControl<QLineEdit>(TitlePage::IDC_BRIEF_TITLE)->text(),
              QStringLiteral("New title"));
    clickSection(9);
    EXPECT_EQ(editor().visiblePage(), editor().page(9));
    EXPECT_TRUE(editor().itemWindow(9)->isVisible());
    EXPECT_FALSE(
        editor().itemWindow(ProtocolEditor::sectionIndex("Observational Design"))->isVisible());

    editor().showSection(QStringLiteral("No such section"));
    EXPECT_EQ(editor().visiblePage(), nullptr);
    editor().showSection(QStringLiteral("title")); // labels compare exactly
    EXPECT_EQ(editor().visiblePage(), nullptr);
    editor().showSection(QStringLiteral("Title"));
    EXPECT_EQ(editor().visiblePage(), editor().page(ProtocolEditor::sectionIndex("Title")));
}

TEST_F(ProtocolEditorTest, OkStoresEveryPageAndAccepts) {
    record.brief_title.setText("Old");
    const int result = run([](ProtocolEditor* e) {
        e->titlePage()->control<QLineEdit>(TitlePage::IDC_BRIEF_TITLE)->setText("Kept");
        QTest::mouseClick(e->control(ProtocolEditor::IDC_OK), Qt::LeftButton);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(record.brief_title.displayText(), "Kept");
    EXPECT_TRUE(platform.prompts().shown().empty());
}

TEST_F(ProtocolEditorTest, EnterOnTheEditorsOwnControlsMeansOk) {
    const int result = run([](ProtocolEditor* e) {
        e->titlePage()->control<QLineEdit>(TitlePage::IDC_ACRONYM)->setText("ACR");
        QTest::keyClick(e->itemWindow(0), Qt::Key_Return);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(record.acronym, "ACR");
}

TEST_F(ProtocolEditorTest, CancelWithoutAnIdClosesWithoutAskingAndRestoresTheRecord) {
    record.brief_title.setText("Original");
    const int result = run([](ProtocolEditor* e) {
        e->titlePage()->control<QLineEdit>(TitlePage::IDC_BRIEF_TITLE)->setText("Typed");
        e->showSection(QStringLiteral("Summary"));
        e->close();
    });
    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_TRUE(platform.prompts().shown().empty());
    EXPECT_EQ(record.brief_title.displayText(), "Original");
}

TEST_F(ProtocolEditorTest, CancelWithAnIdAsksAndNoRestoresEverything) {
    RecordFiller("v").fill(record);
    record.study_design.study_type.setText("Interventional");
    record.id_info.org_study_id = "ABC-1";
    const std::string before = CollectionFile::recordText(record);
    platform.prompts().answerMessage(MessageAnswer::No);

    const int result = run([](ProtocolEditor* e) {
        e->titlePage()->control<QLineEdit>(TitlePage::IDC_BRIEF_TITLE)->setText("New brief");
        e->titlePage()->secondaryIds().model().setItems({});
        e->showSection(QStringLiteral("Summary")); // stores into the record
        e->close();
    });
    EXPECT_EQ(result, QDialog::Rejected);
    ASSERT_EQ(platform.prompts().shown().size(), 1u);
    const auto& question = platform.prompts().last();
    EXPECT_EQ(question.text, QStringLiteral("Do you want to save changes to ABC-1?"));
    EXPECT_EQ(question.caption, QStringLiteral("Protoscribe"));
    EXPECT_EQ(question.icon, MessageIcon::Question);
    EXPECT_EQ(question.buttons, MessageButtons::YesNoCancel);
    EXPECT_EQ(CollectionFile::recordText(record), before);
    EXPECT_NE(record.brief_title.displayText(), "New brief");
}

// Cancel on the question (also Escape and its close box) goes back to the
// editor with what was typed.
TEST_F(ProtocolEditorTest, CancelOnTheSaveQuestionGoesBackToTheEditor) {
    record.id_info.org_study_id = "ABC-1";
    platform.prompts().answerMessage(MessageAnswer::Cancel);
    platform.prompts().answerMessage(MessageAnswer::Yes);
    bool stillOpen = false;
    const int result = run([&stillOpen](ProtocolEditor* e) {
        auto* brief = e->titlePage()->control<QLineEdit>(TitlePage::IDC_BRIEF_TITLE);
        brief->setText("Typed");
        e->close();
        stillOpen = e->isVisible() && brief->text() == "Typed";
        e->close();
    });
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(record.brief_title.displayText(), "Typed");
}

TEST_F(ProtocolEditorTest, CancelWithAnIdAndYesRunsOk) {
    record.id_info.org_study_id = "ABC-1";
    platform.prompts().answerMessage(MessageAnswer::Yes);
    const int result = run([](ProtocolEditor* e) {
        e->titlePage()->control<QLineEdit>(TitlePage::IDC_BRIEF_TITLE)->setText("Saved");
        QTest::keyClick(e->control(ProtocolEditor::IDC_OK), Qt::Key_Escape);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(platform.prompts().last().text,
              QStringLiteral("Do you want to save changes to ABC-1?"));
    EXPECT_EQ(record.brief_title.displayText(), "Saved");
}

TEST_F(ProtocolEditorTest, TheQuestionNamesTheIdAsTyped) {
    record.id_info.org_study_id = "ABC-1";
    platform.prompts().answerMessage(MessageAnswer::No);
    run([](ProtocolEditor* e) {
        e->titlePage()->control<QLineEdit>(TitlePage::IDC_UNIQUE_ID)->setText("XYZ-9");
        e->close();
    });
    EXPECT_EQ(platform.prompts().last().text,
              QStringLiteral("Do you want to save changes to XYZ-9?"));
    EXPECT_EQ(record.id_info.org_study_id, "ABC-1");
}

TEST_F(ProtocolEditorTest, EscapeAndEnterInsideAPageOnlyMoveTheFocus) {
    bool stillOpen = false;
    const int result = run([&](ProtocolEditor* e) {
        e->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(e));
        auto* brief = e->titlePage()->control<QLineEdit>(TitlePage::IDC_BRIEF_TITLE);
        auto* acronym = e->titlePage()->control<QLineEdit>(TitlePage::IDC_ACRONYM);
        auto* official = e->titlePage()->control<QPlainTextEdit>(TitlePage::IDC_OFFICIAL_TITLE);
        brief->setFocus();
        QTest::keyClick(brief, Qt::Key_Escape);
        EXPECT_EQ(QApplication::focusWidget(), acronym);
        QTest::keyClick(acronym, Qt::Key_Return);
        EXPECT_EQ(QApplication::focusWidget(), official);
        QTest::keyClicks(official, "one");
        QTest::keyClick(official, Qt::Key_Return);
        QTest::keyClicks(official, "two");
        EXPECT_EQ(official->toPlainText(), QStringLiteral("one\ntwo"));
        EXPECT_EQ(QApplication::focusWidget(), official);
        QTest::keyClick(official, Qt::Key_Escape);
        EXPECT_EQ(QApplication::focusWidget(), e->titlePage()->control(TitlePage::IDC_STUDY_TYPE));
        stillOpen = e->isVisible();
        QTest::mouseClick(e->control(ProtocolEditor::IDC_OK), Qt::LeftButton);
    });
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(record.official_title.displayText(), "one\r\ntwo");
    EXPECT_TRUE(platform.prompts().shown().empty());
}

TEST_F(ProtocolEditorTest, AMarkerClickNavigatesTheHelpWindow) {
    editor().loadAll();
    ASSERT_NE(m_help, nullptr);
    QTest::mouseClick(title().control(TitlePage::IDC_MARKER_UNIQUE_ID), Qt::LeftButton);
    const QString definitions = QString::fromUtf8(names::kDefinitionsPage.data(),
                                                  qsizetype(names::kDefinitionsPage.size()));
    ASSERT_EQ(m_help->navigations, QStringList{definitions + QStringLiteral("#PrimaryId")});
    EXPECT_EQ(m_help->shows, 1);
    EXPECT_TRUE(definitions.endsWith(QStringLiteral("/definitions.html")));
}

TEST_F(ProtocolEditorTest, WithoutAFactoryThereIsNoHelpWindow) {
    ProtocolEditor::setHelpWindowFactory({});
    ProtocolEditor plain;
    EXPECT_EQ(plain.helpWindow(), nullptr);
    EXPECT_EQ(plain.titlePage()->helpWindow(), nullptr);
    QTest::mouseClick(plain.titlePage()->control(TitlePage::IDC_MARKER_UNIQUE_ID), Qt::LeftButton);
}

// The bar is placed in pixels and the frame in dialog units; at any font the
// frame starts just right of the bar and ends where its template puts it.
TEST_F(ProtocolEditorTest, FrameStandsBesideTheNavigationBarAtAnyFont) {
    const QFont font = QApplication::font();
    for (int pointSize : {6, 9, 14}) {
        QFont sized = font;
        sized.setPointSize(pointSize);
        QApplication::setFont(sized);
        ProtocolEditor sizedEditor;
        auto geometry = [&](int id) { return sizedEditor.control(id)->geometry(); };
        const QRect bar = geometry(ProtocolEditor::IDC_NAVIGATION_BAR);
        const QRect frame = geometry(ProtocolEditor::IDC_FRAME);
        // The panel stands where its scroll area does.
        const QRect panel = sizedEditor.pageScroller()->geometry();
        const QRect ok = geometry(ProtocolEditor::IDC_OK);
        EXPECT_EQ(frame.left(), bar.right() + 10) << pointSize << " pt";
        EXPECT_GT(panel.left(), frame.left());
        EXPECT_LT(panel.right(), frame.right());
        EXPECT_GE(ok.right(), panel.right()) << "the frame keeps its right edge";
    }
    QApplication::setFont(font);
}

TEST_F(ProtocolEditorTest, EnlargingMovesAndGrowsExactlyTheAnchoredControls) {
    editor().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&editor()));
    const QSize start = editor().size();
    auto geometry = [&](int id) { return editor().control(id)->geometry(); };
    auto onTitle = [&](int id) { return title().control(id)->geometry(); };
    const QRect frame = geometry(ProtocolEditor::IDC_FRAME);
    const QRect panel = geometry(ProtocolEditor::IDC_PANEL);
    const QRect ok = geometry(ProtocolEditor::IDC_OK);
    const QRect cancel = geometry(ProtocolEditor::IDC_CANCEL);
    const QRect bar = geometry(ProtocolEditor::IDC_NAVIGATION_BAR);
    const QRect brief = onTitle(TitlePage::IDC_BRIEF_TITLE);
    const QRect type = onTitle(TitlePage::IDC_STUDY_TYPE);
    const QRect list = onTitle(TitlePage::IDC_SECONDARY_IDS);
    const QRect add = onTitle(TitlePage::IDC_ADD);
    const QRect marker = onTitle(TitlePage::IDC_MARKER_SECONDARY_IDS);
    const QRect group = onTitle(TitlePage::IDC_GROUP);
    // A hidden page lays itself out when it is shown.
    // (Summary: a page of the standard height; a taller one keeps its own.)
    const int summary = ProtocolEditor::sectionIndex(QStringLiteral("Summary"));
    editor().showSection(QStringLiteral("Summary"));
    const QRect hiddenGroup = editor().page(summary)->control(TitlePage::IDC_GROUP)->geometry();
    editor().showSection(QStringLiteral("Title"));
    QLabel* firstLabel = nullptr;
    for (QLabel* label : title().findChildren<QLabel*>()) {
        if (label->text() == QStringLiteral("Brief Title")) {
            firstLabel = label;
        }
    }
    ASSERT_NE(firstLabel, nullptr);
    const QRect labelRect = firstLabel->geometry();
    EXPECT_EQ(title().geometry(), QRect(QPoint(0, 0), panel.size()));

    editor().resize(start + QSize(100, 100));
    EXPECT_EQ(geometry(ProtocolEditor::IDC_FRAME), frame.adjusted(0, 0, 100, 100));
    EXPECT_EQ(geometry(ProtocolEditor::IDC_PANEL), panel.adjusted(0, 0, 100, 100));
    EXPECT_EQ(geometry(ProtocolEditor::IDC_OK), ok.translated(100, 100));
    EXPECT_EQ(geometry(ProtocolEditor::IDC_CANCEL), cancel.translated(100, 100));
    EXPECT_EQ(geometry(ProtocolEditor::IDC_NAVIGATION_BAR), bar.adjusted(0, 0, 0, 100));
    for (int i = 0; i < sectionCount(); ++i) {
        EXPECT_EQ(editor().page(i)->geometry(),
                  QRect(QPoint(0, 0), panel.size() + QSize(100, 100)));
    }
    EXPECT_EQ(onTitle(TitlePage::IDC_BRIEF_TITLE), brief.adjusted(0, 0, 100, 0));
    EXPECT_EQ(onTitle(TitlePage::IDC_STUDY_TYPE), type.adjusted(0, 0, 100, 0));
    EXPECT_EQ(onTitle(TitlePage::IDC_SECONDARY_IDS), list.adjusted(0, 0, 100, 100));
    EXPECT_EQ(onTitle(TitlePage::IDC_ADD), add.translated(0, 100));
    EXPECT_EQ(onTitle(TitlePage::IDC_MARKER_SECONDARY_IDS), marker.translated(100, 0));
    EXPECT_EQ(onTitle(TitlePage::IDC_GROUP), group.adjusted(0, 0, 100, 100));
    EXPECT_EQ(firstLabel->geometry(), labelRect);

    // A page that was hidden while the editor grew has grown when it is shown.
    editor().showSection(QStringLiteral("Summary"));
    EXPECT_EQ(editor().page(summary)->control(TitlePage::IDC_GROUP)->geometry(),
              hiddenGroup.adjusted(0, 0, 100, 100));
}

// Keys and the section they lead to; a page with every field disabled (FDA,
// here) leaves the focus on the bar.
TEST_F(ProtocolEditorTest, KeyboardAloneReachesEveryOfferedSection) {
    record.study_design.study_type.setText("Observational");
    QStringList offered;
    QWidget* focusAtStart = nullptr;
    QStringList shown;
    bool focusOnShownPage = true;
    QWidget* afterBacktab = nullptr;
    bool open = false;
    const auto note = [&](ProtocolEditor* e) {
        shown << e->navigationBar()->selectedItem()->label();
        QWidget* focus = QApplication::focusWidget();
        EditorPage* page = e->visiblePage();
        focusOnShownPage = focusOnShownPage &&
                           page == e->page(ProtocolEditor::sectionIndex(shown.back())) &&
                           (page->isAncestorOf(focus) ||
                            (shown.back() == "FDA" && focus == e->navigationBar()));
    };
    runActive([&](ProtocolEditor* e) {
        focusAtStart = QApplication::focusWidget();
        offered = visibleSections();
        QTest::keyClicks(e->itemWindow(0), "typed");
        const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
        for (const auto& [key, modifiers] :
             std::initializer_list<std::pair<Qt::Key, Qt::KeyboardModifiers>>{
                 {Qt::Key_PageDown, ctrl},
                 {Qt::Key_Tab, ctrl},
                 {Qt::Key_PageUp, ctrl},
                 {Qt::Key_Backtab, ctrl | Qt::ShiftModifier},
                 {Qt::Key_PageUp, ctrl}}) {
            QTest::keyClick(QApplication::focusWidget(), key, modifiers);
            note(e);
        }
        // Shift+Tab from OK reaches the bar, whose arrows and Enter choose.
        e->control(ProtocolEditor::IDC_OK)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        afterBacktab = QApplication::focusWidget();
        QTest::keyClick(afterBacktab, Qt::Key_Down);
        QTest::keyClick(afterBacktab, Qt::Key_Down);
        QTest::keyClick(afterBacktab, Qt::Key_Return);
        note(e);
        open = e->isVisible();
        e->reject();
    });
    EXPECT_EQ(focusAtStart, titleControl<QLineEdit>(TitlePage::IDC_UNIQUE_ID));
    EXPECT_EQ(editor().itemWindow(0)->toPlainText(), editorSections()[0].itemText);
    ASSERT_GE(offered.size(), 3);
    EXPECT_FALSE(offered.contains("Interventional Design"));
    EXPECT_EQ(shown, (QStringList{offered[1], offered[2], offered[1], offered[0], offered.back(),
                                  offered[1]}));
    EXPECT_TRUE(focusOnShownPage);
    EXPECT_EQ(afterBacktab, editor().navigationBar());
    EXPECT_TRUE(open) << "Enter on the bar is no OK";
}

TEST_F(ProtocolEditorTest, AltWithALetterThatIsNoMnemonicTypesNothingInAMultiLineBox) {
    const int result = runActive([](ProtocolEditor* e) {
        auto* official = e->titlePage()->control<QPlainTextEdit>(TitlePage::IDC_OFFICIAL_TITLE);
        official->setFocus();
        QTest::keyClick(official, Qt::Key_A);
        QTest::keyClick(official, Qt::Key_Q, Qt::AltModifier);
        QTest::keyClick(official, Qt::Key_Z, Qt::AltModifier | Qt::ShiftModifier);
        QTest::keyClick(official, Qt::Key_O, Qt::AltModifier); // the OK button's mnemonic
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(record.official_title.displayText(), "a");
}

// The contrast ratio of two colours as readability guidelines count it: 4.5 and
// more is readable text.
static double contrast(const QColor& a, const QColor& b) {
    const auto luminance = [](const QColor& c) {
        const auto channel = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) +
               0.0722 * channel(c.blueF());
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// A dark desktop theme gives light text; on the pages' own white it must not be.
TEST(ProtocolEditorThemeTest, EveryPagesLabelsAreDarkOnItsWhiteUnderADarkTheme) {
    TestPlatform platform;
    const QPalette before = QApplication::palette();
    QPalette dark = before;
    for (const auto role : {QPalette::Window, QPalette::Base, QPalette::Button}) {
        dark.setColor(role, QColor(32, 32, 32));
    }
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        dark.setColor(role, QColor(230, 230, 230));
    }
    QApplication::setPalette(dark);
    {
        ProtocolEditor editor;
        for (std::size_t section = 0; section < editorSections().size(); ++section) {
            EditorPage* page = editor.page(static_cast<int>(section));
            ASSERT_NE(page, nullptr) << section;
            const QColor background = page->palette().color(QPalette::Window);
            for (const CXPGroupBox* box : page->findChildren<CXPGroupBox*>()) {
                EXPECT_GE(contrast(box->fillColour(), box->textColour()), 4.5) << section;
            }
            for (const QLabel* label : page->findChildren<QLabel*>()) {
                if (label->text().isEmpty()) {
                    continue; // a picture
                }
                const QColor text = label->palette().color(label->foregroundRole());
                EXPECT_GE(contrast(background, text), 4.5)
                    << section << ": " << label->text().toStdString();
            }
        }
    }
    QApplication::setPalette(before);
}
