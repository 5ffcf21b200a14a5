#pragma once

#include <chrono>
#include <condition_variable>
#include <httplib.h>
#include <mutex>
#include <string>
#include <thread>

// An HTTP server on 127.0.0.1 at a free port, run on its own thread. Register the
// routes on server(), then start(). Handlers that stall wait in waitForRelease(),
// which the destructor ends so the server can shut down.
class LoopbackServer {
public:
    LoopbackServer();
    ~LoopbackServer();
    LoopbackServer(const LoopbackServer&) = delete;
    LoopbackServer& operator=(const LoopbackServer&) = delete;

    httplib::Server& server() { return m_server; }
    void start();

    int port() const { return m_port; }
    // "127.0.0.1:port", an address without a scheme.
    std::string hostAndPort() const;
    // "http://127.0.0.1:port"
    std::string base() const;

    // True when released, false when `longest` passed first.
    bool waitForRelease(std::chrono::milliseconds longest);
    void release();

    // Answers `path` with `status` and a body that never ends: one byte every
    // 50 ms, each in time for any stall detection, until released or the
    // client goes.
    void serveTrickle(const std::string& path, int status = 200);
    // Gives `response` that body.
    void trickle(httplib::Response& response);

    // A port on 127.0.0.1 where nothing listens.
    static int unusedPort();

private:
    httplib::Server m_server;
    std::thread m_thread;
    int m_port = -1;
    std::mutex m_mutex;
    std::condition_variable m_released;
    bool m_isReleased = false;
};
