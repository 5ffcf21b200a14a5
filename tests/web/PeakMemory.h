#pragma once

#include <cstddef>
#include <fstream>
#include <string>

// Resident memory of the test process, for tests that bound what an input may
// cost. The kernel keeps the high-water mark of the process; forgetting it first
// keeps an earlier test's peak from hiding the one measured.
inline void forgetPeakMemory() {
    std::ofstream("/proc/self/clear_refs") << "5";
}

// The most resident memory since the last forgetPeakMemory(), in bytes.
inline std::size_t peakMemoryBytes() {
    std::ifstream status("/proc/self/status");
    std::string field;
    while (status >> field) {
        if (field == "VmHWM:") {
            std::size_t kibibytes = 0;
            status >> kibibytes;
            return kibibytes * 1024u;
        }
    }
    return 0;
}
