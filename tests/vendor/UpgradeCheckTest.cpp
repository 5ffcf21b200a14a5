#include "vendor/UpgradeCheck.h"

#include "platform/TestPlatform.h"
#include "vendor/CheckingWindow.h"
#include "web/LoopbackServer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

namespace {

const QString kSetting = QStringLiteral("UpgradeDate");
const QDateTime kNow(QDate(2026, 5, 20), QTime(10, 30));

class UpgradeCheckTest : public ::testing::Test {
protected:
    std::unique_ptr<UpgradeCheck> makeDialog() {
        auto dialog = std::make_unique<UpgradeCheck>();
        dialog->setClock([] { return kNow; });
        return dialog;
    }

    // A dialog that reads the given page instead of the network.
    std::unique_ptr<UpgradeCheck> dialogReading(std::vector<std::string> lines) {
        auto dialog = makeDialog();
        dialog->setPageSource(
            [lines](const std::string&) { return std::optional<UpgradeCheck::Lines>(lines); });
        return dialog;
    }

    TestPlatform platform;
};

std::vector<std::string> pageWithVersion(const std::string& version) {
    return {"<!-- UPGRADE Version",
            version,
            "<!-- UPGRADE Description",
            "Line one. ",
            "Line two.",
            "<!-- END UPGRADE Description",
            "<!-- UPGRADE Download Link",
            "https://downloads.example.test/setup"};
}

} // namespace

TEST_F(UpgradeCheckTest, FirstRunWritesTodayAndIsNotDue) {
    for (const char* stored : {"", "0 5 2010", "garbage", "2 30 2026"}) {
        if (*stored != '\0') {
            platform.settings().writeText(kSetting, QString::fromLatin1(stored));
        }
        auto dialog = makeDialog();
        EXPECT_FALSE(dialog->isCheckDue()) << stored;
        EXPECT_EQ(platform.settings().readText(kSetting), QStringLiteral("5 20 2026")) << stored;
        EXPECT_EQ(dialog->checkDate(), kNow.date());
    }
}

TEST_F(UpgradeCheckTest, TenDaysAreNotDueElevenAre) {
    platform.settings().writeText(kSetting, QStringLiteral("5 10 2026"));
    auto recent = makeDialog();
    EXPECT_FALSE(recent->isCheckDue());
    EXPECT_EQ(recent->checkDate(), QDate(2026, 5, 10));
    const int writes = platform.settings().writeCount();
    recent.reset();
    // Destroyed, it puts back the date it kept.
    EXPECT_EQ(platform.settings().writeCount(), writes + 1);
    EXPECT_EQ(platform.settings().readText(kSetting), QStringLiteral("5 10 2026"));

    platform.settings().writeText(kSetting, QStringLiteral("5 9 2026"));
    auto old = makeDialog();
    EXPECT_TRUE(old->isCheckDue());
    EXPECT_EQ(old->checkDate(), kNow.date());
    // Not written until the check, Close or destruction.
    EXPECT_EQ(platform.settings().readText(kSetting), QStringLiteral("5 9 2026"));
    old.reset();
    EXPECT_EQ(platform.settings().readText(kSetting), QStringLiteral("5 20 2026"));
}

TEST_F(UpgradeCheckTest, DestroyedWithoutADateWritesNothing) {
    makeDialog().reset();
    EXPECT_FALSE(platform.settings().hasText(kSetting));
}

TEST_F(UpgradeCheckTest, NewerVersionShowsDescriptionAndOpensTheLink) {
    auto dialog = dialogReading(pageWithVersion("1.2"));
    platform.prompts().answerMessage(MessageAnswer::Yes);
    dialog->check();

    ASSERT_EQ(platform.prompts().shown().size(), 1u);
    const auto& shown = platform.prompts().last();
    EXPECT_EQ(shown.caption, QStringLiteral("A new upgrade is available."));
    EXPECT_EQ(shown.text, QStringLiteral("A new upgrade of Protoscribe is available for download."
                                         "\n\nDescription:\n\nLine one. Line two.\n\n"
                                         "Would you like to download the upgrade now?"));
    EXPECT_EQ(shown.buttons, MessageButtons::YesNo);
    EXPECT_EQ(platform.shell().opened(), QStringList{"https://downloads.example.test/setup"});
    EXPECT_FALSE(dialog->okButton()->isEnabled());
    EXPECT_EQ(platform.settings().readText(kSetting), QStringLiteral("5 20 2026"));
}

TEST_F(UpgradeCheckTest, AHugeDescriptionIsCutBeforeItIsShown) {
    std::vector<std::string> page = pageWithVersion("1.2");
    page[3] = std::string(1u << 20, 'd');
    page[4] = "";
    auto dialog = dialogReading(page);
    platform.prompts().answerMessage(MessageAnswer::No);
    dialog->check();
    EXPECT_EQ(platform.prompts().last().text,
              UpgradeCheck::availableText(QStringLiteral("Protoscribe"),
                                          QString(UpgradeCheck::kMaxDescriptionLength, 'd')));
}

