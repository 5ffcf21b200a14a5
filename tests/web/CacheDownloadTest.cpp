#include "web/CacheDownload.h"

#include "web/HttpTransfer.h"
#include "web/LinesOf.h"
#include "web/LoopbackServer.h"
#include "web/PeakMemory.h"
#include "web/TemporaryFolder.h"

#include <fstream>
#include <gtest/gtest.h>

namespace {

// Sets an environment variable for the life of the object, then restores it.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const char* value) : m_name(name) {
        if (const char* old = std::getenv(name)) {
            m_old = old;
        }
        if (value != nullptr) {
            setenv(name, value, 1);
        } else {
            unsetenv(name);
        }
    }
    ~ScopedEnvironment() {
        if (m_old) {
            setenv(m_name, m_old->c_str(), 1);
        } else {
            unsetenv(m_name);
        }
    }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    const char* m_name;
    std::optional<std::string> m_old;
};

class CacheDownloadTest : public ::testing::Test {
protected:
    void serve(const std::string& path, const std::string& body, int status = 200) {
        loopback.server().Get(path, [body, status](const httplib::Request&, httplib::Response& r) {
            r.status = status;
            r.set_content(body, "text/html");
        });
    }
    void redirect(const std::string& path, const std::string& location) {
        loopback.server().Get(path, [location](const httplib::Request&, httplib::Response& r) {
            r.set_redirect(location, 302);
        });
    }

    TemporaryFolder folder;
    LoopbackServer loopback;
    CacheDownload cache{folder.path() + "/cache/Protoscribe"};
};

} // namespace

TEST_F(CacheDownloadTest, FollowsRedirectsIntoAFileOfTheCacheFolder) {
    redirect("/a", "/b");
    redirect("/b", loopback.base() + "/c");
    serve("/c", "hello\r\nworld\n");
    loopback.start();

    const auto path = cache.download(loopback.base() + "/a");
    ASSERT_TRUE(path.has_value());
    EXPECT_EQ(std::filesystem::path(*path).parent_path(), cache.directory());
    EXPECT_EQ(linesOf(CacheDownload::readLines(*path)), Lines({"hello", "world"}));
    EXPECT_EQ(std::filesystem::status(*path).permissions() & std::filesystem::perms::others_read,
              std::filesystem::perms::none);
}

TEST_F(CacheDownloadTest, EachAddressHasOneCopyReplacedByTheNextDownload) {
    int version = 0;
    loopback.server().Get("/changing", [&version](const httplib::Request&, httplib::Response& r) {
        r.set_content("version " + std::to_string(++version), "text/plain");
    });
    serve("/other", "other");
    loopback.start();

    const auto first = cache.download(loopback.hostAndPort() + "/changing");
    const auto second = cache.download(loopback.hostAndPort() + "/changing");
    const auto other = cache.download(loopback.hostAndPort() + "/other");
    ASSERT_TRUE(first && second && other);
    EXPECT_EQ(*first, *second);
    EXPECT_NE(*first, *other);
    EXPECT_EQ(linesOf(CacheDownload::readLines(*second)), Lines({"version 2"}));
    EXPECT_EQ(linesOf(CacheDownload::readLines(*other)), Lines({"other"}));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(cache.directory()),
                            std::filesystem::directory_iterator()),
              2);
}

