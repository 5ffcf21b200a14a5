// Upload guidance, the registry's account page and the help text.

#include "app/AppTestSupport.h"
#include "app/MainWindow.h"
#include "controls/CHyperLink.h"
#include "model/CollectionFile.h"
#include "platform/TestPlatform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString kInstructions = QStringLiteral(
    "You will now be taken to the ClinicalTrials.gov Protocol Registration System web site. To "
    "submit your clinical trial information, login to the web site. On the web site's main menu "
    "in the section \"XML Upload\", click the \"Upload Protocol Records\" link. Then select the "
    "XML file you've just saved and click the \"Upload\" link.\n\nClinicalTrials.gov will verify "
    "your information and notify you of warnings or issues with the data. You can complete any "
    "corrections using Protoscribe or the ClinicalTrials.gov web site.");

const QString kLoginSite = QStringLiteral("https://register.clinicaltrials.gov/");

class UploadHelpTest : public ::testing::Test {
protected:
    void SetUp() override {
        path = writeCollection(folder.filePath("protocols.xml"), {{"A", "Alpha"}, {"B", "Beta"}});
        ASSERT_TRUE(window.openPath(path));
    }

    void change() {
        window.selectRow(0);
        platform.prompts().answerMessage(MessageAnswer::Yes); // remove it
        window.removeProtocol();
        platform.prompts().clear();
    }

    void expectInstructionsAndSite(const ScriptedPrompts::Record& shown) {
        EXPECT_EQ(shown.text, kInstructions);
        EXPECT_EQ(shown.caption, "Protoscribe");
        EXPECT_EQ(shown.icon, MessageIcon::Information);
        EXPECT_EQ(platform.shell().opened(), QStringList({kLoginSite}));
    }

    TestPlatform platform;
    QTemporaryDir folder;
    MainWindow window;
    QString path;
};

TEST_F(UploadHelpTest, UploadWithoutChangesShowsTheInstructionsAtOnce) {
    platform.prompts().answerMessage(MessageAnswer::Ok);
    window.upload();
    ASSERT_EQ(platform.prompts().shown().size(), 1u);
    expectInstructionsAndSite(platform.prompts().last());
}

TEST_F(UploadHelpTest, UploadWithChangesAnsweredNoKeepsTheFileAndStillGuides) {
    change();
    const std::string before = readBytes(path);
    platform.prompts().answerMessage(MessageAnswer::No);
    platform.prompts().answerMessage(MessageAnswer::Ok);
    window.upload();
    ASSERT_EQ(platform.prompts().shown().size(), 2u);
    EXPECT_EQ(platform.prompts().shown()[0].text, "Do you want to save changes?");
    EXPECT_EQ(platform.prompts().shown()[0].icon, MessageIcon::Question);
    expectInstructionsAndSite(platform.prompts().last());
    EXPECT_EQ(readBytes(path), before);
    EXPECT_TRUE(window.isModified());
}

TEST_F(UploadHelpTest, UploadWithChangesAnsweredYesSavesFirst) {
    change();
    platform.prompts().answerMessage(MessageAnswer::Yes);
    platform.prompts().answerSaveFile(path);
    platform.prompts().answerMessage(MessageAnswer::Ok); // saved
    platform.prompts().answerMessage(MessageAnswer::Ok); // instructions
    window.upload();
    ASSERT_EQ(platform.prompts().shown().size(), 4u);
    EXPECT_EQ(platform.prompts().shown()[1].kind, PromptKind::SaveFile);
    expectInstructionsAndSite(platform.prompts().last());
    EXPECT_EQ(readBytes(path), CollectionFile::saveText(window.collection()));
    EXPECT_FALSE(window.isModified());
}

// The file on disk is what gets uploaded: without the save, or with Cancel
// (Escape) on the question, the user is back where they were.
TEST_F(UploadHelpTest, UploadStopsWhenTheSaveDoesNotHappenOrTheQuestionIsCancelled) {
    change();
    platform.prompts().answerMessage(MessageAnswer::Yes);
    platform.prompts().answerSaveFile(std::nullopt);
    window.upload();
    platform.prompts().answerMessage(MessageAnswer::Cancel);
    window.upload();
    EXPECT_EQ(platform.prompts().shown().size(), 3u);
    EXPECT_EQ(platform.prompts().last().buttons, MessageButtons::YesNoCancel);
    EXPECT_TRUE(platform.shell().opened().isEmpty());
    EXPECT_TRUE(window.isModified());
}

TEST_F(UploadHelpTest, PrsAccountOpensTheInformationSite) {
    window.prsAccount();
    EXPECT_EQ(platform.shell().opened(),
              QStringList({"https://clinicaltrials.gov/submit-studies/prs-accounts"}));
    EXPECT_TRUE(platform.prompts().shown().empty());
}

TEST_F(UploadHelpTest, HelpOpensHelpTxtInTheProgramsFolderEvenWithSpaces) {
    EXPECT_EQ(window.helpFilePath(),
              QDir(QCoreApplication::applicationDirPath()).filePath("HELP.TXT"));
    window.setProgramFolder("/opt/My Programs/Protoscribe 1.1");
    platform.shell().setResult(ShellResult::FileNotFound);
    window.help();
    EXPECT_EQ(platform.shell().opened(),
              QStringList({"/opt/My Programs/Protoscribe 1.1/HELP.TXT"}));
    // The shell's failure is not reported.
    EXPECT_TRUE(platform.prompts().shown().empty());
}

TEST_F(UploadHelpTest, ButtonsRunTheirCommands) {
    window.control<QPushButton>(MainWindow::kPrsAccountId)->click();
    window.control<QPushButton>(MainWindow::kHelpId)->click();
    platform.prompts().answerMessage(MessageAnswer::Ok);
    window.control<QPushButton>(MainWindow::kUploadId)->click();
    EXPECT_EQ(platform.shell().opened().size(), 3);
    EXPECT_TRUE(platform.shell().opened().at(1).endsWith("/HELP.TXT"));
}

TEST_F(UploadHelpTest, MessageLineOpensOnlyWebAddresses) {
    CHyperLink* link = window.messageLink();
    ASSERT_NE(link, nullptr);
    window.setMessageLine("New: version 1.2 & more", "https://www.example.org/news");
    EXPECT_EQ(link->text(), "New: version 1.2 & more");
    EXPECT_TRUE(link->open());
    // Anything else falls back to the maker's page.
    window.setMessageLine("Run me", "file:///usr/bin/xterm");
    EXPECT_EQ(link->text(), "Run me");
    EXPECT_TRUE(link->open());
    const QString fallback =
        QString::fromStdString(MessageLine::defaultTarget(MainWindow::vendorSite().host));
    EXPECT_EQ(platform.shell().opened(), QStringList({"https://www.example.org/news", fallback}));
}

TEST(BuildTreeTest, HelpTextAndBackgroundLieBesideTheProgram) {
    const QDir program(QStringLiteral(PROTOSCRIBE_PROGRAM_DIR));
    QFile help(program.filePath("HELP.TXT"));
    ASSERT_TRUE(help.open(QIODevice::ReadOnly));
    EXPECT_TRUE(help.readAll().contains("Upload"));
    const QImage globe(program.filePath("globebkimage.bmp"));
    EXPECT_FALSE(globe.isNull());
    EXPECT_LT(QFile(program.filePath("globebkimage.bmp")).size(), 200 * 1024);
}

} // namespace
