#pragma once

#include <cstddef>
#include <iterator>
#include <string>
#include <string_view>

// A text read as lines without their "\n" or "\r\n" ends. The lines are views
// into the one text, made as they are visited, so a body of millions of short
// or empty lines costs no more than its bytes.
class TextLines {
public:
    class Iterator {
    public:
        using iterator_category = std::input_iterator_tag; // the lines are values, not references
        using iterator_concept = std::forward_iterator_tag;
        using value_type = std::string_view;
        using difference_type = std::ptrdiff_t;
        using pointer = const std::string_view*;
        using reference = std::string_view;

        Iterator() = default;
        std::string_view operator*() const { return m_line; }
        Iterator& operator++();
        Iterator operator++(int);
        bool operator==(const Iterator& other) const { return m_start == other.m_start; }

    private:
        friend class TextLines;
        Iterator(std::string_view text, std::size_t start);

        std::string_view m_text; // up to the end of the last line
        std::size_t m_start = 0;
        std::size_t m_next = 0;
        std::string_view m_line;
    };

    TextLines() = default;
    // When `complete` is false (a transfer broke off) the text after the last
    // line end is an unfinished line and is not one of the lines.
    explicit TextLines(std::string text, bool complete = true);

    Iterator begin() const;
    Iterator end() const;
    bool empty() const { return m_end == 0; }

private:
    std::string m_text;
    std::size_t m_end = 0;
};
