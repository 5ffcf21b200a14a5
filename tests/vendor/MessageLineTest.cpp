#include "vendor/MessageLine.h"

#include "web/LoopbackServer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QThread>
#include <QWidget>
#include <atomic>
#include <gtest/gtest.h>
#include <memory>

namespace {

const std::string kDefault = "http://maker.test/Protoscribe";

// A page of the given lines.
TextLines page(std::initializer_list<std::string_view> lines) {
    std::string text;
    for (const std::string_view line : lines) {
        text.append(line).append("\n");
    }
    return TextLines(std::move(text));
}

template <typename Predicate> bool processEventsUntil(Predicate done, int milliseconds = 10000) {
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < milliseconds) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return done();
}

struct Delivery {
    QString text;
    QString target;
};

// A maker's site on 127.0.0.1 whose message page is `page`; with `stall` the
// page is answered only after release().
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
    }

    std::unique_ptr<MessageLine> makeLine() {
        return std::make_unique<MessageLine>(server.base(),
                                             CacheDownload(cache.path().toStdString()));
    }

    MessageLine::Callback recorder() {
        return [this](const QString& text, const QString& target) {
            deliveries.push_back({text, target});
        };
    }

    QTemporaryDir cache;
    LoopbackServer server;
    std::atomic<bool> requested{false};
    std::vector<Delivery> deliveries;
};

} // namespace

TEST(MessageLinePageTest, AddressesAreOnTheMakersSite) {
    EXPECT_EQ(MessageLine::pageAddress("http://maker.test"),
              "http://maker.test/Protoscribe/TagLine");
    EXPECT_EQ(MessageLine::defaultTarget("http://maker.test/"), kDefault);
}

TEST(MessageLinePageTest, PageWithoutMarkerYieldsNothing) {
    EXPECT_FALSE(MessageLine::messageFrom(TextLines(), kDefault));
    EXPECT_FALSE(
        MessageLine::messageFrom(page({"<html>", "protoscribe tagline", "text"}), kDefault));
}

TEST(MessageLinePageTest, LastEntryWins) {
    const auto message = MessageLine::messageFrom(
        page({"<!-- PROTOSCRIBE TAGLINE -->", "First", "http://one.test/",
              "<!-- PROTOSCRIBE TAGLINE -->", "Second", "https://two.test/news", "trailing"}),
        kDefault);
    ASSERT_TRUE(message);
    EXPECT_EQ(message->text, QStringLiteral("Second"));
    EXPECT_EQ(message->target, QStringLiteral("https://two.test/news"));
}

TEST(MessageLinePageTest, EntryValueLinesAreNotMarkers) {
    // The text and target lines of an entry are taken as they are.
    const auto message = MessageLine::messageFrom(
        page({"PROTOSCRIBE TAGLINE", "PROTOSCRIBE TAGLINE in the text", "http://t.test/"}),
        kDefault);
    ASSERT_TRUE(message);
    EXPECT_EQ(message->text, QStringLiteral("PROTOSCRIBE TAGLINE in the text"));
    EXPECT_EQ(message->target, QStringLiteral("http://t.test/"));
}

TEST(MessageLinePageTest, MissingOrEmptyTargetUsesTheDefault) {
    const auto lastLine = MessageLine::messageFrom(page({"x", "PROTOSCRIBE TAGLINE"}), kDefault);
    ASSERT_TRUE(lastLine);
    EXPECT_EQ(lastLine->text, QString());
    EXPECT_EQ(lastLine->target, QString::fromStdString(kDefault));

    const auto noTarget = MessageLine::messageFrom(page({"PROTOSCRIBE TAGLINE", "News"}), kDefault);
    ASSERT_TRUE(noTarget);
    EXPECT_EQ(noTarget->text, QStringLiteral("News"));
    EXPECT_EQ(noTarget->target, QString::fromStdString(kDefault));

    const auto empty =
        MessageLine::messageFrom(page({"PROTOSCRIBE TAGLINE", "News", ""}), kDefault);
    ASSERT_TRUE(empty);
    EXPECT_EQ(empty->target, QString::fromStdString(kDefault));
}

TEST(MessageLinePageTest, TargetsOtherThanWebAddressesAreReplaced) {
    for (const char* target : {"file:///etc/passwd", "javascript:alert(1)", "/bin/sh",
                               "mailto:someone@example.test", "news", "http://"}) {
        const auto message =
            MessageLine::messageFrom(page({"PROTOSCRIBE TAGLINE", "News", target}), kDefault);
        ASSERT_TRUE(message);
        EXPECT_EQ(message->target, QString::fromStdString(kDefault)) << target;
    }
}