TEST_F(UpgradeCheckTest, DecliningEndsTheDialogWithoutOpening) {
    auto dialog = dialogReading(pageWithVersion("1.11"));
    bool ended = false;
    QObject::connect(dialog.get(), &QDialog::finished, [&ended] { ended = true; });
    dialog->open();
    platform.prompts().answerMessage(MessageAnswer::No);
    dialog->check();
    EXPECT_TRUE(ended);
    EXPECT_TRUE(platform.shell().opened().isEmpty());
    EXPECT_EQ(platform.settings().readText(kSetting), QStringLiteral("5 20 2026"));
}

TEST_F(UpgradeCheckTest, VersionsCompareInSinglePrecision) {
    // The running 1.1 is held as a float, so a page's 1.1 or 1.10 is not newer.
    EXPECT_FALSE(UpgradeCheck::isNewer(1.1, 1.1f));
    EXPECT_FALSE(UpgradeCheck::isNewer(1.10, 1.1f));
    EXPECT_FALSE(UpgradeCheck::isNewer(1.10000002, 1.1f));
    EXPECT_TRUE(UpgradeCheck::isNewer(1.11, 1.1f));
    EXPECT_TRUE(UpgradeCheck::isNewer(1.2, 1.1f));
    EXPECT_FALSE(UpgradeCheck::isNewer(0.0, 1.1f));

    for (const char* version : {"1.1", "1.10", "1.09"}) {
        auto dialog = dialogReading(pageWithVersion(version));
        platform.prompts().answerMessage(MessageAnswer::Ok);
        dialog->check();
        const auto& shown = platform.prompts().last();
        EXPECT_EQ(shown.caption, QStringLiteral("Protoscribe")) << version;
        EXPECT_EQ(
            shown.text,
            QStringLiteral("You have the most recent version v1.10\nNo upgrade is available."))
            << version;
        EXPECT_EQ(shown.buttons, MessageButtons::Ok);
    }
}

TEST_F(UpgradeCheckTest, OnlyWebAddressesAreOpened) {
    for (const char* link : {"file:///etc/passwd", "javascript:alert(1)", "/usr/bin/xterm", "-e sh",
                             "ftp://example.test/setup", "http://", ""}) {
        std::vector<std::string> page = pageWithVersion("2.0");
        page.back() = link;
        auto dialog = dialogReading(page);
        platform.prompts().answerMessage(MessageAnswer::Yes);
        platform.prompts().answerMessage(MessageAnswer::Ok);
        dialog->check();
        EXPECT_TRUE(platform.shell().opened().isEmpty()) << link;
        EXPECT_EQ(platform.prompts().last().text, UpgradeCheck::noDownloadText()) << link;
        EXPECT_EQ(platform.prompts().last().icon, MessageIcon::Error);
    }
    for (const char* link : {"HTTP://Example.test/a", " http://example.test/b "}) {
        std::vector<std::string> page = pageWithVersion("2.0");
        page.back() = link;
        auto dialog = dialogReading(page);
        platform.prompts().answerMessage(MessageAnswer::Yes);
        dialog->check();
    }
    EXPECT_EQ(platform.shell().opened(),
              (QStringList{"HTTP://Example.test/a", "http://example.test/b"}));
}

TEST_F(UpgradeCheckTest, CheckingWindowShowsOnlyDuringTheFetch) {
    auto dialog = makeDialog();
    bool seen = false;
    dialog->setPageSource([&](const std::string&) {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (qobject_cast<CheckingWindow*>(widget) != nullptr && widget->isVisible() &&
                widget->windowTitle() == QStringLiteral("Checking for any upgrades ..")) {
                seen = true;
            }
        }
        return std::optional<UpgradeCheck::Lines>();
    });
    platform.prompts().setOnShow([&](const ScriptedPrompts::Record&) {
        EXPECT_TRUE(dialog->findChildren<CheckingWindow*>().isEmpty());
    });
    platform.prompts().answerMessage(MessageAnswer::Ok);
    dialog->check();
    EXPECT_TRUE(seen);
    platform.prompts().setOnShow({});
}

TEST_F(UpgradeCheckTest, ButtonsRunTheCheckAndCloseRecordsTheDate) {
    LoopbackServer server;
    server.server().Get("/Protoscribe/Upgrade",
                        [](const httplib::Request&, httplib::Response& res) {
                            res.set_content("<!-- UPGRADE Version\r\n1.0\r\n", "text/html");
                        });
    server.start();
    auto dialog = makeDialog();
    dialog->setParameters(QStringLiteral("Protoscribe"), 1.1f,
                          UpgradeCheck::pageAddressFor(server.base() + "/"));
    EXPECT_EQ(dialog->pageAddress(), server.base() + "/Protoscribe/Upgrade");

    platform.prompts().answerMessage(MessageAnswer::Ok);
    bool okWasDisabled = false;
    QTimer::singleShot(0, dialog.get(), [&] {
        QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
        okWasDisabled = !dialog->okButton()->isEnabled();
        platform.settings().writeText(kSetting, QString());
        QTest::mouseClick(dialog->closeButton(), Qt::LeftButton);
    });
    EXPECT_EQ(dialog->exec(), QDialog::Rejected);
    EXPECT_TRUE(okWasDisabled);
    EXPECT_DOUBLE_EQ(dialog->page().version(), 1.0);
    EXPECT_EQ(platform.prompts().last().text, UpgradeCheck::upToDateText(1.1f));
    EXPECT_EQ(platform.settings().readText(kSetting), QStringLiteral("5 20 2026"));

    // Shown again, the dialog offers the check afresh.
    QTimer::singleShot(0, dialog.get(), [&] {
        EXPECT_TRUE(dialog->okButton()->isEnabled());
        dialog->reject();
    });
    dialog->exec();
}

