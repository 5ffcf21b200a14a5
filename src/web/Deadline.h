#pragma once

#include <chrono>

// The time left to one user action. Every request the action makes (a
// redirect, the retry with credentials, a second service) draws on the same
// budget, so the action ends in time whatever the servers do.
class Deadline {
public:
    using Clock = std::chrono::steady_clock;

    // What one action may take at the most.
    static constexpr std::chrono::seconds kActionTime{20};

    explicit Deadline(Clock::duration budget = kActionTime);

    Clock::time_point end() const { return m_end; }
    // Rounded up to whole milliseconds; zero once the end has passed.
    std::chrono::milliseconds remaining() const;
    bool passed() const { return remaining().count() == 0; }

    // Runs `step` and moves the end on by the time it took: the user answering
    // a prompt spends no server's time.
    template <typename Step> auto excluding(Step&& step) {
        const Clock::time_point start = Clock::now();
        auto result = step();
        m_end += Clock::now() - start;
        return result;
    }

private:
    Clock::time_point m_end;
};