TEST(MessageLinePageTest, LongTextsAreCutAndLongTargetsReplaced) {
    const std::string eAcute = "\xC3\xA9";
    const std::string clef = "\xF0\x9D\x84\x9E"; // two UTF-16 units
    const auto repeated = [](const std::string& piece, std::size_t count) {
        std::string text;
        for (std::size_t i = 0; i < count; ++i) {
            text += piece;
        }
        return text;
    };
    const std::string longTarget =
        "http://t.test/" + std::string(MessageLine::kMaxTargetBytes, 'a');
    const std::string fullTarget = longTarget.substr(0, MessageLine::kMaxTargetBytes);
    const struct {
        std::string text;
        std::string target;
        QString shownText;
        std::string shownTarget;
    } cases[] = {
        {std::string(16u << 20, 'x'), fullTarget, QString(MessageLine::kMaxTextLength, 'x'),
         fullTarget},
        {repeated(eAcute, 600), longTarget, QString::fromStdString(repeated(eAcute, 500)),
         kDefault},
        // Cut before a character that would not fit whole.
        {"a" + repeated(clef, 300), "", QString::fromStdString("a" + repeated(clef, 249)),
         kDefault},
    };
    for (const auto& c : cases) {
        const auto message =
            MessageLine::messageFrom(page({"PROTOSCRIBE TAGLINE", c.text, c.target}), kDefault);
        ASSERT_TRUE(message);
        EXPECT_EQ(message->text, c.shownText);
        EXPECT_EQ(message->target, QString::fromStdString(c.shownTarget));
    }
}

TEST_F(MessageLineTest, DeliversTheLastEntryOnTheReceiversThread) {
    serve("Welcome\nPROTOSCRIBE TAGLINE\nOld news\n\nPROTOSCRIBE TAGLINE\r\nNew release\r\n"
          "file:///etc/passwd\r\n");
    QObject receiver;
    auto line = makeLine();
    Qt::HANDLE deliveredOn = nullptr;
    ASSERT_TRUE(line->start(&receiver, [&](const QString& text, const QString& target) {
        deliveredOn = QThread::currentThreadId();
        deliveries.push_back({text, target});
    }));
    EXPECT_FALSE(line->start(&receiver, recorder())) << "starts only once";
    ASSERT_TRUE(processEventsUntil([&] { return !deliveries.empty(); }));
    ASSERT_EQ(deliveries.size(), 1u);
    EXPECT_EQ(deliveries[0].text, QStringLiteral("New release"));
    EXPECT_EQ(deliveries[0].target, QString::fromStdString(line->defaultTarget()));
    EXPECT_EQ(deliveredOn, QThread::currentThreadId());
    EXPECT_TRUE(line->waitForFinished(std::chrono::seconds(5)));
}

TEST_F(MessageLineTest, PageWithoutEntryOrFailedDownloadDeliversNothing) {
    serve("<html>nothing for you</html>\n");
    QObject receiver;
    auto line = makeLine();
    line->start(&receiver, recorder());
    ASSERT_TRUE(line->waitForFinished(std::chrono::seconds(10)));
    QCoreApplication::processEvents();
    EXPECT_TRUE(deliveries.empty());

    MessageLine unreachable("http://127.0.0.1:" + std::to_string(LoopbackServer::unusedPort()),
                            CacheDownload(cache.path().toStdString()));
    unreachable.start(&receiver, recorder());
    ASSERT_TRUE(unreachable.waitForFinished(std::chrono::seconds(10)));
    QCoreApplication::processEvents();
    EXPECT_TRUE(deliveries.empty());
}

TEST_F(MessageLineTest, WindowClosedWhileTheServerWaitsGetsNothing) {
    serve("PROTOSCRIBE TAGLINE\nLate news\nhttp://late.test/\n", true);
    auto window = std::make_unique<QWidget>();
    auto line = makeLine();
    line->start(window.get(), [&](const QString& text, const QString& target) {
        // Would touch the window; must never run once it is gone.
        window->setWindowTitle(text);
        deliveries.push_back({text, target});
    });
    ASSERT_TRUE(processEventsUntil([&] { return requested.load(); }));
    window.reset();
    server.release();
    ASSERT_TRUE(line->waitForFinished(std::chrono::seconds(10)));
    QCoreApplication::processEvents();
    EXPECT_TRUE(deliveries.empty());
}

TEST_F(MessageLineTest, ResultPostedBeforeTheWindowClosedIsDropped) {
    serve("PROTOSCRIBE TAGLINE\nNews\nhttp://news.test/\n");
    auto window = std::make_unique<QWidget>();
    auto line = makeLine();
    line->start(window.get(), recorder());
    // The call is queued by now, but the window goes before events are processed.
    ASSERT_TRUE(line->waitForFinished(std::chrono::seconds(10)));
    window.reset();
    QCoreApplication::processEvents();
    EXPECT_TRUE(deliveries.empty());

    // Likewise when the owner stops (destroys) the message line first.
    QObject receiver;
    auto second = makeLine();
    second->start(&receiver, recorder());
    ASSERT_TRUE(second->waitForFinished(std::chrono::seconds(10)));
    second.reset();
    QCoreApplication::processEvents();
    EXPECT_TRUE(deliveries.empty());
}

TEST_F(MessageLineTest, DestroyedWhileDownloadingLeavesTheThreadToEnd) {
    serve("PROTOSCRIBE TAGLINE\nLate news\nhttp://late.test/\n", true);
    const int before = MessageLine::runningThreads();
    {
        QObject receiver;
        auto line = makeLine();
        line->start(&receiver, recorder());
        ASSERT_TRUE(processEventsUntil([&] { return requested.load(); }));
        EXPECT_EQ(MessageLine::runningThreads(), before + 1);
        line.reset(); // returns at once, the thread still waits for its answer
    }
    server.release();
    EXPECT_TRUE(processEventsUntil([&] { return MessageLine::runningThreads() == before; }));
    EXPECT_TRUE(deliveries.empty());
}
