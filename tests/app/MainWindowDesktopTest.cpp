// What a desktop program's main window is expected to do besides its buttons:
// keys, title, where file dialogs start, dropped files, sorting, recent files.

#include "app/AppTestSupport.h"
#include "app/CheckWindow.h"
#include "app/MainWindow.h"
#include "app/RecentFiles.h"
#include "platform/TestPlatform.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QMimeData>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

namespace {

class MainWindowDesktopTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.setEditorRunner([this](QWidget*, StudyRecord& record, const QString&) {
            edited.push_back(record.id_info.org_study_id);
            return QDialog::Rejected;
        });
    }

    QString collection(const QString& name) {
        return writeCollection(folder.filePath(name),
                               {{"B-2", "Beta", "", "Completed"}, {"A-1", "Alpha", "", "Withdrawn"}});
    }

    void show() {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        QApplication::setActiveWindow(&window);
    }

    QStringList ids() const {
        QStringList texts;
        for (int row = 0; row < window.list()->topLevelItemCount(); ++row) {
            texts.append(window.list()->topLevelItem(row)->text(0));
        }
        return texts;
    }

    bool drop(const QList<QUrl>& urls) {
        QMimeData data;
        data.setUrls(urls);
        const QPoint at = window.rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&window, &enter);
        if (!enter.isAccepted()) {
            return false;
        }
        QDropEvent dropped(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&window, &dropped);
        return true;
    }

    TestPlatform platform;
    QTemporaryDir folder;
    MainWindow window;
    std::vector<std::string> edited;
};

} // namespace

TEST_F(MainWindowDesktopTest, KeysReachTheListAndTheCommands) {
    ASSERT_TRUE(window.openPath(collection("keys.xml")));
    show();
    EXPECT_EQ(QApplication::focusWidget(), window.list()) << "the list has the focus at start";

    window.selectRow(1);
    QTest::keyClick(window.list(), Qt::Key_Return);
    EXPECT_EQ(edited, std::vector<std::string>({"A-1"})) << "Enter edits the selected protocol";

    platform.prompts().answerMessage(MessageAnswer::No);
    QTest::keyClick(window.list(), Qt::Key_Delete);
    EXPECT_EQ(window.collection().records.size(), 2u) << "Delete asks first; No keeps it";
    platform.prompts().answerMessage(MessageAnswer::Yes);
    QTest::keyClick(window.list(), Qt::Key_Delete);
    EXPECT_EQ(ids(), QStringList({"B-2"}));

    platform.prompts().answerSaveFile(std::nullopt);
    QTest::keySequence(&window, QKeySequence(Qt::CTRL | Qt::Key_S));
    platform.prompts().answerMessage(MessageAnswer::Cancel); // the save question comes first
    QTest::keySequence(&window, QKeySequence(Qt::CTRL | Qt::Key_O));
    ASSERT_EQ(platform.prompts().shown().size(), 4u);
    EXPECT_EQ(platform.prompts().shown()[2].kind, PromptKind::SaveFile);
    EXPECT_EQ(platform.prompts().shown()[3].text, "Do you want to save changes?");
    QTest::keySequence(&window, QKeySequence(Qt::CTRL | Qt::Key_N));
    EXPECT_EQ(edited.size(), 2u) << "Ctrl+N opens the editor on a new protocol";

    platform.prompts().answerMessage(MessageAnswer::Cancel);
    QTest::keySequence(&window, QKeySequence(Qt::CTRL | Qt::Key_Q));
    EXPECT_TRUE(window.isVisible()) << "Ctrl+Q asks about the removed protocol; Cancel stays";
    EXPECT_EQ(platform.prompts().last().text, "Do you want to save changes?");
}

TEST_F(MainWindowDesktopTest, TitleNamesTheFileAndMarksUnsavedChanges) {
    EXPECT_EQ(window.windowTitle(), "Protoscribe");
    EXPECT_FALSE(QApplication::windowIcon().isNull()) << "every window gets the program's icon";
    ASSERT_TRUE(window.openPath(collection("sample.xml")));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("sample.xml \u2013 Protoscribe"));
    window.selectRow(0);
    platform.prompts().answerMessage(MessageAnswer::Yes);
    window.removeProtocol();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("sample.xml* \u2013 Protoscribe"));
    platform.prompts().answerSaveFile(folder.filePath("other.xml"));
    platform.prompts().answerMessage(MessageAnswer::Ok);
    ASSERT_EQ(window.save(), MainWindow::SaveOutcome::Saved);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("other.xml \u2013 Protoscribe"));
}

TEST_F(MainWindowDesktopTest, FileDialogsStartAtTheCurrentFileElseInTheDocuments) {
    QTemporaryDir home;
    const QByteArray oldHome = qgetenv("HOME");
    qputenv("HOME", home.path().toUtf8());
    ASSERT_TRUE(QDir(home.path()).mkpath("Documents"));
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    ASSERT_EQ(documents, home.filePath("Documents"));
    const QString program = QCoreApplication::applicationDirPath();
    const std::vector<std::function<void()>> commands = {
        [&] {
            platform.prompts().answerOpenFile(std::nullopt);
            window.open();
        },
        [&] {
            platform.prompts().answerSaveFile(std::nullopt);
            window.save();
        },
        [&] {
            platform.prompts().answerOpenFile(std::nullopt);
            window.validate();
        }};
    for (const auto& command : commands) {
        platform.prompts().clear();
        command();
        const QString start = platform.prompts().last().file.initialPath;
        EXPECT_EQ(start, documents + "/");
        EXPECT_FALSE(start.startsWith(program)) << start.toStdString();
    }
    qputenv("HOME", oldHome);
    const QString path = collection("current.xml");
    ASSERT_TRUE(window.openPath(path));
    for (const auto& command : commands) {
        platform.prompts().clear();
        command();
        EXPECT_EQ(platform.prompts().last().file.initialPath, path);
    }
}

