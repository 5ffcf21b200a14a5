#pragma once

#include <cstddef>
#include <memory>
#include <string_view>

// A growing text whose new room is left uninitialised: the decoder writes
// every byte of it anyway, and clearing each piece first cost as much as
// decoding it. Grows by doubling and keeps its room when text is dropped.
class TextBuffer {
public:
    std::string_view view() const { return {m_data.get(), m_size}; }
    std::size_t size() const { return m_size; }
    bool empty() const { return m_size == 0; }
    char back() const { return m_data[m_size - 1]; }

    // Lengthens the text by `count` bytes of unspecified value and returns
    // where they start; truncate() gives back what the writer did not fill.
    char* grow(std::size_t count);
    void truncate(std::size_t size) { m_size = size; }
    void append(char c) { *grow(1) = c; }
    void popBack() { --m_size; }
    // Drops the first `count` bytes.
    void dropFront(std::size_t count);
    void clear() { m_size = 0; }

private:
    std::unique_ptr<char[]> m_data;
    std::size_t m_size = 0;
    std::size_t m_capacity = 0;
};
