// The main window's controls and list, and New, Edit, Remove and About.

#include "app/AboutBox.h"
#include "app/AppTestSupport.h"
#include "app/CheckWindow.h"
#include "app/MainWindow.h"
#include "controls/CHyperLink.h"
#include "controls/CXPButton.h"
#include "controls/CXPGroupBox.h"
#include "editor/ProtocolEditor.h"
#include "platform/TestPlatform.h"

#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>
#include <vector>

namespace {

struct EditorCall {
    StudyRecord* record;
    QString title;
};

class MainWindowListTest : public ::testing::Test {
protected:
    void SetUp() override {
        window = std::make_unique<MainWindow>();
        window->setEditorRunner([this](QWidget*, StudyRecord& record, const QString& title) {
            calls.push_back({&record, title});
            if (editorAction) {
                editorAction(record);
            }
            return editorResult;
        });
    }

    void loadRows(std::initializer_list<RecordSpec> entries) {
        ASSERT_TRUE(window->openPath(writeCollection(folder.filePath("rows.xml"), entries)));
    }

    QStringList column(int column) const {
        QStringList texts;
        for (int row = 0; row < list()->topLevelItemCount(); ++row) {
            texts.append(list()->topLevelItem(row)->text(column));
        }
        return texts;
    }

    QTreeWidget* list() const { return window->list(); }

