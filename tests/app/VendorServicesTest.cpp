// The upgrade check and the message line as the main window runs them.

#include "app/AppTestSupport.h"
#include "app/MainWindow.h"
#include "controls/CHyperLink.h"
#include "platform/TestPlatform.h"
#include "web/LoopbackServer.h"

#include <QApplication>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <atomic>
#include <gtest/gtest.h>
#include <memory>

namespace {

const QString kSetting = QStringLiteral("UpgradeDate");
const QDateTime kNow(QDate(2026, 5, 20), QTime(10, 30));

// Counts the times a dialog is shown and closes it each time, so that a dialog
// opened by mistake ends the test instead of waiting for a user.
class CloseOnShow : public QObject {
public:
    explicit CloseOnShow(QDialog* dialog) : m_dialog(dialog) { dialog->installEventFilter(this); }
    int shown() const { return m_shown; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == m_dialog && event->type() == QEvent::Show) {
            ++m_shown;
            QTimer::singleShot(0, m_dialog, [dialog = m_dialog] { dialog->reject(); });
        }
        return false;
    }

private:
    QDialog* m_dialog;
    int m_shown = 0;
};

class UpgradeTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.upgradeCheck().setClock([] { return kNow; });
        window.upgradeCheck().setPageSource([this](const std::string& address) {
            requested.push_back(address);
            return std::optional<UpgradeCheck::Lines>({"<!-- UPGRADE Version", "1.1"});
        });
    }

    TestPlatform platform;
    MainWindow window;
    std::vector<std::string> requested;
};

TEST_F(UpgradeTest, ButtonIsShownAtStartAndRunsTheCheck) {
    window.initialise();
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    auto* button = window.control<QPushButton>(MainWindow::kUpgradeId);
    ASSERT_NE(button, nullptr);
    EXPECT_TRUE(button->isVisible());
    EXPECT_TRUE(button->isEnabled());
    EXPECT_FALSE(window.control(MainWindow::kValidateId)->isVisible());

    platform.prompts().answerMessage(MessageAnswer::Ok);
    bool ranOnTheWindowsCheck = false;
    onNextModal([&](QDialog* dialog) {
        ranOnTheWindowsCheck = dialog == &window.upgradeCheck();
        window.upgradeCheck().okButton()->click();
        window.upgradeCheck().closeButton()->click();
    });
    button->click();

    EXPECT_TRUE(ranOnTheWindowsCheck);
    EXPECT_EQ(requested, std::vector<std::string>{
                             UpgradeCheck::pageAddressFor(MainWindow::vendorSite().host)});
    ASSERT_EQ(platform.prompts().shown().size(), 1u);
    EXPECT_EQ(platform.prompts().last().caption, "Protoscribe");
    EXPECT_EQ(platform.prompts().last().text,
              "You have the most recent version v1.10\nNo upgrade is available.");
    EXPECT_EQ(platform.settings().readText(kSetting), "5 20 2026");
}

TEST_F(UpgradeTest, TestWindowsNeverReachTheMakersSite) {
    const std::string loopback = "http://127.0.0.1:";
    EXPECT_EQ(MainWindow::vendorSite().host.rfind(loopback, 0), 0u);
    EXPECT_EQ(window.upgradeCheck().pageAddress().rfind(loopback, 0), 0u);
    EXPECT_EQ(window.messageLine().pageAddress().rfind(loopback, 0), 0u);
}

TEST_F(UpgradeTest, StartUpChecksByItselfOnlyWhenACheckIsDue) {
    struct Case {
        const char* stored; // nullptr: no value yet
        bool due;
        const char* storedAfter;
    };
    for (const Case& c : {Case{nullptr, false, "5 20 2026"}, Case{"5 10 2026", false, "5 10 2026"},
                          Case{"5 9 2026", true, "5 20 2026"}}) {
        TestPlatform scoped;
        if (c.stored != nullptr) {
            scoped.settings().writeText(kSetting, QString::fromLatin1(c.stored));
        }
        MainWindow starting;
        starting.upgradeCheck().setClock([] { return kNow; });
        CloseOnShow closer(&starting.upgradeCheck());
        starting.initialise();
        const QString label = QString::fromLatin1(c.stored != nullptr ? c.stored : "(none)");
        EXPECT_EQ(closer.shown(), c.due ? 1 : 0) << label.toStdString();
        EXPECT_EQ(scoped.settings().readText(kSetting).toStdString(), c.storedAfter)
            << label.toStdString();
        // Only the dialog's own OK fetches the page.
        EXPECT_TRUE(scoped.prompts().shown().empty()) << label.toStdString();
    }
}

// A maker's site on 127.0.0.1 serving `page` as the message page; with `stall`
// the page is answered only after release().
class MessageLineTest : public ::testing::Test {
protected:
    void serve(std::string page, bool stall = false) {
        server.server().Get("/Protoscribe/TagLine",
                            [this, page, stall](const httplib::Request&, httplib::Response& res) {
                                requested = true;
                                if (stall) {
                                    server.waitForRelease(std::chrono::seconds(20));
                                }
                                res.set_content(page, "text/plain");
                            });
        server.start();
        site = std::make_unique<ScopedVendorSite>(server.base());
        window = std::make_unique<MainWindow>();
    }

    TestPlatform platform;
    LoopbackServer server;
    std::atomic<bool> requested{false};
    std::unique_ptr<ScopedVendorSite> site;
    std::unique_ptr<MainWindow> window;
};

TEST_F(MessageLineTest, StartUpShowsTheMakersLinkUntilTheMessageArrives) {
    serve("<html>\nPROTOSCRIBE TAGLINE\nVersion 1.2 is out\nhttps://news.example.test/1.2\n");
    window->initialise();
    CHyperLink* link = window->messageLink();
    ASSERT_NE(link, nullptr);
    EXPECT_FALSE(link->isHidden());
    ASSERT_TRUE(QTest::qWaitFor([&] { return link->text() == "Version 1.2 is out"; }));
    EXPECT_EQ(window->messageTarget(), "https://news.example.test/1.2");
    EXPECT_TRUE(requested.load());

    EXPECT_TRUE(link->open());
    EXPECT_EQ(platform.shell().opened(), QStringList({"https://news.example.test/1.2"}));
}

TEST_F(MessageLineTest, PageWithoutMessageKeepsTheMakersLink) {
    serve("<html>no news</html>\n");
    window->initialise();
    ASSERT_TRUE(window->messageLine().waitForFinished(std::chrono::seconds(10)));
    QCoreApplication::processEvents();
    EXPECT_TRUE(requested.load());
    EXPECT_EQ(window->messageLink()->text(), "Norvale Software");
    EXPECT_EQ(window->messageTarget(), "http://www.norvalesoftware.com");
}

TEST_F(MessageLineTest, WindowDestroyedWhileTheMessageIsOnItsWay) {
    serve("PROTOSCRIBE TAGLINE\nLate news\nhttps://late.example.test/\n", true);
    const int before = MessageLine::runningThreads();
    window->initialise();
    ASSERT_TRUE(QTest::qWaitFor([&] { return requested.load(); }));
    EXPECT_EQ(MessageLine::runningThreads(), before + 1);
    window.reset();
    server.release();
    // The download ends on its own; its message goes nowhere.
    EXPECT_TRUE(QTest::qWaitFor([&] { return MessageLine::runningThreads() == before; }));
    QCoreApplication::processEvents();
}

} // namespace
