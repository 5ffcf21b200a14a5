#include "web/CacheDownload.h"
#include "web/LinesOf.h"
#include "web/LoopbackServer.h"
#include "web/PageFetcher.h"
#include "web/PubMedLookup.h"
#include "web/TemporaryFolder.h"

#include <gtest/gtest.h>
#include <thread>

using namespace std::chrono_literals;

namespace {

// Servers that never finish an answer, each in its own way. Every action
// against them must end by its time limit; the slack covers a loaded machine,
// not a second request.
class ActionTimeLimit : public ::testing::Test {
protected:
    static constexpr std::chrono::milliseconds kLimit = 400ms;
    static constexpr std::chrono::milliseconds kSlack = 1100ms;

    void SetUp() override {
        httplib::Server& server = loopback.server();
        server.Get("/stall", [this](const httplib::Request&, httplib::Response& response) {
            loopback.waitForRelease(20s);
            response.set_content("late", "text/plain");
        });
        loopback.serveTrickle("/trickle");
        loopback.serveTrickle("/unauthorized", 401);
        server.Get("/to-trickle", [](const httplib::Request&, httplib::Response& response) {
            response.set_redirect("/trickle", 302);
        });
        // An endless chain of slow redirects, each well inside the stall time.
        server.Get(R"(/loop/(\d+))",
                   [this](const httplib::Request& request, httplib::Response& response) {
                       loopback.waitForRelease(300ms);
                       response.set_redirect(
                           "/loop/" + std::to_string(std::stoi(request.matches[1]) + 1), 302);
                   });
        server.Get("/private", [](const httplib::Request& request, httplib::Response& response) {
            if (request.get_header_value("Authorization") == "Basic dXNlcjpzZWNyZXQ=") {
                response.set_content("welcome\n", "text/plain");
                return;
            }
            response.status = 401;
            response.set_header("WWW-Authenticate", "Basic realm=\"trials\"");
        });
        server.Get(R"(/pubmed/(.*))", [](const httplib::Request&, httplib::Response& r) {
            r.set_redirect("/trickle", 302);
        });
        server.Get("/entrez/eutils/esummary.fcgi",
                   [this](const httplib::Request&, httplib::Response& response) {
                       ++summaryRequests;
                       response.set_redirect("/trickle", 302);
                   });
        loopback.start();
    }

    template <typename Action> std::chrono::steady_clock::duration timed(Action action) {
        const auto begin = std::chrono::steady_clock::now();
        action();
        return std::chrono::steady_clock::now() - begin;
    }

    static PageFetcher::Credentials secret() { return {"user", "secret"}; }

    LoopbackServer loopback;
    TemporaryFolder folder;
    std::atomic<int> summaryRequests = 0;
};

} // namespace

TEST_F(ActionTimeLimit, AFetchEndsWithItsRedirectAndCredentialsStep) {
    PageFetcher fetcher([](const std::string&) { return std::optional(secret()); });
    fetcher.setTimeLimit(kLimit);
    for (const char* path : {"/stall", "/trickle", "/unauthorized", "/to-trickle"}) {
        EXPECT_LT(timed([&] { fetcher.fetch(loopback.base() + path); }), kLimit + kSlack) << path;
    }
}

TEST_F(ActionTimeLimit, WaitingForAnotherFetchCountsToo) {
    std::thread other([this] {
        PageFetcher slow;
        slow.setTimeLimit(kLimit + kSlack);
        slow.fetch(loopback.base() + "/trickle");
    });
    std::this_thread::sleep_for(100ms);
    PageFetcher fetcher;
    fetcher.setTimeLimit(kLimit);
    std::optional<TextLines> lines;
    EXPECT_LT(timed([&] { lines = fetcher.fetch(loopback.base() + "/private"); }),
              kLimit + kSlack / 2);
    EXPECT_EQ(linesOf(lines), Lines());
    other.join();
}

TEST_F(ActionTimeLimit, TheUserAnsweringThePromptSpendsNoneOfIt) {
    PageFetcher fetcher([](const std::string&) {
        std::this_thread::sleep_for(kLimit + 200ms);
        return std::optional(secret());
    });
    fetcher.setTimeLimit(kLimit);
    EXPECT_EQ(linesOf(fetcher.fetch(loopback.base() + "/private")), Lines({"welcome"}));
}

TEST_F(ActionTimeLimit, ADownloadEndsWhateverItsRedirects) {
    const CacheDownload cache(folder.path());
    for (const char* path : {"/stall", "/trickle", "/to-trickle", "/loop/0"}) {
        std::optional<std::string> file;
        EXPECT_LT(timed([&] { file = cache.download(loopback.base() + path, Deadline(kLimit)); }),
                  kLimit + kSlack)
            << path;
        EXPECT_EQ(file, std::nullopt) << path;
    }
}

TEST_F(ActionTimeLimit, ACitationLookUpSharesOneLimitBetweenItsServices) {
    PubMedLookup lookup(loopback.base(), loopback.base(), CacheDownload(folder.path()));
    lookup.setTimeLimit(kLimit);
    std::string citation = "unset";
    EXPECT_LT(timed([&] { citation = lookup.lookUpCitation("123"); }), kLimit + kSlack);
    EXPECT_EQ(citation, "");
    // The page took all the time: the summary service is not even asked.
    EXPECT_EQ(summaryRequests, 0);
}