// A check that learnt nothing never claims the running version is the newest.
TEST_F(UpgradeCheckTest, ACheckThatLearnsNothingSaysSo) {
    const std::string nowhere = "http://127.0.0.1:" +
                                std::to_string(LoopbackServer::unusedPort()) +
                                "/Protoscribe/Upgrade";
    const QString unreachable = UpgradeCheck::unreachableText("Protoscribe", nowhere);
    const QString noVersion = UpgradeCheck::noVersionText(nowhere);
    EXPECT_TRUE(unreachable.startsWith("Protoscribe could not reach " +
                                       QString::fromStdString(nowhere) + "."));
    std::vector<std::string> unnumbered = pageWithVersion("not a number");
    const struct {
        const char* name;
        std::optional<std::vector<std::string>> page; // none: fetched from nowhere
        QString text;
    } cases[] = {
        {"no server", std::nullopt, unreachable},
        {"an empty answer", std::vector<std::string>(), unreachable},
        {"no version line", std::vector<std::string>{"<html>Moved</html>"}, noVersion},
        {"no version number", unnumbered, noVersion},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto dialog = c.page ? dialogReading(*c.page) : makeDialog();
        dialog->setParameters(QStringLiteral("Protoscribe"), 1.1f, nowhere);
        platform.prompts().answerMessage(MessageAnswer::Ok);
        dialog->check();
        EXPECT_EQ(platform.prompts().last().text, c.text);
        EXPECT_EQ(platform.prompts().last().icon, MessageIcon::Warning);
        EXPECT_TRUE(platform.shell().opened().isEmpty());
    }
}

TEST_F(UpgradeCheckTest, SiteAskingForCredentialsPromptsForThem) {
    LoopbackServer server;
    server.server().Get("/Protoscribe/Upgrade",
                        [](const httplib::Request& req, httplib::Response& res) {
                            if (!req.has_header("Authorization")) {
                                res.status = 401;
                                res.set_header("WWW-Authenticate", "Basic realm=\"maker\"");
                                return;
                            }
                            res.set_content("<!-- UPGRADE Version\n3.0\n", "text/html");
                        });
    server.start();
    auto dialog = makeDialog();
    dialog->setParameters(QStringLiteral("Protoscribe"), 1.1f,
                          UpgradeCheck::pageAddressFor(server.base()));
    platform.prompts().answerCredentials(Credentials{QStringLiteral("user"), QStringLiteral("pw")});
    platform.prompts().answerMessage(MessageAnswer::No);
    dialog->check();
    ASSERT_EQ(platform.prompts().shown().size(), 2u);
    EXPECT_EQ(platform.prompts().shown()[0].kind, PromptKind::Credentials);
    EXPECT_EQ(platform.prompts().last().caption, QStringLiteral("A new upgrade is available."));
}

TEST_F(UpgradeCheckTest, ASiteThatNeverFinishesEndsTheCheckInTime) {
    LoopbackServer server;
    server.server().Get("/Protoscribe/Upgrade",
                        [&server](const httplib::Request& req, httplib::Response& res) {
                            if (!req.has_header("Authorization")) {
                                res.status = 401;
                                res.set_header("WWW-Authenticate", "Basic realm=\"maker\"");
                                return;
                            }
                            server.trickle(res);
                        });
    server.start();
    auto dialog = makeDialog();
    dialog->setParameters(QStringLiteral("Protoscribe"), 1.1f,
                          UpgradeCheck::pageAddressFor(server.base()));
    dialog->setTimeLimit(std::chrono::milliseconds(400));
    platform.prompts().answerCredentials(Credentials{QStringLiteral("user"), QStringLiteral("pw")});
    platform.prompts().answerMessage(MessageAnswer::Ok);
    QElapsedTimer timer;
    timer.start();
    dialog->check();
    EXPECT_LT(timer.elapsed(), 1500);
    ASSERT_EQ(platform.prompts().shown().size(), 2u);
    EXPECT_EQ(platform.prompts().shown()[0].kind, PromptKind::Credentials);
    EXPECT_EQ(platform.prompts().last().text,
              UpgradeCheck::unreachableText("Protoscribe", dialog->pageAddress()));
}
