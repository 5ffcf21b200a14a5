// Leaving the program: the Quit button, Escape and the close box.

#include "app/AppTestSupport.h"
#include "app/MainWindow.h"
#include "model/CollectionFile.h"
#include "platform/TestPlatform.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class MainWindowQuitTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(window.openPath(
            writeCollection(folder.filePath("protocols.xml"), {{"A", "Alpha"}, {"B", "Beta"}})));
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    void change() {
        window.selectRow(0);
        platform.prompts().answerMessage(MessageAnswer::Yes); // remove it
        window.removeProtocol();
        platform.prompts().clear();
    }

    TestPlatform platform;
    QTemporaryDir folder;
    MainWindow window;
    QSignalSpy finished{&window, &QDialog::finished};
};

TEST_F(MainWindowQuitTest, WithoutChangesEndsAtOnce) {
    window.quit();
    EXPECT_EQ(finished.count(), 1);
    EXPECT_TRUE(platform.prompts().shown().empty());
}

TEST_F(MainWindowQuitTest, RightAfterASaveEndsWithoutAQuestion) {
    change();
    platform.prompts().answerSaveFile(folder.filePath("saved.xml"));
    platform.prompts().answerMessage(MessageAnswer::Ok);
    window.save();
    platform.prompts().clear();
    window.quit();
    EXPECT_EQ(finished.count(), 1);
    EXPECT_TRUE(platform.prompts().shown().empty());
}

TEST_F(MainWindowQuitTest, WithChangesAsksAndNoEndsWithoutSaving) {
    change();
    const std::string before = readBytes(folder.filePath("protocols.xml"));
    platform.prompts().answerMessage(MessageAnswer::No);
    window.quit();
    ASSERT_EQ(platform.prompts().shown().size(), 1u);
    const auto& question = platform.prompts().last();
    EXPECT_EQ(question.text, "Do you want to save changes?");
    EXPECT_EQ(question.icon, MessageIcon::Question);
    EXPECT_EQ(question.buttons, MessageButtons::YesNoCancel);
    EXPECT_EQ(finished.count(), 1);
    EXPECT_EQ(readBytes(folder.filePath("protocols.xml")), before);
}

// The changes are not lost: a save that did not happen keeps the program,
// and Cancel (or Escape on the question) goes back to it.
TEST_F(MainWindowQuitTest, OnlySavedOrKnowinglyDroppedChangesLetTheProgramEnd) {
    change();
    const std::string before = readBytes(folder.filePath("protocols.xml"));
    platform.prompts().answerMessage(MessageAnswer::Yes);
    platform.prompts().answerSaveFile(std::nullopt);
    window.quit();
    EXPECT_EQ(finished.count(), 0);
    EXPECT_TRUE(window.isModified());
    // Cancel is also what Escape and the question's close box answer.
    platform.prompts().answerMessage(MessageAnswer::Cancel);
    window.quit();
    EXPECT_EQ(finished.count(), 0);
    EXPECT_EQ(readBytes(folder.filePath("protocols.xml")), before);
}

TEST_F(MainWindowQuitTest, YesThenSavingEndsWithTheFileWritten) {
    change();
    platform.prompts().answerMessage(MessageAnswer::Yes);
    platform.prompts().answerSaveFile(folder.filePath("protocols.xml"));
    platform.prompts().answerMessage(MessageAnswer::Ok);
    window.quit();
    EXPECT_EQ(finished.count(), 1);
    StudyCollection saved;
    ASSERT_TRUE(CollectionFile::load(folder.filePath("protocols.xml").toStdString(), saved).ok);
    EXPECT_EQ(saved.records.size(), 1u);
}

TEST_F(MainWindowQuitTest, ASaveThatCannotWriteKeepsTheProgramOpen) {
    change();
    platform.prompts().answerMessage(MessageAnswer::Yes);
    platform.prompts().answerSaveFile(folder.filePath("no folder/out.xml"));
    platform.prompts().answerMessage(MessageAnswer::Ok);
    window.quit();
    EXPECT_EQ(finished.count(), 0);
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(window.isModified());
}

TEST_F(MainWindowQuitTest, EscapeAndTheCloseBoxQuitToo) {
    change();
    platform.prompts().answerMessage(MessageAnswer::Yes);
    platform.prompts().answerSaveFile(folder.filePath("no folder/out.xml"));
    platform.prompts().answerMessage(MessageAnswer::Ok);
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_EQ(platform.prompts().shown().size(), 3u);
    EXPECT_EQ(finished.count(), 0);

    // The failed save refuses the close event as well.
    platform.prompts().answerMessage(MessageAnswer::Yes);
    platform.prompts().answerSaveFile(folder.filePath("no folder/out.xml"));
    platform.prompts().answerMessage(MessageAnswer::Ok);
    EXPECT_FALSE(window.close());
    EXPECT_TRUE(window.isVisible());

    platform.prompts().answerMessage(MessageAnswer::No);
    EXPECT_TRUE(window.close());
    EXPECT_EQ(finished.count(), 1);
}

TEST_F(MainWindowQuitTest, QuitButtonQuits) {
    QTest::mouseClick(window.control(MainWindow::kQuitId), Qt::LeftButton);
    EXPECT_EQ(finished.count(), 1);
}

} // namespace
