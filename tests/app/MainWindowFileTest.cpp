// Opening and saving collection files, and the file restored at start-up.

#include "app/AppTestSupport.h"
#include "app/MainWindow.h"
#include "app/SplashWindow.h"
#include "model/CollectionFile.h"
#include "platform/TestPlatform.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

const std::string kMalformed =
    "<?xml version=\"1.0\"?>\n<prs:study_collection>\n<clinical_study>\n<id_info>";

class MainWindowFileTest : public ::testing::Test {
protected:
    QString file(const QString& name) const { return folder.filePath(name); }
    QString storedPath() { return platform.settings().readText(MainWindow::kPathSetting); }
    int rows() const { return window.list()->topLevelItemCount(); }

    // A window showing two protocols from "first.xml", with one of them removed.
    void openAndChange() {
        platform.prompts().answerOpenFile(
            writeCollection(file("first.xml"), {{"A", "Alpha"}, {"B", "Beta"}}));
        window.open();
        window.selectRow(0);
        platform.prompts().answerMessage(MessageAnswer::Yes); // remove it
        window.removeProtocol();
        ASSERT_TRUE(window.isModified());
        platform.prompts().clear();
    }

    TestPlatform platform;
    QTemporaryDir folder;
    MainWindow window;
};

TEST_F(MainWindowFileTest, OpenAsksForAnXmlFileAndRemembersItOnceLoaded) {
    const QString path = writeCollection(file("open me.xml"), {{"A", "Alpha"}, {"B", "Beta"}});
    platform.prompts().answerOpenFile(path);
    window.open();
    const auto& dialog = platform.prompts().last();
    EXPECT_EQ(dialog.kind, PromptKind::OpenFile);
    ASSERT_EQ(dialog.file.filters.size(), 1u);
    EXPECT_EQ(dialog.file.filters[0].label, "ClinicalTrials.gov PRS XML (*.xml)");
    EXPECT_EQ(dialog.file.filters[0].pattern, "*.xml");
    EXPECT_TRUE(dialog.file.initialPath.isEmpty());
    EXPECT_TRUE(dialog.file.hideReadOnly);
    EXPECT_EQ(rows(), 2);
    EXPECT_EQ(window.currentPath(), path);
    EXPECT_EQ(storedPath(), path);
    EXPECT_FALSE(window.isModified());
}

TEST_F(MainWindowFileTest, CancelledOpenChangesNothing) {
    platform.prompts().answerOpenFile(std::nullopt);
    window.open();
    EXPECT_FALSE(platform.settings().hasText(MainWindow::kPathSetting));
    EXPECT_TRUE(window.currentPath().isEmpty());
}

TEST_F(MainWindowFileTest, MalformedFileShowsTheReadersMessageAndKeepsTheList) {
    openAndChange();
    writeBytes(file("broken.xml"), kMalformed);
    platform.prompts().answerMessage(MessageAnswer::No);
    platform.prompts().answerOpenFile(file("broken.xml"));
    platform.prompts().answerMessage(MessageAnswer::Ok);
    window.open();
    ASSERT_EQ(platform.prompts().shown().size(), 3u);
    const auto& error = platform.prompts().last();
    EXPECT_EQ(error.caption, "Protoscribe XML Edit");
    EXPECT_EQ(error.icon, MessageIcon::Error);
    EXPECT_EQ(error.text, "An error occurred while loading the XML file:\n\n"
                          "id_info must be closed with </id_info>\n\nFile: " +
                              file("broken.xml") + ", line 4, column 1");
    EXPECT_EQ(rows(), 1);
    EXPECT_EQ(window.collection().records.size(), 1u);
    // The failed open changed nothing: Save still proposes the file on screen.
    EXPECT_EQ(storedPath(), file("first.xml"));
    EXPECT_EQ(window.currentPath(), file("first.xml"));
    EXPECT_TRUE(window.isModified());
    platform.prompts().answerSaveFile(std::nullopt);
    window.save();
    EXPECT_EQ(platform.prompts().last().file.initialPath, file("first.xml"));
}

