#pragma once

#include "web/CacheDownload.h"
#include "web/TextLines.h"

#include <QString>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>

class QObject;

// The one-line message from the maker's site. A worker thread downloads the
// message page into the cache and hands the last entry it finds to a callback
// that runs on the receiver's thread, through a queued call.
//
// Nothing is delivered once the receiver is destroyed or the MessageLine is
// stopped or destroyed, whichever comes first; a download still under way then
// finishes on its own and its result is dropped. The thread touches only state
// it shares with this object, never the receiver, so it may outlive both.
//
//     m_messageLine.start(this, [this](const QString& text, const QString& target) {
//         setMessage(text, target);
//     });
class MessageLine {
public:
    // Runs on the receiver's thread while the receiver lives.
    using Callback = std::function<void(const QString& text, const QString& target)>;

    struct Message {
        QString text;
        QString target;
    };

    // `host` is the maker's site, a base address such as "http://www.example.com".
    explicit MessageLine(std::string host, CacheDownload cache = CacheDownload());
    ~MessageLine();
    MessageLine(const MessageLine&) = delete;
    MessageLine& operator=(const MessageLine&) = delete;

    // The message page and the link target used when an entry names none.
    static std::string pageAddress(const std::string& host);
    static std::string defaultTarget(const std::string& host);
    std::string pageAddress() const { return pageAddress(m_host); }
    std::string defaultTarget() const { return defaultTarget(m_host); }

    // Starts the thread; call on the receiver's thread. False (and nothing
    // started) when it ran already or the receiver is null.
    bool start(QObject* receiver, Callback callback);
    // Nothing is delivered from now on.
    void stop();

    bool isFinished() const;
    // True when the thread ended within `timeout` (or never started).
    bool waitForFinished(std::chrono::milliseconds timeout) const;

    // Message threads of the process that have not ended yet.
    static int runningThreads();

    // The message the page's lines yield; none without an entry. Its text is cut
    // to kMaxTextLength. The target is the default when the entry has none, names
    // anything but an http or https address (so the shell never receives other
    // kinds of targets from the site) or is longer than kMaxTargetBytes.
    static std::optional<Message> messageFrom(const TextLines& lines,
                                              const std::string& defaultTarget);

    static constexpr qsizetype kMaxTextLength = 500;
    static constexpr std::size_t kMaxTargetBytes = 2048;

private:
    struct State;

    static void run(std::shared_ptr<State> state, std::string address, std::string fallback,
                    CacheDownload cache);
    static void deliver(const std::shared_ptr<State>& state, const Message& message);
    static void disconnect(State& state);

    std::string m_host;
    CacheDownload m_cache;
    std::shared_ptr<State> m_state;
    std::thread m_thread;
};
