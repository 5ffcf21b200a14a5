// Upload guidance, the registry's account page and the help text.

#include "app/AppTestSupport.h"
#include "app/MainWindow.h"
#include "controls/CHyperLink.h"
#include "model/CollectionFile.h"
#include "platform/TestPlatform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QPointer>
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

TEST_F(UploadHelpTest, ButtonsRunTheirCommands) {
    window.control<QPushButton>(MainWindow::kPrsAccountId)->click();
    platform.prompts().answerMessage(MessageAnswer::Ok);
    window.control<QPushButton>(MainWindow::kUploadId)->click();
    EXPECT_EQ(platform.shell().opened().size(), 2);
}

// Help reads HELP.TXT from the program's folders, whatever the working directory.
class HelpTextTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(QDir(folder.path()).mkpath("My Programs/Protoscribe 1.1"));
        ASSERT_TRUE(QDir(folder.path()).mkpath("data"));
        ASSERT_TRUE(QDir(folder.path()).mkpath("elsewhere"));
        program = folder.filePath("My Programs/Protoscribe 1.1");
        data = folder.filePath("data");
        previousDirectory = QDir::currentPath();
        QDir::setCurrent(folder.filePath("elsewhere"));
    }

    void TearDown() override { QDir::setCurrent(previousDirectory); }

    std::unique_ptr<MainWindow> makeWindow() {
        ScopedProgramFiles files({program, data});
        auto window = std::make_unique<MainWindow>();
        window->setHelpViewFactory([this](QWidget* parent) -> HelpView* {
            ++viewsMade;
            view = new RecordingHelpView(parent);
            return view;
        });
        return window;
    }

    TestPlatform platform;
    QTemporaryDir folder;
    QString program;
    QString data;
    QString previousDirectory;
    int viewsMade = 0;
    QPointer<RecordingHelpView> view;
};

TEST_F(HelpTextTest, ShowsHelpTxtInTheHelpWindowNotThroughTheShell) {
    writeBytes(QDir(data).filePath("HELP.TXT"), "installed help\n");
    writeBytes(QDir(program).filePath("HELP.TXT"), "help beside the program\n");
    // The working directory's copy is never shown.
    writeBytes(QDir::current().filePath("HELP.TXT"), "someone else's help\n");
    const auto window = makeWindow();
    EXPECT_EQ(window->helpWindow(), nullptr);

    window->control<QPushButton>(MainWindow::kHelpId)->click();
    HelpWindow* help = window->helpWindow();
    ASSERT_NE(help, nullptr);
    ASSERT_TRUE(view);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->windowTitle(), "Help");
    EXPECT_EQ(help->parent(), window.get());
    // Wide enough for the text's lines of 78 fixed-pitch columns.
    const QFontMetrics fixed(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    EXPECT_GE(help->width(), fixed.horizontalAdvance(QString(78, u'M')));
    ASSERT_EQ(view->addresses.size(), 1);
    EXPECT_TRUE(view->addresses.front().isLocalFile());
    EXPECT_EQ(view->addresses.front().toLocalFile(), QDir(program).filePath("HELP.TXT"));
    EXPECT_TRUE(platform.shell().opened().isEmpty());
    EXPECT_TRUE(platform.prompts().shown().empty());

    // Closed and asked for again: the same window shows the text again.
    help->hideWindow();
    QFile::remove(QDir(program).filePath("HELP.TXT"));
    window->help();
    EXPECT_EQ(window->helpWindow(), help);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(viewsMade, 1);
    ASSERT_EQ(view->addresses.size(), 2);
    EXPECT_EQ(view->addresses.back().toLocalFile(), QDir(data).filePath("HELP.TXT"));
}

TEST_F(HelpTextTest, AMissingHelpTextSaysWhereItWasLookedFor) {
    // A folder of that name is no help text.
    ASSERT_TRUE(QDir(program).mkdir("HELP.TXT"));
    writeBytes(QDir::current().filePath("HELP.TXT"), "someone else's help\n");
    const auto window = makeWindow();
    platform.prompts().answerMessage(MessageAnswer::Ok);
    window->help();

    ASSERT_EQ(platform.prompts().shown().size(), 1u);
    const auto& shown = platform.prompts().last();
    EXPECT_EQ(shown.icon, MessageIcon::Error);
    EXPECT_EQ(shown.caption, "Protoscribe");
    EXPECT_TRUE(shown.text.contains(QDir(program).filePath("HELP.TXT")))
        << shown.text.toStdString();
    EXPECT_TRUE(shown.text.contains(QDir(data).filePath("HELP.TXT"))) << shown.text.toStdString();
    EXPECT_EQ(window->helpWindow(), nullptr);
    EXPECT_EQ(viewsMade, 0);
    EXPECT_TRUE(platform.shell().opened().isEmpty());
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