TEST_F(MainWindowFileTest, MissingEmptyOrForeignFilesAreReportedAndChangeNothing) {
    openAndChange();
    writeBytes(file("empty.xml"), "");
    writeBytes(file("page.xml"), "<!DOCTYPE html>\n<html><body>Not found</body></html>");
    const std::pair<QString, QString> cases[] = {
        {QStringLiteral("missing.xml"), QStringLiteral("The file cannot be opened: ")},
        {QStringLiteral("empty.xml"), QStringLiteral("The file holds no XML element.")},
        {QStringLiteral("page.xml"),
         QStringLiteral("The file is not a protocol collection: its root element is <html>")},
    };
    for (const auto& [name, reason] : cases) {
        platform.prompts().answerMessage(MessageAnswer::Ok);
        EXPECT_FALSE(window.openPath(file(name)));
        const auto& error = platform.prompts().last();
        EXPECT_TRUE(error.text.contains(reason)) << error.text.toStdString();
        EXPECT_TRUE(error.text.contains("File: " + file(name))) << error.text.toStdString();
        EXPECT_EQ(storedPath(), file("first.xml"));
        EXPECT_EQ(window.currentPath(), file("first.xml"));
    }
    EXPECT_EQ(rows(), 1);
    EXPECT_TRUE(window.isModified());
}

TEST_F(MainWindowFileTest, WhatAnOpenDidNotKeepIsListedAfterTheList) {
    writeBytes(file("other tool.xml"),
               "<study_collection><clinical_study><brief_title>T</brief_title>"
               "<misspelt_title>M</misspelt_title></clinical_study></study_collection>");
    platform.prompts().answerMessage(MessageAnswer::Ok);
    EXPECT_TRUE(window.openPath(file("other tool.xml")));
    ASSERT_EQ(platform.prompts().shown().size(), 1u);
    const auto& note = platform.prompts().last();
    EXPECT_EQ(note.icon, MessageIcon::Information);
    EXPECT_EQ(note.text, "These parts of the file are not kept by Protoscribe and will be "
                         "missing when it is saved:\n\nclinical_study/misspelt_title (1)");
    EXPECT_EQ(rows(), 1);
    EXPECT_EQ(window.currentPath(), file("other tool.xml"));
}

TEST_F(MainWindowFileTest, OpenWithUnsavedChangesOffersToSaveFirst) {
    const QString second = writeCollection(file("second.xml"), {{"Z", "Zeta"}});

    // No: the changes are dropped, and the new file replaces them.
    openAndChange();
    platform.prompts().answerMessage(MessageAnswer::No);
    platform.prompts().answerOpenFile(second);
    window.open();
    const auto& question = platform.prompts().shown().front();
    EXPECT_EQ(question.text, "Do you want to save changes?");
    EXPECT_EQ(question.caption, "Protoscribe");
    EXPECT_EQ(question.icon, MessageIcon::Question);
    EXPECT_EQ(question.buttons, MessageButtons::YesNoCancel);
    EXPECT_EQ(rows(), 1);
    EXPECT_EQ(window.currentPath(), second);
    EXPECT_FALSE(window.isModified());
}

TEST_F(MainWindowFileTest, OpenStopsWhenTheOfferedSaveDoesNotHappen) {
    openAndChange();
    // Yes, then the save dialog is cancelled: no open dialog follows.
    platform.prompts().answerMessage(MessageAnswer::Yes);
    platform.prompts().answerSaveFile(std::nullopt);
    window.open();
    EXPECT_EQ(platform.prompts().shown().size(), 2u);
    EXPECT_TRUE(window.isModified());

    // Yes, then the file cannot be written: the error, and again no open dialog.
    platform.prompts().clear();
    platform.prompts().answerMessage(MessageAnswer::Yes);
    platform.prompts().answerSaveFile(file("no such folder/out.xml"));
    platform.prompts().answerMessage(MessageAnswer::Ok);
    window.open();
    ASSERT_EQ(platform.prompts().shown().size(), 3u);
    EXPECT_EQ(platform.prompts().last().icon, MessageIcon::Error);
    EXPECT_TRUE(window.isModified());
    EXPECT_EQ(rows(), 1);
}

