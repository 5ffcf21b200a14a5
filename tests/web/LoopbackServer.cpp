#include "web/LoopbackServer.h"

#include <arpa/inet.h>
#include <cstdlib>
#include <netinet/in.h>
#include <stdexcept>
#include <sys/socket.h>
#include <unistd.h>

LoopbackServer::LoopbackServer() {
    // The tests talk to 127.0.0.1 directly, never through a proxy from the environment.
    for (const char* name :
         {"http_proxy", "HTTP_PROXY", "https_proxy", "HTTPS_PROXY", "all_proxy", "ALL_PROXY"}) {
        unsetenv(name);
    }
    m_server.set_keep_alive_timeout(1);
    m_port = m_server.bind_to_any_port("127.0.0.1");
    if (m_port < 0) {
        throw std::runtime_error("no free port on 127.0.0.1");
    }
}

LoopbackServer::~LoopbackServer() {
    release();
    if (m_thread.joinable()) {
        m_server.stop();
        m_thread.join();
    }
}

void LoopbackServer::start() {
    m_thread = std::thread([this] { m_server.listen_after_bind(); });
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!m_server.is_running() && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

std::string LoopbackServer::hostAndPort() const {
    return "127.0.0.1:" + std::to_string(m_port);
}

std::string LoopbackServer::base() const {
    return "http://" + hostAndPort();
}

bool LoopbackServer::waitForRelease(std::chrono::milliseconds longest) {
    std::unique_lock<std::mutex> lock(m_mutex);
    return m_released.wait_for(lock, longest, [this] { return m_isReleased; });
}

void LoopbackServer::serveTrickle(const std::string& path, int status) {
    m_server.Get(path, [this, status](const httplib::Request&, httplib::Response& response) {
        response.status = status;
        trickle(response);
    });
}

void LoopbackServer::trickle(httplib::Response& response) {
    response.set_chunked_content_provider(
        "text/plain", [this](std::size_t, httplib::DataSink& sink) {
            return sink.write("x", 1) && !waitForRelease(std::chrono::milliseconds(50));
        });
}

void LoopbackServer::release() {
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_isReleased = true;
    }
    m_released.notify_all();
}

int LoopbackServer::unusedPort() {
    // Bound but never listening, then closed: connections to it are refused.
    const int probe = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof(address);
    int port = -1;
    if (bind(probe, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0 &&
        getsockname(probe, reinterpret_cast<sockaddr*>(&address), &length) == 0) {
        port = ntohs(address.sin_port);
    }
    close(probe);
    return port;
}
