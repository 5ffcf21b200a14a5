#include "vendor/MessageLine.h"

#include "platform/TextCodec.h"
#include "vendor/BoundedText.h"
#include "vendor/TagLinePage.h"
#include "vendor/WebAddress.h"

#include <QMetaObject>
#include <QObject>
#include <atomic>
#include <condition_variable>
#include <mutex>

namespace {

constexpr std::string_view kPagePath = "/Protoscribe/TagLine";
constexpr std::string_view kDefaultTargetPath = "/Protoscribe";

std::atomic<int> g_runningThreads{0};

std::string joined(const std::string& host, std::string_view path) {
    std::string address = host;
    while (!address.empty() && address.back() == '/') {
        address.pop_back();
    }
    return address.append(path);
}

} // namespace

struct MessageLine::State {
    std::mutex mutex;
    std::condition_variable finishedChanged;
    // Null once the receiver is gone or delivery was stopped.
    QObject* receiver = nullptr;
    Callback callback;
    bool started = false;
    bool finished = false;
};

MessageLine::MessageLine(std::string host, CacheDownload cache)
    : m_host(std::move(host)), m_cache(std::move(cache)), m_state(std::make_shared<State>()) {}

MessageLine::~MessageLine() {
    stop();
    if (!m_thread.joinable()) {
        return;
    }
    // A download still waiting for its server is left to end on its own rather
    // than holding up the window that is closing.
    if (isFinished()) {
        m_thread.join();
    } else {
        m_thread.detach();
    }
}

std::string MessageLine::pageAddress(const std::string& host) {
    return joined(host, kPagePath);
}

std::string MessageLine::defaultTarget(const std::string& host) {
    return joined(host, kDefaultTargetPath);
}

bool MessageLine::start(QObject* receiver, Callback callback) {
    if (receiver == nullptr) {
        return false;
    }
    {
        const std::lock_guard<std::mutex> lock(m_state->mutex);
        if (m_state->started) {
            return false;
        }
        m_state->started = true;
        m_state->receiver = receiver;
        m_state->callback = std::move(callback);
    }
    // Runs inside the receiver's destructor, before Qt drops the events posted to it.
    const std::shared_ptr<State> state = m_state;
    QObject::connect(receiver, &QObject::destroyed, [state] { disconnect(*state); });
    g_runningThreads.fetch_add(1);
    m_thread = std::thread(&MessageLine::run, m_state, pageAddress(), defaultTarget(), m_cache);
    return true;
}

void MessageLine::stop() {
    disconnect(*m_state);
}

void MessageLine::disconnect(State& state) {
    Callback dropped;
    {
        const std::lock_guard<std::mutex> lock(state.mutex);
        state.receiver = nullptr;
        dropped = std::move(state.callback);
        state.callback = nullptr;
    }
}

bool MessageLine::isFinished() const {
    const std::lock_guard<std::mutex> lock(m_state->mutex);
    return !m_state->started || m_state->finished;
}

bool MessageLine::waitForFinished(std::chrono::milliseconds timeout) const {
    std::unique_lock<std::mutex> lock(m_state->mutex);
    return m_state->finishedChanged.wait_for(
        lock, timeout, [this] { return !m_state->started || m_state->finished; });
}

int MessageLine::runningThreads() {
    return g_runningThreads.load();
}

std::optional<MessageLine::Message> MessageLine::messageFrom(const TextLines& lines,
                                                             const std::string& defaultTarget) {
    const auto entry = TagLinePage::lastEntry(lines);
    if (!entry) {
        return std::nullopt;
    }
    Message message{BoundedText::decode(entry->text, kMaxTextLength), {}};
    // A cut address would lead somewhere else: an overlong one is not used at all.
    if (entry->target.size() <= kMaxTargetBytes) {
        message.target = TextCodec::decode(entry->target).trimmed();
    }
    if (!WebAddress::isWebAddress(message.target)) {
        message.target = TextCodec::decode(defaultTarget);
    }
    return message;
}

void MessageLine::run(std::shared_ptr<State> state, std::string address, std::string fallback,
                      CacheDownload cache) {
    // Whatever goes wrong here ends the thread quietly; the link keeps what it shows.
    try {
        const auto path = cache.download(address);
        const auto lines = path ? CacheDownload::readLines(*path) : std::nullopt;
        const auto message = lines ? messageFrom(*lines, fallback) : std::nullopt;
        if (message) {
            deliver(state, *message);
        }
    } catch (...) {
    }
    {
        const std::lock_guard<std::mutex> lock(state->mutex);
        state->finished = true;
    }
    state->finishedChanged.notify_all();
    g_runningThreads.fetch_sub(1);
}

void MessageLine::deliver(const std::shared_ptr<State>& state, const Message& message) {
    // Posting under the lock: the receiver cannot finish its destruction meanwhile,
    // and once it has, its pending events are gone with it.
    const std::lock_guard<std::mutex> lock(state->mutex);
    if (state->receiver == nullptr) {
        return;
    }
    QMetaObject::invokeMethod(
        state->receiver,
        [state, message] {
            Callback callback;
            {
                const std::lock_guard<std::mutex> inner(state->mutex);
                if (state->receiver == nullptr) {
                    return;
                }
                callback = state->callback;
            }
            if (callback) {
                callback(message.text, message.target);
            }
        },
        Qt::QueuedConnection);
}
