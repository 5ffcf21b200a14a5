#include "web/PageFetcher.h"

#include "web/HttpTransfer.h"

#include <algorithm>
#include <mutex>

namespace {

// Serialises every fetch of the process, whatever thread it runs on.
std::timed_mutex& fetchLock() {
    static std::timed_mutex lock;
    return lock;
}

struct Response {
    HttpTransfer::Outcome outcome;
    std::string body;
};

Response request(HttpTransfer& transfer, const std::string& address, const Deadline& deadline) {
    Response response;
    response.outcome = transfer.perform(
        address,
        [&response](std::string_view piece) {
            response.body.append(piece);
            return true;
        },
        deadline);
    return response;
}

bool isFollowedRedirect(long status) {
    return status == 301 || status == 302 || status == 303;
}

// A referer must not smuggle further header lines into the request.
std::string singleLine(std::string text) {
    std::erase_if(text, [](char c) { return c == '\r' || c == '\n'; });
    return text;
}

} // namespace

PageFetcher::PageFetcher(CredentialsCallback credentials, MessageCallback message)
    : m_credentials(std::move(credentials)), m_message(std::move(message)) {}

void PageFetcher::setCredentialsCallback(CredentialsCallback credentials) {
    m_credentials = std::move(credentials);
}

void PageFetcher::setMessageCallback(MessageCallback message) {
    m_message = std::move(message);
}

void PageFetcher::setProxy(bool useProxy, std::string name, std::string bypass) {
    m_useProxy = useProxy;
    m_proxyName = std::move(name);
    m_proxyBypass = std::move(bypass);
}

std::optional<TextLines> PageFetcher::fetch(const std::string& address, Verb verb,
                                            const std::string& referer) {
    Deadline deadline(m_timeLimit);
    m_lines = TextLines();
    const std::unique_lock<std::timed_mutex> hold(fetchLock(), deadline.end());
    if (!hold.owns_lock()) {
        return m_lines; // other fetches took all the time there was
    }
    return fetchLocked(address, verb, referer, deadline);
}

std::vector<std::string> PageFetcher::requestHeaders(const std::string& referer) const {
    // Always a fresh answer from the server, never one from a cache on the way.
    std::vector<std::string> headers = {"Accept: text/*", "User-Agent: Microsoft Internet Explorer",
                                        "Cache-Control: no-cache", "Pragma: no-cache"};
    const std::string cleanReferer = singleLine(referer);
    if (!cleanReferer.empty()) {
        headers.push_back("Referer: " + cleanReferer);
    }
    return headers;
}

std::optional<TextLines> PageFetcher::fetchLocked(const std::string& address, Verb verb,
                                                  const std::string& referer, Deadline& deadline) {
    HttpTransfer transfer;
    if (!transfer.valid()) {
        if (m_message) {
            m_message(std::string(kCannotOpenConnection));
        }
        return std::nullopt;
    }
    if (m_useProxy) {
        transfer.setProxy(m_proxyName, m_proxyBypass);
    }
    transfer.setHeaders(requestHeaders(referer));
    const auto checked = HttpTransfer::checkedAddress(HttpTransfer::withScheme(address));
    if (!checked) {
        return std::nullopt;
    }
    transfer.setHeadOnly(verb == Verb::Head);
    Response response = request(transfer, *checked, deadline);
    // Nobody is asked for credentials that could no longer be sent.
    if (response.outcome.status == 401 && m_credentials && !deadline.passed()) {
        const auto credentials = deadline.excluding([&] { return m_credentials(*checked); });
        if (credentials) {
            transfer.setCredentials(credentials->user, credentials->password);
            response = request(transfer, *checked, deadline);
        }
    }
    if (isFollowedRedirect(response.outcome.status)) {
        const auto location = HttpTransfer::headerValue(response.outcome.headers, "Location");
        const auto target =
            location ? HttpTransfer::resolve(*checked, *location) : std::optional<std::string>();
        if (!target) {
            return std::nullopt;
        }
        // The credentials were given for the first address only.
        transfer.clearCredentials();
        transfer.setHeadOnly(false);
        response = request(transfer, *target, deadline);
        // A transport failure counts like any other: whatever was read.
        if (response.outcome.status != 200 && response.outcome.status != 0) {
            return std::nullopt;
        }
    }
    m_lines = TextLines(std::move(response.body), response.outcome.completed);
    return m_lines;
}
