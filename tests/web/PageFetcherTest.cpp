#include "web/PageFetcher.h"

#include "web/HttpTransfer.h"
#include "web/LinesOf.h"
#include "web/LoopbackServer.h"
#include "web/PeakMemory.h"

#include <atomic>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;

namespace {

void serveText(httplib::Server& server, const std::string& path, const std::string& body,
               int status = 200) {
    server.Get(path, [body, status](const httplib::Request&, httplib::Response& response) {
        response.status = status;
        response.set_content(body, "text/html");
    });
}

void serveRedirect(httplib::Server& server, const std::string& path, const std::string& location,
                   int status = 302) {
    server.Get(path, [location, status](const httplib::Request&, httplib::Response& response) {
        response.status = status;
        response.set_header("Location", location);
        response.set_content("moved", "text/html");
    });
}

} // namespace

TEST(PageFetcherAddress, SchemeIsAddedOnlyWhenMissing) {
    EXPECT_EQ(HttpTransfer::withScheme("example.org/a"), "http://example.org/a");
    EXPECT_EQ(HttpTransfer::withScheme("HTTP://example.org/a"), "HTTP://example.org/a");
    EXPECT_EQ(HttpTransfer::withScheme("hTtPs://example.org/a"), "hTtPs://example.org/a");
    // Not a scheme of ours: treated as a host name, and then unusable.
    EXPECT_EQ(HttpTransfer::withScheme("ftp://example.org/a"), "http://ftp://example.org/a");
    EXPECT_EQ(HttpTransfer::withScheme("xhttp://example.org"), "http://xhttp://example.org");
}

TEST(PageFetcherAddress, UnusableAddressesYieldNone) {
    PageFetcher fetcher;
    EXPECT_EQ(linesOf(fetcher.fetch("http://")), std::nullopt);
    EXPECT_EQ(linesOf(fetcher.fetch("http://bad host/page")), std::nullopt);
}

TEST(PageFetcher, FetchesBodyLinesWithAndWithoutScheme) {
    LoopbackServer loopback;
    serveText(loopback.server(), "/page", "first\r\nsecond\n\nlast");
    loopback.start();

    PageFetcher fetcher;
    EXPECT_EQ(linesOf(fetcher.fetch(loopback.hostAndPort() + "/page")),
              Lines({"first", "second", "", "last"}));
    EXPECT_EQ(linesOf(fetcher.lines()), Lines({"first", "second", "", "last"}));
    EXPECT_EQ(linesOf(fetcher.fetch("HTTP://" + loopback.hostAndPort() + "/page")),
              Lines({"first", "second", "", "last"}));
    EXPECT_EQ(linesOf(fetcher.fetch(loopback.base() + "/page", PageFetcher::Verb::Head)), Lines());
    EXPECT_TRUE(fetcher.lines().empty());
}

TEST(PageFetcher, SendsItsHeadersAndAsksForAFreshCopy) {
    LoopbackServer loopback;
    std::vector<httplib::Headers> seen;
    loopback.server().Get("/h", [&seen](const httplib::Request& request, httplib::Response& r) {
        seen.push_back(request.headers);
        r.set_content("ok", "text/plain");
    });
    loopback.start();

    PageFetcher fetcher;
    ASSERT_TRUE(fetcher.fetch(loopback.base() + "/h"));
    ASSERT_TRUE(fetcher.fetch(loopback.base() + "/h", PageFetcher::Verb::Get, "http://from/"));
    ASSERT_TRUE(fetcher.fetch(loopback.base() + "/h", PageFetcher::Verb::Get,
                              "http://from/\r\nX-Injected: yes"));
    ASSERT_EQ(seen.size(), 3u);

    const auto value = [](const httplib::Headers& headers, const std::string& name) {
        const auto it = headers.find(name);
        return it == headers.end() ? std::string("<none>") : it->second;
    };
    EXPECT_EQ(value(seen[0], "Accept"), "text/*");
    EXPECT_EQ(value(seen[0], "User-Agent"), "Microsoft Internet Explorer");
    EXPECT_EQ(value(seen[0], "Cache-Control"), "no-cache");
    EXPECT_EQ(value(seen[0], "Referer"), "<none>");
    EXPECT_EQ(value(seen[1], "Referer"), "http://from/");
    EXPECT_EQ(value(seen[2], "X-Injected"), "<none>");
}

TEST(PageFetcher, ErrorPagesAreReturnedLikeAnyBody) {
    LoopbackServer loopback;
    serveText(loopback.server(), "/missing", "<h1>Not here</h1>\r\n", 404);
    serveText(loopback.server(), "/broken", "oops", 500);
    loopback.start();

    PageFetcher fetcher;
    EXPECT_EQ(linesOf(fetcher.fetch(loopback.base() + "/missing")), Lines({"<h1>Not here</h1>"}));
    EXPECT_EQ(linesOf(fetcher.fetch(loopback.base() + "/broken")), Lines({"oops"}));
}

