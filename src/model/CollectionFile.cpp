#include "model/CollectionFile.h"

#include "model/AtomicFileWriter.h"
#include "model/CollectionReader.h"
#include "model/CollectionWriter.h"
#include "model/StudyCollection.h"
#include "model/TextModeDecoder.h"
#include "xml/XmlParseOptions.h"

#include <cstdio>
#include <memory>
#include <sys/stat.h>

namespace {

// The file's document text, decoded while it is read; an unreadable file
// reads as the empty text.
std::string readDocument(const std::string& path) {
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"),
                                                         &std::fclose);
    if (!file)
        return {};
    std::string text;
    struct stat info {};
    if (fstat(fileno(file.get()), &info) == 0 && S_ISREG(info.st_mode))
        text.reserve(static_cast<std::size_t>(info.st_size));
    TextModeDecoder decoder(text);
    std::string block(1 << 16, '\0');
    for (;;) {
        const std::size_t got = std::fread(block.data(), 1, block.size(), file.get());
        decoder.append(std::string_view(block).substr(0, got));
        if (got < block.size())
            break;
    }
    if (std::ferror(file.get()))
        return {};
    decoder.finish();
    return text;
}

} // namespace

LoadResult CollectionFile::load(const std::string& path, StudyCollection& collection) {
    return loadDocument(readDocument(path), collection);
}

LoadResult CollectionFile::loadText(std::string_view bytes, StudyCollection& collection) {
    return loadDocument(documentText(bytes), collection);
}

LoadResult CollectionFile::loadDocument(const std::string& text, StudyCollection& collection) {
    XmlParseOptions options = XmlParseOptions::program();
    OwningList<StudyRecord> records;
    if (!CollectionReader(text, options).read(records)) {
        LoadResult result;
        if (options.errorFlag)
            result.message = std::string(kLoadErrorPrefix) + options.errorMessage;
        return result;
    }
    collection.clear();
    collection.records = std::move(records);
    return {true, {}};
}

std::string CollectionFile::saveText(const StudyCollection& collection) {
    return CollectionWriter::fileText(collection);
}

SaveResult CollectionFile::save(const StudyCollection& collection, const std::string& path) {
    return AtomicFileWriter::write(path, [&collection](const AtomicFileWriter::Sink& sink) {
        return CollectionWriter::writeFile(collection, sink);
    });
}

std::string CollectionFile::documentText(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size());
    TextModeDecoder decoder(text);
    decoder.append(bytes);
    decoder.finish();
    return text;
}