    TestPlatform platform;
    QTemporaryDir folder;
    std::unique_ptr<MainWindow> window;
    std::vector<EditorCall> calls;
    std::function<void(StudyRecord&)> editorAction;
    int editorResult = QDialog::Accepted;
};

TEST_F(MainWindowListTest, ShowsTheProgramsTextsAndHidesTheLaterButtons) {
    EXPECT_EQ(window->windowTitle(), "Protoscribe");
    EXPECT_EQ(window->control<QLabel>(MainWindow::kProductLineId)->text(),
              "Protoscribe v1.1\nby Norvale Software");
    EXPECT_EQ(window->control<CXPGroupBox>(MainWindow::kGroupBoxId)->title(),
              "ClinicalTrials.gov Protocols");
    EXPECT_EQ(window->control<QLabel>(MainWindow::kIntroId)->text(),
              "Add your clinical trial protocols below. Click the Open button to load an existing "
              "ClinicalTrials.gov XML file.");
    ASSERT_NE(window->messageLink(), nullptr);
    EXPECT_EQ(window->messageLink()->text(), "Norvale Software");
    EXPECT_EQ(window->messageTarget(), "http://www.norvalesoftware.com");
    EXPECT_FALSE(window->control<QLabel>(MainWindow::kIconId)->pixmap().isNull());
    EXPECT_FALSE(window->windowIcon().isNull());

    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    EXPECT_FALSE(window->control(MainWindow::kUpgradeId)->isVisible());
    EXPECT_FALSE(window->control(MainWindow::kValidateId)->isVisible());
    auto* open = window->control<CXPButton>(MainWindow::kOpenId);
    ASSERT_NE(open, nullptr);
    EXPECT_TRUE(open->isDefault());
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
}

TEST_F(MainWindowListTest, TabGoesThroughTheButtonsThenTheListThenItsButtons) {
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    const std::vector<int> expected = {
        MainWindow::kOpenId, MainWindow::kSaveId,  MainWindow::kUploadId, MainWindow::kPrsAccountId,
        MainWindow::kHelpId, MainWindow::kQuitId,  MainWindow::kListId,   MainWindow::kNewId,
        MainWindow::kEditId, MainWindow::kRemoveId};
    std::vector<int> visited;
    QWidget* widget = window->control(MainWindow::kOpenId);
    for (std::size_t i = 0; i < expected.size(); ++i) {
        visited.push_back(DialogControls::idOf(widget));
        do {
            widget = widget->nextInFocusChain();
        } while (!widget->isVisible() || (widget->focusPolicy() & Qt::TabFocus) == 0);
    }
    EXPECT_EQ(visited, expected);
}

TEST_F(MainWindowListTest, ListHasTheFourColumnsInReportForm) {
    ASSERT_EQ(list()->columnCount(), 4);
    const QStringList headers = {"Unique Protocol ID", "Brief Title", "Overall Status", "Owner"};
    const std::vector<int> widths = {200, 200, 100, 200};
    for (int column = 0; column < 4; ++column) {
        EXPECT_EQ(list()->headerItem()->text(column), headers[column]);
        EXPECT_EQ(list()->columnWidth(column), widths[static_cast<std::size_t>(column)]);
    }
    EXPECT_EQ(list()->selectionMode(), QAbstractItemView::SingleSelection);
    EXPECT_EQ(list()->selectionBehavior(), QAbstractItemView::SelectRows);
    EXPECT_EQ(list()->iconSize(), QSize(16, 16));
}

TEST_F(MainWindowListTest, CellsShowIdTitleWithAcronymStatusAndOrganisation) {
    loadRows({{"NVS-1", "Sleep and memory", "SAM", "Recruiting", "Harbor & Vale"},
              {"NVS-2", "Night shifts", "", "Completed", "Northfield Clinic"}});
    EXPECT_EQ(column(0), QStringList({"NVS-1", "NVS-2"}));
    EXPECT_EQ(column(1), QStringList({"Sleep and memory (SAM)", "Night shifts"}));
    EXPECT_EQ(column(2), QStringList({"Recruiting", "Completed"}));
    EXPECT_EQ(column(3), QStringList({"Harbor & Vale", "Northfield Clinic"}));
    EXPECT_FALSE(list()->topLevelItem(0)->icon(0).isNull());
}

TEST_F(MainWindowListTest, CellsKeepNonAsciiTextAndShowLineBreaksAsSpaces) {
    loadRows({{"ÄRZ-1", "First line\r\nsecond line", "", "", "Universität Zürich"}});
    EXPECT_EQ(column(0), QStringList({QStringLiteral("ÄRZ-1")}));
    EXPECT_EQ(column(1), QStringList({"First line second line"}));
    EXPECT_EQ(column(3), QStringList({QStringLiteral("Universität Zürich")}));
}

TEST_F(MainWindowListTest, EditAndRemoveWithoutSelectionSayWhatIsMissing) {
    for (bool withRows : {false, true}) {
        if (withRows) {
            loadRows({{"A", "Alpha"}});
            list()->clearSelection();
        }
        platform.prompts().clear();
        platform.prompts().answerMessage(MessageAnswer::Ok);
        platform.prompts().answerMessage(MessageAnswer::Ok);
        window->editProtocol();
        window->removeProtocol();
        ASSERT_EQ(platform.prompts().shown().size(), 2u);
        const auto& edit = platform.prompts().shown()[0];
        EXPECT_EQ(edit.text, "Please select a study to edit.");
        EXPECT_EQ(edit.caption, "Protoscribe");
        EXPECT_EQ(edit.icon, MessageIcon::Error);
        EXPECT_EQ(edit.buttons, MessageButtons::Ok);
        EXPECT_EQ(platform.prompts().shown()[1].text, "Please select a study to remove.");
        EXPECT_EQ(platform.prompts().shown()[1].icon, MessageIcon::Error);
        EXPECT_TRUE(calls.empty());
        EXPECT_FALSE(window->isModified());
        EXPECT_EQ(list()->topLevelItemCount(), withRows ? 1 : 0);
    }
}

TEST_F(MainWindowListTest, RemoveSelectsTheRowThatTookThePlaceOrElseThePreviousOne) {
    loadRows({{"A", "Alpha"}, {"B", "Beta"}, {"C", "Gamma"}, {"D", "Delta"}});
    window->selectRow(1);
    platform.prompts().answerMessage(MessageAnswer::Yes);
    window->removeProtocol();
    EXPECT_EQ(column(0), QStringList({"A", "C", "D"}));
    EXPECT_EQ(window->selectedRow(), 1);
    EXPECT_TRUE(window->isModified());
    ASSERT_EQ(window->collection().records.size(), 3u);
    EXPECT_EQ(window->collection().records[1]->id_info.org_study_id, "C");

    window->selectRow(2);
    platform.prompts().answerMessage(MessageAnswer::Yes);
    window->removeProtocol();
    EXPECT_EQ(column(0), QStringList({"A", "C"}));
    EXPECT_EQ(window->selectedRow(), 1);

    window->selectRow(0);
    platform.prompts().answerMessage(MessageAnswer::Yes);
    platform.prompts().answerMessage(MessageAnswer::Yes);
    window->removeProtocol();
    window->removeProtocol();
    EXPECT_EQ(list()->topLevelItemCount(), 0);
    EXPECT_TRUE(window->collection().records.empty());
    EXPECT_EQ(window->selectedRow(), -1);
}

// A double click must not remove two protocols: each removal names its protocol
// and asks, and No keeps it.
TEST_F(MainWindowListTest, RemoveAsksNamingTheProtocol) {
    loadRows({{"HCI-HTN-2026-01", "Alpha"}, {"B", "Beta"}});
    window->selectRow(0);
    platform.prompts().answerMessage(MessageAnswer::No);
    window->removeProtocol();
    const auto& question = platform.prompts().last();
    EXPECT_EQ(question.text, "Remove protocol HCI-HTN-2026-01 from the collection?");
    EXPECT_EQ(question.icon, MessageIcon::Question);
    EXPECT_EQ(column(0), QStringList({"HCI-HTN-2026-01", "B"}));
    EXPECT_FALSE(window->isModified());
}

TEST_F(MainWindowListTest, NewAppendsTheRecordOnlyWhenTheEditorEndsWithOk) {
    loadRows({{"A", "Alpha"}});
    editorAction = [](StudyRecord& record) { record.id_info.org_study_id = "NEW-1"; };
    editorResult = QDialog::Rejected;
    window->newProtocol();
    EXPECT_EQ(column(0), QStringList({"A"}));
    EXPECT_FALSE(window->isModified());

    editorResult = QDialog::Accepted;
    window->newProtocol();
    EXPECT_EQ(column(0), QStringList({"A", "NEW-1"}));
    EXPECT_TRUE(window->isModified());
    ASSERT_EQ(calls.size(), 2u);
    // New keeps the editor's own title and hands it a fresh record.
    EXPECT_TRUE(calls[1].title.isEmpty());
    EXPECT_EQ(calls[1].record, window->collection().records[1].get());
}

TEST_F(MainWindowListTest, EditHandsTheCollectionsOwnRecordWithItsTitle) {
    loadRows({{"A", "Alpha"}, {"NVS-7", "Beta"}});
    window->selectRow(1);
    editorResult = QDialog::Rejected;
    window->editProtocol();
    EXPECT_FALSE(window->isModified());
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].record, window->collection().records[1].get());
    EXPECT_EQ(calls[0].title, "Editing ClinicalTrials.gov Protocol: NVS-7");

    // OK without a change leaves nothing to save.
    editorResult = QDialog::Accepted;
    window->selectRow(1);
    window->editProtocol();
    EXPECT_FALSE(window->isModified());

    editorAction = [](StudyRecord& record) { record.brief_title.setText("Beta revised"); };
    window->selectRow(1);
    window->editProtocol();
    EXPECT_TRUE(window->isModified());
    EXPECT_EQ(column(1), QStringList({"Alpha", "Beta revised"}));
}

