#pragma once

#include "model/LoadResult.h"
#include "files/AtomicFileWriter.h"

#include <string>
#include <string_view>
#include <vector>

class DecodedTextSource;
class NotKeptReport;
struct XmlParseOptions;
class StudyCollection;
class StudyRecord;

// The collection file on disk: its bytes read into a collection, and a
// collection turned into the program's exact saved layout. On failure the
// collection is left as it was; neither operation touches its file path.
class CollectionFile {
public:
    static constexpr std::string_view kLoadErrorPrefix =
        "An error occurred while loading the XML file:\n\n";

    static LoadResult load(const std::string& path, StudyCollection& collection);
    // `name` names the bytes in messages, as a file's path would.
    static LoadResult loadText(std::string_view bytes, StudyCollection& collection,
                               const std::string& name = {});
    // The complete bytes of the saved file.
    static std::string saveText(const StudyCollection& collection);
    // Writes saveText to a temporary file beside `path` and renames it over
    // `path`; on failure the old file is untouched.
    static SaveResult save(const StudyCollection& collection, const std::string& path,
                           SaveOptions options = {});

    // A record as a saved file holds it, for telling whether it changed.
    static std::string recordText(const StudyRecord& record);

    // The text the reader sees: the bytes in UTF-8, read in text mode (CR LF
    // becomes LF) line by line, each line without its final LF, lines joined
    // with LF. Empty when the bytes are in an encoding that cannot be read.
    // (Lines were once joined with nothing, which ran the words of text
    // spanning lines together.)
    static std::string documentText(std::string_view bytes);

    // Where `offset` of a document text stands in its file: line (counted by
    // line feeds) and column (in characters), both from 1.
    struct Place {
        std::size_t line = 1;
        std::size_t column = 1;
    };
    static Place placeOf(std::string_view text, std::size_t offset);
    // Where the end of `text` stands when its start stands at `start`.
    static Place placeAfter(Place start, std::string_view text);

    // Lists what the reader passed over, at `places`: one for each part the
    // options list.
    static void reportSkippedParts(const XmlParseOptions& options, const std::vector<Place>& places,
                                   NotKeptReport& report);

private:
    static LoadResult loadFile(const std::string& path, StudyCollection& collection);
    static LoadResult loadDocument(DecodedTextSource& source, StudyCollection& collection,
                                   const std::string& name);
};
