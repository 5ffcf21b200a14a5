#include "platform/SpawnedProcess.h"

#include "platform/TextCodec.h"

#include <QFile>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <system_error>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;
constexpr std::chrono::milliseconds kPollInterval{10};

class SpawnActions {
public:
    SpawnActions() {
        posix_spawn_file_actions_init(&m_actions);
        posix_spawn_file_actions_addopen(&m_actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    }
    ~SpawnActions() { posix_spawn_file_actions_destroy(&m_actions); }
    SpawnActions(const SpawnActions&) = delete;
    SpawnActions& operator=(const SpawnActions&) = delete;
    const posix_spawn_file_actions_t* get() const { return &m_actions; }

private:
    posix_spawn_file_actions_t m_actions;
};

// A clean signal state for the child: nothing blocked, SIGPIPE back to its
// default (the program may ignore it).
class SpawnAttributes {
public:
    SpawnAttributes() {
        posix_spawnattr_init(&m_attributes);
        sigset_t none;
        sigemptyset(&none);
        posix_spawnattr_setsigmask(&m_attributes, &none);
        sigset_t defaults;
        sigemptyset(&defaults);
        sigaddset(&defaults, SIGPIPE);
        posix_spawnattr_setsigdefault(&m_attributes, &defaults);
        short flags = POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF;
#ifdef POSIX_SPAWN_SETSID
        flags |= POSIX_SPAWN_SETSID;
#endif
        posix_spawnattr_setflags(&m_attributes, flags);
    }
    ~SpawnAttributes() {
        posix_spawnattr_destroy(&m_attributes);
    }
    SpawnAttributes(const SpawnAttributes&) = delete;
    SpawnAttributes& operator=(const SpawnAttributes&) = delete;
    const posix_spawnattr_t* get() const {
        return &m_attributes;
    }

private:
    posix_spawnattr_t m_attributes;
};

void reapInBackground(pid_t pid) {
    try {
        std::thread([pid] {
            int status = 0;
            while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
            }
        }).detach();
    } catch (const std::system_error&) {
        // No thread to spare: the finished child stays a zombie until the program ends.
    }
}

SpawnedProcess::Outcome outcomeOf(int status) {
    if (WIFEXITED(status)) {
        return {SpawnedProcess::State::Exited, 0, WEXITSTATUS(status)};
    }
    return {SpawnedProcess::State::Crashed, 0, 0};
}

SpawnedProcess::Outcome waitFor(pid_t pid, std::chrono::milliseconds limit) {
    const Clock::time_point deadline = Clock::now() + limit;
    for (;;) {
        int status = 0;
        const pid_t done = waitpid(pid, &status, WNOHANG);
        if (done == pid) {
            return outcomeOf(status);
        }
        if (done < 0 && errno != EINTR) {
            // Reaped elsewhere: it did start, its ending is unknown.
            return {SpawnedProcess::State::StillRunning, 0, 0};
        }
        if (Clock::now() >= deadline) {
            reapInBackground(pid);
            return {SpawnedProcess::State::StillRunning, 0, 0};
        }
        std::this_thread::sleep_for(kPollInterval);
    }
}

} // namespace

SpawnedProcess::Outcome SpawnedProcess::run(const QString& program, const QStringList& arguments,
                                            std::chrono::milliseconds limit) {
    std::vector<std::string> storage;
    storage.reserve(static_cast<std::size_t>(arguments.size()) + 1);
    storage.push_back(QFile::encodeName(program).toStdString());
    for (const QString& argument : arguments) {
        storage.push_back(TextCodec::encode(argument));
        if (storage.back().find('\0') != std::string::npos) {
            return {State::FailedToStart, EINVAL, 0}; // it would arrive cut short
        }
    }
    std::vector<char*> argv;
    argv.reserve(storage.size() + 1);
    for (std::string& argument : storage) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);

    const SpawnActions actions;
    const SpawnAttributes attributes;
    pid_t pid = -1;
    const int error =
        posix_spawn(&pid, argv.front(), actions.get(), attributes.get(), argv.data(), environ);
    if (error != 0) {
        return {State::FailedToStart, error, 0};
    }
    return waitFor(pid, limit);
}
