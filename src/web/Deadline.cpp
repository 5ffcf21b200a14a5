#include "web/Deadline.h"

#include <algorithm>

Deadline::Deadline(Clock::duration budget) : m_end(Clock::now() + budget) {}

std::chrono::milliseconds Deadline::remaining() const {
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(m_end - Clock::now());
    return std::max(left, std::chrono::milliseconds::zero());
}
