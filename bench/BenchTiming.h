#pragma once

// Small helpers shared by the benchmark programs: wall-clock timing and medians.

#include <algorithm>
#include <chrono>
#include <functional>
#include <vector>

inline double secondsOf(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

inline double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Median wall time of `runs` executions of `work`; `prepare` runs untimed before each.
inline double medianSeconds(int runs, const std::function<void()>& work,
                            const std::function<void()>& prepare = [] {}) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        prepare();
        times.push_back(secondsOf(work));
    }
    return median(times);
}
