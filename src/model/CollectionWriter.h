#pragma once

#include "model/SavedTextFilter.h"

#include <cstddef>
#include <functional>
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

    // Takes the next piece of the file; false stops the writing.
    using Output = std::function<bool(std::string_view)>;

    static std::string fileText(const StudyCollection& collection);
    // The same bytes handed over in pieces of about kPieceSize, so that a
    // large file is never held in memory whole. False when `output` refused
    // a piece.
    static bool writeFile(const StudyCollection& collection, const Output& output);
    static std::string commentLine();

    static constexpr std::size_t kPieceSize = 256 * 1024;

private:
    explicit CollectionWriter(const Output* output);

    void writeCollection(const StudyCollection& collection);
    void writeRecords(const StudyCollection& collection);
    // Hands over the complete lines written so far.
    void flushLines();

    const Output* m_output;
    bool m_outputFailed = false;
    std::string m_out;
    SavedTextFilter m_file;
};
