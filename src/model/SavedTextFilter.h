#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// What the program's save has always done to the XML writer's text on its
// original platform, applied as the text is appended: "\n\n" made "\n",
// "&amp;#" made "&#", every LF written through a text-mode file (CR LF), and
// every line holding only spaces, tabs and carriage returns dropped. Pieces
// must be split between nodes, so that neither "\n\n" nor "&amp;#" spans two.
class SavedTextFilter {
public:
    explicit SavedTextFilter(std::string& out) : m_out(out), m_lineStart(out.size()) {}

    void append(std::string_view treeText);
    // Ends a last line that holds anything.
    void finish();

    std::string& out() { return m_out; }
    // Text written into the output past the filter must end in a line that
    // holds more than blanks; the filter goes on after it.
    void continueAfterDirectText();
    // Where the line being written starts: everything before it is final.
    std::size_t lineStart() const { return m_lineStart; }
    // Drops the final part once it has been handed on.
    void eraseFinalPart();

private:
    void appendSegment(std::string_view segment);
    void endLine();

    std::string& m_out;
    std::size_t m_lineStart;
    bool m_lineHasContent = false;
};
