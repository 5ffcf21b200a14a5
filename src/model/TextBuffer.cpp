#include "model/TextBuffer.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <new>

char* TextBuffer::grow(std::size_t count) {
    if (m_capacity - m_size < count) {
        if (count > std::numeric_limits<std::size_t>::max() / 2 - m_size)
            throw std::bad_alloc();
        const std::size_t capacity = std::max(2 * m_capacity, m_size + count);
        auto data = std::make_unique_for_overwrite<char[]>(capacity);
        if (m_size > 0)
            std::memcpy(data.get(), m_data.get(), m_size);
        m_data = std::move(data);
        m_capacity = capacity;
    }
    char* const at = m_data.get() + m_size;
    m_size += count;
    return at;
}

void TextBuffer::dropFront(std::size_t count) {
    count = std::min(count, m_size);
    if (count < m_size)
        std::memmove(m_data.get(), m_data.get() + count, m_size - count);
    m_size -= count;
}