TEST_F(MainWindowFileTest, OpenAfterASuccessfulOfferedSaveLoadsTheChosenFile) {
    openAndChange();
    const QString second = writeCollection(file("second.xml"), {{"Z", "Zeta"}, {"Y", "Ypsilon"}});
    platform.prompts().answerMessage(MessageAnswer::Yes);
    platform.prompts().answerSaveFile(file("kept.xml"));
    platform.prompts().answerMessage(MessageAnswer::Ok);
    platform.prompts().answerOpenFile(second);
    window.open();
    StudyCollection kept;
    ASSERT_TRUE(CollectionFile::load(file("kept.xml").toStdString(), kept).ok);
    EXPECT_EQ(kept.records.size(), 1u);
    EXPECT_EQ(rows(), 2);
    EXPECT_EQ(storedPath(), second);
}

TEST_F(MainWindowFileTest, SaveWritesTheFileRemembersItAndConfirms) {
    openAndChange();
    const QString target = file("saved file.xml");
    platform.prompts().answerSaveFile(target);
    platform.prompts().answerMessage(MessageAnswer::Ok);
    EXPECT_EQ(window.save(), MainWindow::SaveOutcome::Saved);

    const auto& dialog = platform.prompts().shown().front();
    EXPECT_EQ(dialog.kind, PromptKind::SaveFile);
    EXPECT_EQ(dialog.file.initialPath, file("first.xml"));
    EXPECT_EQ(dialog.file.defaultExtension, "xml");
    EXPECT_TRUE(dialog.file.confirmOverwrite);
    EXPECT_TRUE(dialog.file.hideReadOnly);
    EXPECT_EQ(dialog.file.filters[0].label, "ClinicalTrials.gov PRS XML (*.xml)");

    const auto& confirmation = platform.prompts().last();
    EXPECT_EQ(confirmation.caption, "Protoscribe");
    EXPECT_EQ(confirmation.icon, MessageIcon::Information);
    EXPECT_EQ(confirmation.text, "ClinicalTrials.gov XML file successfully saved to " + target);
    EXPECT_EQ(readBytes(target), CollectionFile::saveText(window.collection()));
    EXPECT_EQ(window.currentPath(), target);
    EXPECT_EQ(storedPath(), target);
    EXPECT_FALSE(window.isModified());
}

TEST_F(MainWindowFileTest, CancelledSaveChangesNothing) {
    openAndChange();
    const int writes = platform.settings().writeCount();
    platform.prompts().answerSaveFile(std::nullopt);
    EXPECT_EQ(window.save(), MainWindow::SaveOutcome::Cancelled);
    EXPECT_EQ(platform.prompts().shown().size(), 1u);
    EXPECT_EQ(platform.settings().writeCount(), writes);
    EXPECT_TRUE(window.isModified());
}

TEST_F(MainWindowFileTest, FailedSaveNamesTheFileAndKeepsPathFlagAndSetting) {
    openAndChange();
    const std::string before = readBytes(file("first.xml"));
    const QString target = file("missing folder/out.xml");
    platform.prompts().answerSaveFile(target);
    platform.prompts().answerMessage(MessageAnswer::Ok);
    EXPECT_EQ(window.save(), MainWindow::SaveOutcome::Failed);
    const auto& error = platform.prompts().last();
    EXPECT_EQ(error.icon, MessageIcon::Error);
    EXPECT_EQ(error.caption, "Protoscribe");
    EXPECT_TRUE(error.text.contains(target)) << error.text.toStdString();
    // The reason follows the file name.
    EXPECT_GT(error.text.size(), error.text.indexOf(target) + target.size() + 4);
    EXPECT_TRUE(window.isModified());
    EXPECT_EQ(window.currentPath(), file("first.xml"));
    EXPECT_EQ(storedPath(), file("first.xml"));
    EXPECT_FALSE(QFile::exists(target));
    EXPECT_EQ(readBytes(file("first.xml")), before);
}

