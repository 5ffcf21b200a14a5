#pragma once

#include "web/Deadline.h"
#include "web/TextLines.h"

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Sends one HTTP request, follows at most one redirect and keeps the response body
// as text lines. All fetches of the process run one after another. A fetch, with
// its redirect, its credentials step and its wait for other fetches, ends within
// its time limit.
class PageFetcher {
public:
    enum class Verb { Get, Head };

    struct Credentials {
        std::string user;
        std::string password;
    };
    // Asked when the server wants authentication, with the address of the request;
    // none means the user cancelled.
    using CredentialsCallback = std::function<std::optional<Credentials>(const std::string&)>;
    // Shows a plain message to the user.
    using MessageCallback = std::function<void(const std::string&)>;

    static constexpr std::string_view kCannotOpenConnection = "Cannot open internet connection.";

    explicit PageFetcher(CredentialsCallback credentials = {}, MessageCallback message = {});

    void setCredentialsCallback(CredentialsCallback credentials);
    void setMessageCallback(MessageCallback message);
    // Without a proxy the session uses the environment's proxy settings.
    void setProxy(bool useProxy, std::string name, std::string bypass);
    // The time one fetch may take, the user's answer to the credentials prompt
    // not counted.
    void setTimeLimit(std::chrono::milliseconds limit) { m_timeLimit = limit; }

    // The body lines without their line ends. An error page is returned like any
    // other body, and a transport failure or the end of the time limit gives the
    // lines read until then (normally none). None when the address cannot be used,
    // when a redirect has no usable Location or does not lead to a 200 answer, or
    // when no session can be made.
    std::optional<TextLines> fetch(const std::string& address, Verb verb = Verb::Get,
                                   const std::string& referer = {});

    // The lines of the last fetch.
    const TextLines& lines() const { return m_lines; }

private:
    std::vector<std::string> requestHeaders(const std::string& referer) const;
    std::optional<TextLines> fetchLocked(const std::string& address, Verb verb,
                                         const std::string& referer, Deadline& deadline);

    CredentialsCallback m_credentials;
    MessageCallback m_message;
    bool m_useProxy = false;
    std::string m_proxyName;
    std::string m_proxyBypass;
    std::chrono::milliseconds m_timeLimit = Deadline::kActionTime;
    TextLines m_lines;
};