TEST_F(MainWindowListTest, DoubleClickOnARowEditsIt) {
    loadRows({{"A", "Alpha"}, {"B", "Beta"}});
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    const QRect row = list()->visualItemRect(list()->topLevelItem(1));
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, row.center());
    QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, row.center());
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.back().record, window->collection().records[1].get());
}

TEST_F(MainWindowListTest, TheRealEditorOpensWithTheTitleOfItsCommand) {
    window = std::make_unique<MainWindow>(); // with the program's own editor
    loadRows({{"NVS-9", "Alpha"}});
    QString title;
    StudyRecord* record = nullptr;
    const auto closeEditor = [&](QDialog* dialog) {
        auto* editor = qobject_cast<ProtocolEditor*>(dialog);
        ASSERT_NE(editor, nullptr);
        title = editor->windowTitle();
        record = editor->record();
        editor->done(QDialog::Rejected);
    };
    onNextModal(closeEditor);
    window->newProtocol();
    EXPECT_EQ(title, "New ClinicalTrials.gov Protocol");
    EXPECT_EQ(window->collection().records.size(), 1u);

    window->selectRow(0);
    onNextModal(closeEditor);
    window->editProtocol();
    EXPECT_EQ(title, "Editing ClinicalTrials.gov Protocol: NVS-9");
    EXPECT_EQ(record, window->collection().records[0].get());
}

