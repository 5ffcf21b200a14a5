#include "web/HttpTransfer.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <curl/curl.h>

namespace {

// Header lines beyond this are refused, like an oversized body.
constexpr std::size_t kMaxHeaderBytes = 1024u * 1024u;

struct EasyDeleter {
    void operator()(CURL* curl) const { curl_easy_cleanup(curl); }
};
struct ListDeleter {
    void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};
struct UrlDeleter {
    void operator()(CURLU* url) const { curl_url_cleanup(url); }
};
struct TextDeleter {
    void operator()(char* text) const { curl_free(text); }
};
using UrlHandle = std::unique_ptr<CURLU, UrlDeleter>;
using CurlText = std::unique_ptr<char, TextDeleter>;

// libcurl's global set-up must run once before the first handle.
bool curlReady() {
    static const bool ready = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    return ready;
}

bool startsWithNoCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) {
        return false;
    }
    return std::equal(prefix.begin(), prefix.end(), text.begin(), [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) ==
               std::tolower(static_cast<unsigned char>(b));
    });
}

using Clock = std::chrono::steady_clock;

struct Receiver {
    const HttpTransfer::BodySink* sink = nullptr;
    std::size_t received = 0;
    bool capped = false;
    std::string headers;
    Clock::time_point lastData = Clock::now();
};

std::size_t onBody(char* data, std::size_t size, std::size_t count, void* user) {
    auto* receiver = static_cast<Receiver*>(user);
    receiver->lastData = Clock::now();
    const std::size_t bytes = size * count;
    const std::size_t taken = std::min(bytes, HttpTransfer::kMaxBodyBytes - receiver->received);
    if (taken > 0 && !(*receiver->sink)(std::string_view(data, taken))) {
        return 0;
    }
    receiver->received += taken;
    if (taken < bytes) {
        receiver->capped = true;
        return 0; // anything but the full count aborts the transfer
    }
    return bytes;
}

std::size_t onHeader(char* data, std::size_t size, std::size_t count, void* user) {
    auto* receiver = static_cast<Receiver*>(user);
    receiver->lastData = Clock::now();
    const std::string_view line(data, size * count);
    // A new status line starts the headers of the next response (authentication
    // round trips, followed redirects); only the last response's headers count.
    if (startsWithNoCase(line, "HTTP/")) {
        receiver->headers.clear();
    }
    if (receiver->headers.size() + line.size() > kMaxHeaderBytes) {
        return 0;
    }
    receiver->headers.append(line);
    return line.size();
}

// Called about once a second while a transfer runs, also when nothing arrives; a
// non-zero answer aborts. The low-speed limit alone would wait for the average rate
// to sink first, which after a burst of data takes far longer than the stall time.
int onProgress(void* user, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
    const auto* receiver = static_cast<const Receiver*>(user);
    return Clock::now() - receiver->lastData > std::chrono::seconds(HttpTransfer::kStallSeconds)
               ? 1
               : 0;
}

std::optional<std::string> urlPart(CURLU* url, CURLUPart part) {
    char* raw = nullptr;
    if (curl_url_get(url, part, &raw, 0) != CURLUE_OK || raw == nullptr) {
        return std::nullopt;
    }
    const CurlText text(raw);
    return std::string(text.get());
}

// The full address held by the parse handle when its scheme is http or https.
std::optional<std::string> httpAddressOf(CURLU* url) {
    const auto scheme = urlPart(url, CURLUPART_SCHEME);
    if (!scheme || (*scheme != "http" && *scheme != "https")) {
        return std::nullopt;
    }
    return urlPart(url, CURLUPART_URL);
}

} // namespace

struct HttpTransfer::Impl {
    std::unique_ptr<CURL, EasyDeleter> curl;
    std::unique_ptr<curl_slist, ListDeleter> headers;
};

HttpTransfer::HttpTransfer() : m_impl(std::make_unique<Impl>()) {
    if (!curlReady()) {
        return;
    }
    m_impl->curl.reset(curl_easy_init());
    CURL* curl = m_impl->curl.get();
    if (curl == nullptr) {
        return;
    }
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, kStallSeconds);
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 0L);
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, onBody);
    curl_easy_setopt(curl, CURLOPT_HEADERFUNCTION, onHeader);
    curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, onProgress);
    curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
}

HttpTransfer::~HttpTransfer() = default;

bool HttpTransfer::valid() const {
    return m_impl->curl != nullptr;
}

void HttpTransfer::setHeaders(const std::vector<std::string>& headers) {
    curl_slist* list = nullptr;
    for (const std::string& header : headers) {
        curl_slist* longer = curl_slist_append(list, header.c_str());
        if (longer == nullptr) {
            break; // out of memory: send what fits
        }
        list = longer;
    }
    m_impl->headers.reset(list);
    curl_easy_setopt(m_impl->curl.get(), CURLOPT_HTTPHEADER, list);
}