TEST(PageFetcher, UnreachableServerGivesEmptyListAndNoMessage) {
    std::vector<std::string> messages;
    PageFetcher fetcher({}, [&messages](const std::string& text) { messages.push_back(text); });
    const auto lines = fetcher.fetch("127.0.0.1:" + std::to_string(LoopbackServer::unusedPort()));
    ASSERT_TRUE(lines.has_value());
    EXPECT_TRUE(lines->empty());
    EXPECT_TRUE(messages.empty());
}

class PageFetcherRedirect : public ::testing::TestWithParam<int> {};

TEST_P(PageFetcherRedirect, OneRedirectIsFollowed) {
    LoopbackServer loopback;
    serveRedirect(loopback.server(), "/old", loopback.base() + "/new", GetParam());
    serveRedirect(loopback.server(), "/relative", "/new", GetParam());
    loopback.server().Get("/lower", [&loopback](const httplib::Request&, httplib::Response& r) {
        r.status = GetParam();
        r.set_header("location", loopback.base() + "/new");
    });
    serveText(loopback.server(), "/new", "arrived\n");
    loopback.start();

    PageFetcher fetcher;
    EXPECT_EQ(linesOf(fetcher.fetch(loopback.base() + "/old")), Lines({"arrived"}));
    EXPECT_EQ(linesOf(fetcher.fetch(loopback.base() + "/relative")), Lines({"arrived"}));
    // Header names are case-insensitive; servers speaking HTTP/2 send them in lower case.
    EXPECT_EQ(linesOf(fetcher.fetch(loopback.base() + "/lower")), Lines({"arrived"}));
}

INSTANTIATE_TEST_SUITE_P(FollowedStatuses, PageFetcherRedirect, ::testing::Values(301, 302, 303));

TEST(PageFetcher, RedirectsThatCannotEndInAPageYieldNone) {
    LoopbackServer loopback;
    httplib::Server& server = loopback.server();
    serveRedirect(server, "/first", "/second");
    serveRedirect(server, "/second", "/page");
    serveText(server, "/page", "never read");
    serveRedirect(server, "/to-missing", "/missing");
    serveText(server, "/missing", "gone", 404);
    serveRedirect(server, "/to-file", "file:///etc/passwd");
    server.Get("/no-location", [](const httplib::Request&, httplib::Response& response) {
        response.status = 302;
        response.set_content("no location", "text/plain");
    });
    loopback.start();

    PageFetcher fetcher;
    EXPECT_EQ(linesOf(fetcher.fetch(loopback.base() + "/first")), std::nullopt);
    EXPECT_EQ(linesOf(fetcher.fetch(loopback.base() + "/to-missing")), std::nullopt);
    EXPECT_EQ(linesOf(fetcher.fetch(loopback.base() + "/to-file")), std::nullopt);
    EXPECT_EQ(linesOf(fetcher.fetch(loopback.base() + "/no-location")), std::nullopt);
    EXPECT_TRUE(fetcher.lines().empty());
}

TEST(PageFetcher, OtherRedirectStatusesAreReturnedAsBodies) {
    LoopbackServer loopback;
    serveRedirect(loopback.server(), "/temporary", "/page", 307);
    serveText(loopback.server(), "/page", "not reached");
    loopback.start();

    PageFetcher fetcher;
    EXPECT_EQ(linesOf(fetcher.fetch(loopback.base() + "/temporary")), Lines({"moved"}));
}

class PageFetcherAuthentication : public ::testing::Test {
protected:
    void SetUp() override {
        loopback.server().Get(
            "/private", [](const httplib::Request& request, httplib::Response& response) {
                // "user:secret"
                if (request.get_header_value("Authorization") == "Basic dXNlcjpzZWNyZXQ=") {
                    response.set_content("welcome\n", "text/plain");
                    return;
                }
                response.status = 401;
                response.set_header("WWW-Authenticate", "Basic realm=\"trials\"");
                response.set_content("denied\n", "text/plain");
            });
        loopback.start();
    }

    PageFetcher fetcherAnswering(std::optional<PageFetcher::Credentials> answer) {
        return PageFetcher([this, answer](const std::string& address) {
            asked.push_back(address);
            return answer;
        });
    }

    LoopbackServer loopback;
    std::vector<std::string> asked;
};

TEST_F(PageFetcherAuthentication, CredentialsFromTheCallbackAreSent) {
    PageFetcher fetcher = fetcherAnswering(PageFetcher::Credentials{"user", "secret"});
    EXPECT_EQ(linesOf(fetcher.fetch(loopback.base() + "/private")), Lines({"welcome"}));
    EXPECT_THAT(asked, ElementsAre(loopback.base() + "/private"));
}