TEST_F(MainWindowListTest, ContextMenuOpensTheAboutBox) {
    const QList<QAction*> actions = window->actions();
    ASSERT_EQ(actions.size(), 2);
    EXPECT_EQ(actions[0]->text(), "&About Protoscribe...");
    EXPECT_FALSE(actions[1]->isVisible()) << "no recent files: no separator below About";
    EXPECT_EQ(window->contextMenuPolicy(), Qt::ActionsContextMenu);

    QString caption;
    QString version;
    QString date;
    onNextModal([&](QDialog* dialog) {
        auto* box = qobject_cast<AboutBox*>(dialog);
        ASSERT_NE(box, nullptr);
        caption = box->windowTitle();
        version = qobject_cast<QLabel*>(box->control(AboutBox::kVersionId))->text();
        date = qobject_cast<QLabel*>(box->control(AboutBox::kBuildDateId))->text();
        EXPECT_FALSE(qobject_cast<QLabel*>(box->control(AboutBox::kIconId))->pixmap().isNull());
        QTest::keyClick(box->control(AboutBox::kOkId), Qt::Key_Space);
    });
    actions[0]->trigger();
    EXPECT_EQ(caption, "About Protoscribe");
    EXPECT_EQ(version, "Protoscribe v1.1");
    EXPECT_TRUE(
        QRegularExpression(QStringLiteral("^Build Date: [A-Z][a-z]{2} [1-9][0-9]? [0-9]{4}$"))
            .match(date)
            .hasMatch())
        << date.toStdString();
}

TEST(AboutBoxTest, BuildDateHasOneSpaceBeforeASingleDigitDay) {
    EXPECT_EQ(AboutBox::buildDate("Aug  1 2010"), "Aug 1 2010");
    EXPECT_EQ(AboutBox::buildDate("Aug 11 2010"), "Aug 11 2010");
}

} // namespace

// A finding chosen in the Check window opens the real editor at its field.
TEST_F(MainWindowListTest, AFindingChosenInCheckOpensTheEditorAtItsField) {
    window = std::make_unique<MainWindow>();
    loadRows({{"NVS-9", "Alpha"}});
    QString message;
    QString focusedTip;
    onNextModal([&](QDialog* dialog) {
        auto* check = qobject_cast<CheckWindow*>(dialog);
        ASSERT_NE(check, nullptr);
        QTreeWidgetItem* group = check->list()->topLevelItem(0);
        ASSERT_NE(group, nullptr);
        QTreeWidgetItem* chosen = nullptr;
        for (int i = 0; i < group->childCount() && chosen == nullptr; ++i) {
            if (group->child(i)->text(1) == "status") {
                chosen = group->child(i);
            }
        }
        ASSERT_NE(chosen, nullptr) << "the sparse record has a status finding";
        message = chosen->text(0);
        onNextModal([&](QDialog* editor) {
            QTest::qWait(50); // the editor goes to the finding once it is open
            if (QWidget* focused = editor->focusWidget()) {
                focusedTip = focused->toolTip();
            }
            editor->done(QDialog::Rejected);
        });
        emit check->list()->itemActivated(chosen, 0);
    });
    window->check();
    EXPECT_TRUE(focusedTip.contains(message)) << focusedTip.toStdString() << " / "
                                              << message.toStdString();
}