void HttpTransfer::setCredentials(const std::string& user, const std::string& password) {
    CURL* curl = m_impl->curl.get();
    curl_easy_setopt(curl, CURLOPT_HTTPAUTH, static_cast<long>(CURLAUTH_BASIC | CURLAUTH_DIGEST));
    curl_easy_setopt(curl, CURLOPT_USERNAME, user.c_str());
    curl_easy_setopt(curl, CURLOPT_PASSWORD, password.c_str());
}

void HttpTransfer::clearCredentials() {
    CURL* curl = m_impl->curl.get();
    curl_easy_setopt(curl, CURLOPT_USERNAME, nullptr);
    curl_easy_setopt(curl, CURLOPT_PASSWORD, nullptr);
}

void HttpTransfer::setProxy(const std::string& name, const std::string& bypass) {
    CURL* curl = m_impl->curl.get();
    curl_easy_setopt(curl, CURLOPT_PROXY, name.c_str());
    curl_easy_setopt(curl, CURLOPT_NOPROXY, bypass.c_str());
}

void HttpTransfer::setHeadOnly(bool headOnly) {
    CURL* curl = m_impl->curl.get();
    if (headOnly) {
        curl_easy_setopt(curl, CURLOPT_NOBODY, 1L);
    } else {
        curl_easy_setopt(curl, CURLOPT_HTTPGET, 1L);
    }
}

void HttpTransfer::setFollowRedirects(long maxRedirects) {
    CURL* curl = m_impl->curl.get();
    curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, maxRedirects > 0 ? 1L : 0L);
    curl_easy_setopt(curl, CURLOPT_MAXREDIRS, maxRedirects);
}

HttpTransfer::Outcome HttpTransfer::perform(const std::string& address, const BodySink& sink,
                                            const Deadline& deadline) {
    Outcome outcome;
    CURL* curl = m_impl->curl.get();
    const std::chrono::milliseconds left = deadline.remaining();
    if (curl == nullptr || left.count() == 0) {
        return outcome;
    }
    // Both are whole-request limits; libcurl reads 0 as "none", which `left` never is.
    curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, static_cast<long>(left.count()));
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS,
                     static_cast<long>(std::min(left, kConnectTimeout).count()));
    Receiver receiver;
    receiver.sink = &sink;
    curl_easy_setopt(curl, CURLOPT_URL, address.c_str());
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &receiver);
    curl_easy_setopt(curl, CURLOPT_HEADERDATA, &receiver);
    curl_easy_setopt(curl, CURLOPT_XFERINFODATA, &receiver);
    outcome.completed = curl_easy_perform(curl) == CURLE_OK;
    long status = 0;
    curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &status);
    outcome.status = status;
    outcome.capped = receiver.capped;
    outcome.headers = std::move(receiver.headers);
    return outcome;
}

std::string HttpTransfer::withScheme(std::string_view address) {
    if (startsWithNoCase(address, "http://") || startsWithNoCase(address, "https://")) {
        return std::string(address);
    }
    return "http://" + std::string(address);
}

std::optional<std::string> HttpTransfer::headerValue(std::string_view headers,
                                                     std::string_view name) {
    constexpr std::string_view kBlank = " \t\r";
    while (!headers.empty()) {
        const std::size_t end = std::min(headers.find('\n'), headers.size());
        std::string_view line = headers.substr(0, end);
        headers.remove_prefix(std::min(end + 1, headers.size()));
        if (!startsWithNoCase(line, name) || line.substr(name.size(), 1) != ":") {
            continue;
        }
        line.remove_prefix(name.size() + 1);
        const std::size_t first = line.find_first_not_of(kBlank);
        if (first == std::string_view::npos) {
            return std::nullopt;
        }
        const std::size_t last = line.find_last_not_of(kBlank);
        return std::string(line.substr(first, last - first + 1));
    }
    return std::nullopt;
}

std::optional<std::string> HttpTransfer::checkedAddress(const std::string& address) {
    if (!curlReady()) {
        return std::nullopt;
    }
    const UrlHandle url(curl_url());
    if (!url || curl_url_set(url.get(), CURLUPART_URL, address.c_str(), 0) != CURLUE_OK) {
        return std::nullopt;
    }
    if (!httpAddressOf(url.get())) {
        return std::nullopt;
    }
    return address;
}

std::optional<std::string> HttpTransfer::resolve(const std::string& base,
                                                 const std::string& location) {
    if (!curlReady()) {
        return std::nullopt;
    }
    const UrlHandle url(curl_url());
    if (!url || curl_url_set(url.get(), CURLUPART_URL, base.c_str(), 0) != CURLUE_OK ||
        curl_url_set(url.get(), CURLUPART_URL, location.c_str(), 0) != CURLUE_OK) {
        return std::nullopt;
    }
    return httpAddressOf(url.get());
}