TEST_F(CacheDownloadTest, FailedDownloadsLeaveNoFileBehind) {
    serve("/missing", "not found", 404);
    redirect("/loop", "/loop");
    redirect("/to-file", "file:///etc/passwd");
    loopback.server().Get("/endless", [](const httplib::Request&, httplib::Response& response) {
        response.set_chunked_content_provider("application/octet-stream",
                                              [](std::size_t offset, httplib::DataSink& sink) {
                                                  const std::string chunk(64 * 1024, 'z');
                                                  return offset < 4 * HttpTransfer::kMaxBodyBytes &&
                                                         sink.write(chunk.data(), chunk.size());
                                              });
    });
    loopback.start();

    EXPECT_EQ(cache.download(loopback.base() + "/missing"), std::nullopt);
    EXPECT_EQ(cache.download(loopback.base() + "/loop"), std::nullopt);
    EXPECT_EQ(cache.download(loopback.base() + "/to-file"), std::nullopt);
    EXPECT_EQ(cache.download(loopback.base() + "/endless"), std::nullopt);
    EXPECT_EQ(cache.download("127.0.0.1:" + std::to_string(LoopbackServer::unusedPort())),
              std::nullopt);
    EXPECT_EQ(cache.download("http://bad host/"), std::nullopt);
    EXPECT_TRUE(std::filesystem::is_empty(cache.directory()));
}

TEST_F(CacheDownloadTest, StalledServerIsAbandoned) {
    loopback.server().Get("/stall", [this](const httplib::Request&, httplib::Response& r) {
        r.set_chunked_content_provider("text/plain", [this](std::size_t, httplib::DataSink& sink) {
            sink.write("begun\n", 6);
            loopback.waitForRelease(std::chrono::seconds(20));
            return false;
        });
    });
    loopback.start();

    const auto begin = std::chrono::steady_clock::now();
    EXPECT_EQ(cache.download(loopback.base() + "/stall"), std::nullopt);
    EXPECT_LT(std::chrono::steady_clock::now() - begin, std::chrono::seconds(9));
    loopback.release();
    EXPECT_TRUE(std::filesystem::is_empty(cache.directory()));
}

TEST(CacheDownloadFolder, DefaultFolderFollowsTheXdgCacheHome) {
    const ScopedEnvironment home("HOME", "/home/tester");
    {
        const ScopedEnvironment xdg("XDG_CACHE_HOME", "/var/cache/tester");
        EXPECT_EQ(CacheDownload::defaultDirectory(), "/var/cache/tester/Protoscribe");
    }
    {
        // Relative values are to be ignored.
        const ScopedEnvironment xdg("XDG_CACHE_HOME", "relative/cache");
        EXPECT_EQ(CacheDownload::defaultDirectory(), "/home/tester/.cache/Protoscribe");
    }
    const ScopedEnvironment xdg("XDG_CACHE_HOME", nullptr);
    EXPECT_EQ(CacheDownload::defaultDirectory(), "/home/tester/.cache/Protoscribe");
    EXPECT_EQ(CacheDownload().directory(), "/home/tester/.cache/Protoscribe");
    const ScopedEnvironment noHome("HOME", nullptr);
    EXPECT_EQ(CacheDownload::defaultDirectory(), "");
    EXPECT_EQ(CacheDownload().download("127.0.0.1/"), std::nullopt);
}

TEST(CacheDownloadReading, LinesLoseTheirLineEnds) {
    const TemporaryFolder folder;
    const std::string path = folder.path() + "/page";
    std::ofstream(path, std::ios::binary) << "one\r\ntwo\n\nthree\rstill three";
    EXPECT_EQ(linesOf(CacheDownload::readLines(path)),
              Lines({"one", "two", "", "three\rstill three"}));
    EXPECT_EQ(linesOf(CacheDownload::readLines(folder.path() + "/absent")), std::nullopt);
}

TEST(CacheDownloadReading, MillionsOfEmptyLinesStayOneText) {
    const TemporaryFolder folder;
    const std::string path = folder.path() + "/page";
    std::ofstream(path, std::ios::binary) << std::string(HttpTransfer::kMaxBodyBytes, '\n');
    forgetPeakMemory();
    const std::size_t before = peakMemoryBytes();
    std::size_t count = 0;
    if (const auto lines = CacheDownload::readLines(path)) {
        for (const std::string_view line : *lines) {
            count += line.empty() ? 1 : 0;
        }
    }
    EXPECT_EQ(count, HttpTransfer::kMaxBodyBytes);
    EXPECT_LT(peakMemoryBytes() - before, 96u << 20);
}