TEST_F(MainWindowDesktopTest, ADroppedFileOpensAfterTheSaveQuestion) {
    EXPECT_FALSE(drop({QUrl("https://example.test/a.xml")})) << "only local files";
    EXPECT_FALSE(drop({QUrl::fromLocalFile("/a.xml"), QUrl::fromLocalFile("/b.xml")}));
    ASSERT_TRUE(drop({QUrl::fromLocalFile(collection("dropped.xml"))}));
    EXPECT_EQ(ids(), QStringList({"B-2", "A-1"}));
    EXPECT_EQ(window.currentPath(), folder.filePath("dropped.xml"));

    window.selectRow(0);
    platform.prompts().answerMessage(MessageAnswer::Yes);
    window.removeProtocol();
    platform.prompts().answerMessage(MessageAnswer::Cancel); // the save question
    ASSERT_TRUE(drop({QUrl::fromLocalFile(collection("second.xml"))}));
    EXPECT_EQ(ids(), QStringList({"A-1"})) << "Cancel goes back to the unsaved list";
}

TEST_F(MainWindowDesktopTest, AClickedColumnSortsAndCommandsStillMeanTheRowShown) {
    ASSERT_TRUE(window.openPath(collection("sort.xml")));
    QHeaderView* header = window.list()->header();
    emit header->sectionClicked(0);
    EXPECT_EQ(ids(), QStringList({"A-1", "B-2"}));
    emit header->sectionClicked(0);
    EXPECT_EQ(ids(), QStringList({"B-2", "A-1"})) << "a second click reverses";
    emit header->sectionClicked(2);
    EXPECT_EQ(ids(), QStringList({"B-2", "A-1"})) << "Completed before Withdrawn";

    window.list()->setCurrentItem(window.list()->topLevelItem(1));
    window.editProtocol();
    EXPECT_EQ(edited, std::vector<std::string>({"A-1"}));
    platform.prompts().answerMessage(MessageAnswer::Yes);
    window.removeProtocol();
    ASSERT_EQ(window.collection().records.size(), 1u);
    EXPECT_EQ(window.collection().records[0]->id_info.org_study_id, "B-2");
}

TEST_F(MainWindowDesktopTest, TheContextMenuReopensTheFiveFilesUsedLast) {
    QStringList paths;
    for (int i = 1; i <= 6; ++i) {
        paths.prepend(collection(QStringLiteral("f%1.xml").arg(i)));
        ASSERT_TRUE(window.openPath(paths.front()));
    }
    ASSERT_TRUE(window.openPath(paths[2])); // used again: first once more
    paths.move(2, 0);
    EXPECT_EQ(RecentFiles(platform.settings()).paths(), paths.mid(0, 5));
    const QList<QAction*> actions = window.recentFileActions();
    ASSERT_EQ(actions.size(), 5);
    EXPECT_EQ(actions[1]->text(), "&2 " + paths[1]);
    EXPECT_TRUE(window.actions().contains(actions[1])) << "in the window's context menu";

    actions[1]->trigger();
    EXPECT_EQ(window.currentPath(), paths[1]);
    EXPECT_EQ(window.recentFileActions()[0]->text(), "&1 " + paths[1]);
}

// The test protocols lack most of what the registry requires.
TEST_F(MainWindowDesktopTest, CheckListsFindingsByProtocolAndChoosingOneEditsIt) {
    ASSERT_TRUE(window.openPath(collection("check.xml")));
    for (int row = 0; row < window.list()->topLevelItemCount(); ++row) {
        EXPECT_TRUE(window.list()->topLevelItem(row)->toolTip(0).contains("error(s)"));
    }
    show();
    EXPECT_TRUE(window.control(MainWindow::kCheckId)->isVisible());
    QStringList groups;
    QString summary;
    onNextModal([&](QDialog* dialog) {
        auto* check = qobject_cast<CheckWindow*>(dialog);
        ASSERT_NE(check, nullptr);
        summary = check->findChild<QLabel*>()->text();
        QTreeWidget* list = check->list();
        for (int row = 0; row < list->topLevelItemCount(); ++row) {
            groups.append(list->topLevelItem(row)->text(0).section(':', 0, 0));
        }
        QTreeWidgetItem* finding = list->topLevelItem(1)->child(0);
        ASSERT_NE(finding, nullptr);
        emit list->itemActivated(finding, 0);
    });
    window.control<QPushButton>(MainWindow::kCheckId)->click();
    EXPECT_EQ(groups, QStringList({"B-2", "A-1"}));
    EXPECT_TRUE(summary.endsWith(" in 2 of 2 protocols.")) << summary.toStdString();
    EXPECT_EQ(edited, std::vector<std::string>({"A-1"})) << "the chosen finding's protocol";
}
