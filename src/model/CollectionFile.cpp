#include "model/CollectionFile.h"

#include "model/AtomicFileWriter.h"
#include "model/CollectionReader.h"
#include "model/CollectionWriter.h"
#include "model/StudyCollection.h"
#include "xml/XmlParseOptions.h"

#include <cstdio>
#include <cstring>
#include <memory>
#include <sys/stat.h>

namespace {

// An unreadable file reads as the empty text.
std::string readWholeFile(const std::string& path) {
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"),
                                                         &std::fclose);
    if (!file)
        return {};
    std::string bytes;
    struct stat info {};
    if (fstat(fileno(file.get()), &info) == 0 && S_ISREG(info.st_mode))
        bytes.reserve(static_cast<std::size_t>(info.st_size));
    std::string block(1 << 16, '\0');
    for (;;) {
        const std::size_t got = std::fread(block.data(), 1, block.size(), file.get());
        bytes.append(block, 0, got);
        if (got < block.size())
            break;
    }
    if (std::ferror(file.get()))
        return {};
    return bytes;
}

} // namespace

LoadResult CollectionFile::load(const std::string& path, StudyCollection& collection) {
    std::string text = readWholeFile(path);
    toDocumentText(text);
    return loadDocument(text, collection);
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
    return AtomicFileWriter::write(path, saveText(collection));
}

std::string CollectionFile::documentText(std::string_view bytes) {
    std::string text(bytes);
    toDocumentText(text);
    return text;
}

// Text-mode reading turns CR LF into LF; a lone CR stays. Splitting at LF and
// joining with LF gives the same text, except that the last line's LF goes.
// (Lines were once joined with nothing, which ran the words of text spanning
// lines together.)
void CollectionFile::toDocumentText(std::string& bytes) {
    char* const begin = bytes.data();
    const char* const end = begin + bytes.size();
    const char* from = begin;
    char* to = begin;
    while (from < end) {
        const void* found = std::memchr(from, '\r', static_cast<std::size_t>(end - from));
        const char* cr = found ? static_cast<const char*>(found) : end;
        const auto run = static_cast<std::size_t>(cr - from);
        if (to != from)
            std::memmove(to, from, run);
        to += run;
        from = cr;
        if (from == end)
            break;
        if (from + 1 == end || from[1] != '\n')
            *to++ = '\r';
        ++from;
    }
    bytes.resize(static_cast<std::size_t>(to - begin));
    if (!bytes.empty() && bytes.back() == '\n')
        bytes.pop_back();
}
