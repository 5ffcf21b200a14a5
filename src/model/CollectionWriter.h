#pragma once

#include <cstddef>
#include <string>
#include <string_view>

class StudyCollection;

// Builds the bytes of a saved collection file in one pass, one protocol at a
// time. The result is what the program's save has always produced on its
// original platform: the tree written under a nameless wrapper with the
// wrapper's tags removed, "\n\n" made "\n", "&amp;#" made "&#", written through
// a text-mode file (LF becomes CR LF), then every line holding only spaces,
// tabs and carriage returns dropped. Tree lines thus end in CR CR LF.
class CollectionWriter {
public:
    static constexpr std::string_view kDeclaration = "<?xml version=\"1.0\" encoding=\"utf-8\"?>";

    static std::string fileText(const StudyCollection& collection);
    static std::string commentLine();

private:
    CollectionWriter();

    void appendTreeText(std::string_view text);
    void endLine();
    void finish();

    std::string m_out;
    std::size_t m_lineStart = 0;
    bool m_lineHasContent = false;
};
