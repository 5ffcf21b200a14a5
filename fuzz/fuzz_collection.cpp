// Whole load path: bytes -> load -> save -> load the saved text -> save again.
// The second save must equal the first. Along the way the streaming loader
// is checked against parsing the whole text into one tree, reading the text
// in small pieces against reading it whole, and the one-pass save against
// writing the whole tree and post-processing its text.
#include "model/CollectionFile.h"
#include "model/CollectionReader.h"
#include "model/CollectionWriter.h"
#include "model/DecodedTextSource.h"
#include "model/StudyCollection.h"
#include "xml/XmlNode.h"
#include "xml/XmlParseOptions.h"
#include "xml/XmlReader.h"
#include "xml/XmlWriteOptions.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

[[noreturn]] void fault(const char* what) {
    std::fprintf(stderr, "fuzz_collection: %s\n", what);
    std::abort();
}

std::string replaceAll(const std::string& text, std::string_view from, std::string_view to) {
    std::string out;
    std::size_t start = 0;
    for (std::size_t at = text.find(from); at != std::string::npos;
         start = at + from.size(), at = text.find(from, start))
        out.append(text, start, at - start).append(to);
    return out.append(text, start);
}

int countOf(const std::string& text, std::string_view part) {
    int count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos;
         at = text.find(part, at + part.size()))
        ++count;
    return count;
}

// The save's steps on a whole tree; empty when the text holds "<>" or "</>"
// besides the wrapper's own tags, which the steps would remove as well.
std::string stepByStepSave(const StudyCollection& collection) {
    XmlNode wrapper;
    collection.writeIntoDocument(&wrapper);
    std::string tree = wrapper.writeAsText(XmlWriteOptions::programDefault());
    if (countOf(tree, "<>") != 1 || countOf(tree, "</>") != 1)
        return {};
    tree = replaceAll(replaceAll(replaceAll(replaceAll(tree, "<>", ""), "</>", ""), "\n\n", "\n"),
                      "&amp;#", "&#");
    const std::string memory = std::string(CollectionWriter::kDeclaration) + "\n" +
                               CollectionWriter::commentLine() + "\n" + tree;
    std::string kept;
    std::size_t start = 0;
    while (start < memory.size()) {
        std::size_t end = memory.find('\n', start);
        if (end == std::string::npos)
            end = memory.size();
        const std::string_view line(memory.data() + start, end - start);
        if (line.find_first_not_of(" \t\r") != std::string_view::npos)
            kept.append(line).append("\n");
        start = end + 1;
    }
    return replaceAll(kept, "\n", "\r\n");
}

void checkAgainstWholeTree(std::string_view bytes, const LoadResult& loaded,
                           const std::string& saved) {
    const std::string text = CollectionFile::documentText(bytes);
    XmlParseOptions options = XmlParseOptions::program();
    XmlNode root;
    XmlReader reader(text, options);
    const std::optional<std::size_t> end = reader.parse(root, 0);
    if (end)
        reader.recordAfterRoot(*end);
    const bool parsed = end.has_value();
    StudyCollection fromTree;
    NotKeptReport report;
    const bool ok = parsed && CollectionReader::readTree(root, fromTree.records, report) ==
                                  CollectionReader::Outcome::Read;
    if (ok != loaded.ok)
        fault("streaming load and whole-tree parse disagree on success");
    if (!ok) {
        const std::string reason =
            std::string(CollectionFile::kLoadErrorPrefix) + options.errorMessage + "\n\n";
        if (options.errorFlag && !loaded.message.starts_with(reason))
            fault("streaming load and whole-tree parse report different errors");
        return;
    }
    if (CollectionFile::saveText(fromTree) != saved)
        fault("streaming load and whole-tree parse read different records");
    std::vector<CollectionFile::Place> places;
    for (const std::size_t position : options.skippedPositions())
        places.push_back(CollectionFile::placeOf(text, position));
    CollectionFile::reportSkippedParts(options, places, report);
    if (report.message() != loaded.notKept.message())
        fault("streaming load and whole-tree parse report different parts not kept");
}

// Decoded a few bytes at a time and read a few bytes ahead, the bytes give
// what the whole decoded text gives.
void checkInPieces(std::string_view bytes) {
    const std::string text = CollectionFile::documentText(bytes);
    XmlParseOptions wholeOptions = XmlParseOptions::program();
    StudyCollection fromText;
    NotKeptReport textReport;
    const auto textOutcome = CollectionReader(text, wholeOptions).read(fromText.records, textReport);

    DecodedTextSource source(bytes, 1 + bytes.size() % 11);
    XmlParseOptions options = XmlParseOptions::program();
    StudyCollection fromPieces;
    NotKeptReport piecesReport;
    const auto piecesOutcome =
        CollectionReader(source, options, 1 + bytes.size() % 5).read(fromPieces.records, piecesReport);
    if (!source.readRest())
        return;
    if (piecesOutcome != textOutcome || options.errorPosition != wholeOptions.errorPosition ||
        options.errorMessage != wholeOptions.errorMessage ||
        options.skippedPositions() != wholeOptions.skippedPositions() ||
        options.skippedPartCount != wholeOptions.skippedPartCount)
        fault("reading in pieces and reading the whole text disagree on the outcome");
    if (CollectionFile::saveText(fromPieces) != CollectionFile::saveText(fromText) ||
        piecesReport.message() != textReport.message())
        fault("reading in pieces and reading the whole text read different records");
    if (textOutcome == CollectionReader::Outcome::ParseFailed &&
        (source.placeOf(options.errorPosition).line !=
             CollectionFile::placeOf(text, options.errorPosition).line ||
         source.placeOf(options.errorPosition).column !=
             CollectionFile::placeOf(text, options.errorPosition).column))
        fault("reading in pieces places an error elsewhere");
    const std::vector<std::size_t> skipped = options.skippedPositions();
    const std::vector<CollectionFile::Place> places = source.placesOf(skipped);
    for (std::size_t i = 0; i < places.size(); ++i) {
        const CollectionFile::Place whole = CollectionFile::placeOf(text, skipped[i]);
        if (places[i].line != whole.line || places[i].column != whole.column)
            fault("reading in pieces places a skipped part elsewhere");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    StudyCollection first;
    const LoadResult loaded = CollectionFile::loadText(bytes, first);
    const std::string saved = loaded.ok ? CollectionFile::saveText(first) : std::string();
    checkAgainstWholeTree(bytes, loaded, saved);
    checkInPieces(bytes);
    if (!loaded.ok)
        return 0;

    const std::string steps = stepByStepSave(first);
    if (!steps.empty() && steps != saved)
        fault("one-pass save differs from the step-by-step save");

    StudyCollection second;
    const LoadResult reloaded = CollectionFile::loadText(saved, second);
    if (!reloaded.ok)
        fault("a saved file does not load");
    if (second.records.size() != first.records.size())
        fault("a saved file loads a different number of protocols");
    if (CollectionFile::saveText(second) != saved)
        fault("saving the reloaded file gives different bytes");
    if (!reloaded.notKept.empty())
        fault("a saved file loads with parts not kept");
    return 0;
}