TEST_F(PageFetcherAuthentication, WrongCredentialsAreAskedForOnce) {
    PageFetcher fetcher = fetcherAnswering(PageFetcher::Credentials{"user", "guess"});
    EXPECT_EQ(linesOf(fetcher.fetch(loopback.base() + "/private")), Lines({"denied"}));
    EXPECT_EQ(asked.size(), 1u);
}

TEST_F(PageFetcherAuthentication, CancelledOrMissingCallbackGivesTheRefusalPage) {
    PageFetcher fetcher = fetcherAnswering(std::nullopt);
    EXPECT_EQ(linesOf(fetcher.fetch(loopback.base() + "/private")), Lines({"denied"}));
    EXPECT_EQ(asked.size(), 1u);

    PageFetcher withoutCallback;
    EXPECT_EQ(linesOf(withoutCallback.fetch(loopback.base() + "/private")), Lines({"denied"}));
}

TEST(PageFetcherLimits, StalledServerIsAbandonedKeepingCompleteLines) {
    LoopbackServer loopback;
    loopback.server().Get("/stall", [&loopback](const httplib::Request&, httplib::Response& r) {
        r.set_chunked_content_provider("text/plain",
                                       [&loopback](std::size_t, httplib::DataSink& sink) {
                                           const std::string start = "complete\npart";
                                           sink.write(start.data(), start.size());
                                           loopback.waitForRelease(std::chrono::seconds(20));
                                           return false;
                                       });
    });
    loopback.start();

    PageFetcher fetcher;
    const auto begin = std::chrono::steady_clock::now();
    const auto lines = linesOf(fetcher.fetch(loopback.base() + "/stall"));
    const auto elapsed = std::chrono::steady_clock::now() - begin;
    loopback.release();

    EXPECT_EQ(lines, Lines({"complete"}));
    EXPECT_LT(elapsed, std::chrono::seconds(9));
}

TEST(PageFetcherLimits, EndlessBodyIsCutAtTheLimit) {
    LoopbackServer loopback;
    loopback.server().Get("/endless", [](const httplib::Request&, httplib::Response& response) {
        response.set_chunked_content_provider(
            "text/plain", [](std::size_t offset, httplib::DataSink& sink) {
                const std::string chunk(64 * 1024 - 1, 'x');
                // Stops on its own well past the limit in case the client never does.
                return offset < 4 * HttpTransfer::kMaxBodyBytes &&
                       sink.write(chunk.data(), chunk.size()) && sink.write("\n", 1);
            });
    });
    loopback.start();

    PageFetcher fetcher;
    const auto lines = linesOf(fetcher.fetch(loopback.base() + "/endless"));
    ASSERT_TRUE(lines.has_value());
    std::size_t bytes = 0;
    for (const std::string& line : *lines) {
        bytes += line.size() + 1;
    }
    EXPECT_GT(lines->size(), 100u);
    EXPECT_LE(bytes, HttpTransfer::kMaxBodyBytes);
    EXPECT_EQ(lines->back(), std::string(64 * 1024 - 1, 'x'));
}

TEST(PageFetcherLimits, MillionsOfEmptyLinesStayOneText) {
    LoopbackServer loopback;
    serveText(loopback.server(), "/empty", std::string(HttpTransfer::kMaxBodyBytes, '\n'));
    loopback.start();

    PageFetcher fetcher;
    forgetPeakMemory();
    const std::size_t before = peakMemoryBytes();
    std::size_t count = 0;
    if (const auto lines = fetcher.fetch(loopback.base() + "/empty")) {
        for (const std::string_view line : *lines) {
            count += line.empty() ? 1 : 0;
        }
    }
    EXPECT_EQ(count, HttpTransfer::kMaxBodyBytes);
    EXPECT_LT(peakMemoryBytes() - before, 160u << 20);
}

TEST(PageFetcherLocking, FetchesFromSeveralThreadsRunOneAfterAnother) {
    LoopbackServer loopback;
    std::atomic<int> running = 0;
    std::atomic<int> mostAtOnce = 0;
    loopback.server().Get("/slow", [&](const httplib::Request&, httplib::Response& response) {
        const int now = ++running;
        mostAtOnce = std::max(mostAtOnce.load(), now);
        std::this_thread::sleep_for(std::chrono::milliseconds(150));
        --running;
        response.set_content("done", "text/plain");
    });
    loopback.start();

    std::vector<std::thread> threads;
    std::atomic<int> succeeded = 0;
    for (int i = 0; i < 3; ++i) {
        threads.emplace_back([&] {
            PageFetcher fetcher;
            if (linesOf(fetcher.fetch(loopback.base() + "/slow")) == Lines({"done"})) {
                ++succeeded;
            }
        });
    }
    for (std::thread& thread : threads) {
        thread.join();
    }
    EXPECT_EQ(succeeded, 3);
    EXPECT_EQ(mostAtOnce, 1);
}