TEST_F(MainWindowFileTest, AReadOnlyFileIsReplacedOnlyAfterAsking) {
    openAndChange();
    const QString target = file("approved.xml");
    writeBytes(target, "approved");
    QFile::setPermissions(target, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);

    platform.prompts().answerSaveFile(target);
    platform.prompts().answerMessage(MessageAnswer::No);
    EXPECT_EQ(window.save(), MainWindow::SaveOutcome::Cancelled);
    EXPECT_EQ(platform.prompts().last().text, target + " is read-only. Save anyway?");
    EXPECT_EQ(platform.prompts().last().icon, MessageIcon::Question);
    EXPECT_EQ(readBytes(target), "approved");
    EXPECT_TRUE(window.isModified());

    platform.prompts().answerSaveFile(target);
    platform.prompts().answerMessage(MessageAnswer::Yes);
    platform.prompts().answerMessage(MessageAnswer::Ok);
    EXPECT_EQ(window.save(), MainWindow::SaveOutcome::Saved);
    EXPECT_EQ(readBytes(target), CollectionFile::saveText(window.collection()));
    EXPECT_EQ(QFile::permissions(target) & QFile::WriteOwner, 0);
}

TEST_F(MainWindowFileTest, StartUpLoadsTheStoredFile) {
    const QString path = writeCollection(file("last.xml"), {{"A", "Alpha"}});
    platform.settings().writeText(MainWindow::kPathSetting, path);
    window.restoreLastFile();
    EXPECT_EQ(rows(), 1);
    EXPECT_EQ(window.currentPath(), path);
    EXPECT_FALSE(window.isModified());
}

TEST_F(MainWindowFileTest, StartUpWithAMissingStoredFileShowsAnEmptyListAndNoMessage) {
    platform.settings().writeText(MainWindow::kPathSetting, file("gone.xml"));
    window.restoreLastFile();
    EXPECT_EQ(rows(), 0);
    EXPECT_TRUE(platform.prompts().shown().empty());
    EXPECT_TRUE(window.currentPath().isEmpty());
}

TEST_F(MainWindowFileTest, StartUpWithAMalformedStoredFileShowsTheLoadError) {
    writeBytes(file("bad.xml"), kMalformed);
    platform.settings().writeText(MainWindow::kPathSetting, file("bad.xml"));
    platform.prompts().answerMessage(MessageAnswer::Ok);
    window.restoreLastFile();
    ASSERT_EQ(platform.prompts().shown().size(), 1u);
    EXPECT_EQ(platform.prompts().last().caption, "Protoscribe XML Edit");
    EXPECT_EQ(rows(), 0);
    // Nothing proposes to save the empty list over the broken file.
    EXPECT_TRUE(window.currentPath().isEmpty());
}

TEST_F(MainWindowFileTest, StartUpWithAFileArgumentOpensItAsOpenDoes) {
    const QString stored = writeCollection(file("stored.xml"), {{"S", "Stored"}});
    platform.settings().writeText(MainWindow::kPathSetting, stored);
    writeCollection(file("given.xml"), {{"G1", "Given"}, {"G2", "Given too"}});
    const QString previous = QDir::currentPath();
    QDir::setCurrent(folder.path());
    window.initialise(QStringLiteral("given.xml"));
    QDir::setCurrent(previous);
    EXPECT_EQ(rows(), 2);
    EXPECT_EQ(window.currentPath(), file("given.xml"));
    EXPECT_EQ(storedPath(), file("given.xml"));
}

TEST_F(MainWindowFileTest, StartUpShowsTheSplashWindowAndRestoresTheLastFile) {
    const QString path = writeCollection(file("last.xml"), {{"A", "Alpha"}});
    platform.settings().writeText(MainWindow::kPathSetting, path);
    window.initialise();
    ASSERT_NE(window.splash(), nullptr);
    EXPECT_TRUE(window.splash()->isVisible());
    EXPECT_FALSE(window.splash()->pixmap().isNull());
    EXPECT_EQ(rows(), 1);
}

TEST(SplashWindowTest, HidesItselfWhenItsTimeIsUp) {
    SplashWindow splash;
    splash.showFor(std::chrono::milliseconds(30));
    EXPECT_TRUE(splash.isVisible());
    EXPECT_TRUE(splash.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !splash.isVisible(); }, 2000));
}

} // namespace
