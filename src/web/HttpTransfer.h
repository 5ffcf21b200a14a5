#pragma once

#include "web/Deadline.h"

#include <chrono>
#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// One libcurl handle set up the way every request of the program is made: http and
// https only (also on redirects), no signals, bounded in time and in body size, so a
// hostile or broken server can neither exhaust memory nor hang the caller.
// Several requests on one object reuse its connection.
class HttpTransfer {
public:
    static constexpr std::size_t kMaxBodyBytes = 16u * 1024u * 1024u;
    static constexpr std::chrono::milliseconds kConnectTimeout{5000};
    // A transfer that delivers no data for this long, or whose rate stays below one
    // byte a second for this long, is aborted.
    static constexpr long kStallSeconds = 5;

    // Receives the body in pieces; returning false aborts the transfer.
    using BodySink = std::function<bool(std::string_view)>;

    struct Outcome {
        bool completed = false; // ran to its end without a transport error
        bool capped = false;    // the body went past kMaxBodyBytes and was cut there
        long status = 0;        // status code of the last response, 0 when none arrived
        std::string headers;    // raw header lines of the last response
    };

    HttpTransfer();
    ~HttpTransfer();
    HttpTransfer(const HttpTransfer&) = delete;
    HttpTransfer& operator=(const HttpTransfer&) = delete;

    // False when no handle could be created; nothing else works then.
    bool valid() const;

    void setHeaders(const std::vector<std::string>& headers);
    void setCredentials(const std::string& user, const std::string& password);
    void clearCredentials();
    void setProxy(const std::string& name, const std::string& bypass);
    void setHeadOnly(bool headOnly);
    void setFollowRedirects(long maxRedirects);

    // Runs one request, redirects included, within what is left of `deadline`;
    // nothing is sent once it has passed.
    Outcome perform(const std::string& address, const BodySink& sink, const Deadline& deadline);

    // An address beginning with "http://" or "https://" (any letter case) as it is,
    // any other with "http://" in front.
    static std::string withScheme(std::string_view address);
    // The value of the named header in raw header lines (names compare without
    // regard to case, as HTTP has them); none when absent or empty.
    static std::optional<std::string> headerValue(std::string_view headers, std::string_view name);
    // The address when it parses as an absolute http or https address.
    static std::optional<std::string> checkedAddress(const std::string& address);
    // Location resolved against the address it came from (it may be relative);
    // none unless the result is an http or https address.
    static std::optional<std::string> resolve(const std::string& base, const std::string& location);

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};
