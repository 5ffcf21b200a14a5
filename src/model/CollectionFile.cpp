#include "model/CollectionFile.h"

#include "files/AtomicFileWriter.h"

#include "model/CollectionReader.h"
#include "model/CollectionWriter.h"
#include "model/DocumentDecoder.h"
#include "model/DecodedTextSource.h"
#include "model/StudyCollection.h"
#include "model/StudyRecord.h"
#include "xml/XmlNode.h"
#include "xml/XmlParseOptions.h"
#include "xml/XmlWriteOptions.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <new>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using File = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

std::string lineAndColumn(CollectionFile::Place place) {
    return std::to_string(place.line) + ", column " + std::to_string(place.column);
}

std::string where(const std::string& name, std::optional<CollectionFile::Place> place) {
    std::string text = "\n\n";
    if (!name.empty())
        text += "File: " + name + (place ? ", line " : "");
    else if (place)
        text += "Line ";
    else
        return {};
    if (place)
        text += lineAndColumn(*place);
    return text;
}

LoadResult failure(const std::string& reason, const std::string& name,
                   std::optional<CollectionFile::Place> place = std::nullopt) {
    LoadResult result;
    result.message = std::string(CollectionFile::kLoadErrorPrefix) + reason + where(name, place);
    return result;
}

// Opens a regular file for reading; anything else (a device, a pipe that
// would be read for ever) is refused. Empty `reason` on success.
File openRegular(const std::string& path, std::string& reason, bool& missing) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        missing = errno == ENOENT;
        reason = "The file cannot be opened: " + std::string(std::strerror(errno));
        return File(nullptr, &std::fclose);
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        reason = "This is not a regular file.";
        return File(nullptr, &std::fclose);
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    File file(::fdopen(fd, "rb"), &std::fclose);
    if (!file) {
        ::close(fd);
        reason = "The file cannot be opened: " + std::string(std::strerror(errno));
    }
    return file;
}

// Whatever a load runs out of memory for, the collection stays as it was.
template <class Load> LoadResult guarded(const std::string& name, Load load) {
    try {
        return load();
    } catch (const std::bad_alloc&) {
        return failure("There is not enough memory to load this file.", name);
    }
}

std::string describe(const XmlSkippedPart& part) {
    const std::string where =
        part.openElement.empty() ? " before the root element" : " inside <" + part.openElement + ">";
    switch (part.kind) {
    case XmlSkippedPart::Kind::EndTag:
        return "the end tag </" + part.name + ">" + where;
    case XmlSkippedPart::Kind::Text:
        return "text" + where + (part.openElement.empty() ? "" : " after other markup");
    case XmlSkippedPart::Kind::ProcessingInstruction:
        return "the processing instruction <?" + part.name + "?>" + where;
    case XmlSkippedPart::Kind::DocumentType:
        return "the document type declaration";
    case XmlSkippedPart::Kind::AfterRoot:
        return "everything after the root element, from " + part.name + " on";
    }
    return {};
}

} // namespace

LoadResult CollectionFile::load(const std::string& path, StudyCollection& collection) {
    return guarded(path, [&] { return loadFile(path, collection); });
}

LoadResult CollectionFile::loadFile(const std::string& path, StudyCollection& collection) {
    std::string reason;
    bool missing = false;
    const File file = openRegular(path, reason, missing);
    if (!file) {
        LoadResult result = failure(reason, path);
        result.fileMissing = missing;
        return result;
    }
    DecodedTextSource source(file.get());
    return loadDocument(source, collection, path);
}

LoadResult CollectionFile::loadText(std::string_view bytes, StudyCollection& collection,
                                    const std::string& name) {
    return guarded(name, [&] {
        DecodedTextSource source(bytes);
        return loadDocument(source, collection, name);
    });
}

// The text is decoded as the reader goes. Bytes that cannot be decoded are
// the failure wherever they are, before anything the reading found (running
// out of memory included), as when the whole text was decoded first.
LoadResult CollectionFile::loadDocument(DecodedTextSource& source, StudyCollection& collection,
                                        const std::string& name) {
    XmlParseOptions options = XmlParseOptions::program();
    OwningList<StudyRecord> records;
    LoadResult result;
    CollectionReader reader(source, options);
    CollectionReader::Outcome outcome = CollectionReader::Outcome::NoElement;
    try {
        outcome = reader.read(records, result.notKept);
    } catch (const std::bad_alloc&) {
        if (!source.readRest())
            return failure(source.error(), name);
        throw;
    }
    if (!source.readRest())
        return failure(source.error(), name);
    switch (outcome) {
    case CollectionReader::Outcome::ParseFailed:
        return failure(options.errorMessage, name, source.placeOf(options.errorPosition));
    case CollectionReader::Outcome::NoElement:
        return failure("The file holds no XML element.", name);
    case CollectionReader::Outcome::NotCollection:
        return failure("The file is not a protocol collection: its root element is <" +
                           reader.rootName() + ">, where <" +
                           std::string(StudyCollection::kElementName) +
                           "> or <clinical_study> was expected.",
                       name, source.placeOf(reader.rootPosition()));
    case CollectionReader::Outcome::Read:
        break;
    }
    if (!options.skippedParts.empty())
        reportSkippedParts(options, source.placesOf(options.skippedPositions()), result.notKept);
    collection.clear();
    collection.records = std::move(records);
    result.ok = true;
    return result;
}

// What the reader passed over, the save cannot bring back.
void CollectionFile::reportSkippedParts(const XmlParseOptions& options,
                                        const std::vector<Place>& places, NotKeptReport& report) {
    for (std::size_t i = 0; i < places.size(); ++i)
        report.add("line " + lineAndColumn(places[i]) + ": " + describe(options.skippedParts[i]));
    if (options.skippedPartCount > places.size())
        report.add("further end tags, text or markup read past",
                   options.skippedPartCount - places.size());
}

CollectionFile::Place CollectionFile::placeOf(std::string_view text, std::size_t offset) {
    return placeAfter(Place(), text.substr(0, std::min(offset, text.size())));
}

CollectionFile::Place CollectionFile::placeAfter(Place start, std::string_view text) {
    const std::size_t lastBreak = text.rfind('\n');
    if (lastBreak != std::string_view::npos) {
        start.line += static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
        start.column = 1;
        text.remove_prefix(lastBreak + 1);
    }
    // Continuation bytes of UTF-8 do not start a character.
    start.column += static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
    return start;
}

// The XML writer's text of the record's tree: what the save filters into
// the file's bytes.
std::string CollectionFile::recordText(const StudyRecord& record) {
    XmlNode wrapper;
    record.writeIntoCollection(&wrapper);
    XmlWriteOptions options = XmlWriteOptions::programDefault();
    options.depth = 0;
    std::string text;
    for (const auto& element : wrapper.children())
        element->writeAsText(options, text);
    return text;
}

std::string CollectionFile::saveText(const StudyCollection& collection) {
    return CollectionWriter::fileText(collection);
}

SaveResult CollectionFile::save(const StudyCollection& collection, const std::string& path,
                                SaveOptions options) {
    return AtomicFileWriter::write(
        path,
        [&collection](const AtomicFileWriter::Sink& sink) {
            return CollectionWriter::writeFile(collection, sink);
        },
        options);
}

std::string CollectionFile::documentText(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size());
    DocumentDecoder decoder(text);
    if (!decoder.append(bytes) || !decoder.finish())
        return {};
    return text;
}
