// Load and save of large collection files, beside pugixml on the same file.
//
// For N = 1,000 and N = 10,000 generated protocols (each with multi-line
// texts, entities, five outcomes and ten locations) the program saves a file,
// then times (medians of 5; sizes and sides take turns) both sides on equal
// terms: each parses the file's bytes from the same warm buffer into a buffer
// of its own and a document (the program: decoding, reading and building the
// records), and writes what it read into a warm string of its own. The
// program's load from disk and save to disk (temporary file, flush, rename)
// are timed as well, for throughput. Peak
// memory of the N = 10,000 load is the growth of the resident set during the
// load: VmHWM is reset through /proc/self/clear_refs just before loading and
// read afterwards; the resident set before the load is subtracted, so the
// figure covers the collection built and everything the load allocated on
// the way.
//
// The registry rules check of every record of the N = 10,000 collection is
// timed against the load it follows in the same round: check/load.
#include "StudyGenerator.h"
#include "model/CollectionFile.h"
#include "model/CollectionWriter.h"
#include "model/RegistryRules.h"
#include "model/StudyCollection.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <malloc.h>
#include <memory>
#include <pugixml.hpp>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

double seconds(const std::function<void()>& run) {
    const auto start = std::chrono::steady_clock::now();
    run();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

long statusKb(const char* key) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(key, 0) == 0)
            return std::stol(line.substr(std::string(key).size()));
    }
    return -1;
}

std::string fileBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

bool sameBytes(const fs::path& a, const fs::path& b) {
    return fs::file_size(a) == fs::file_size(b) && fileBytes(a) == fileBytes(b);
}

// One collection size: its file and the times of every round.
struct Workload {
    int count = 0;
    fs::path file;
    fs::path saved;
    double megabytes = 0;
    std::string bytes; // the file, read once
    std::vector<double> load, save, pugiParse, pugiSave, fileLoad, fileSave;
};

void fail(const std::string& what) {
    std::fprintf(stderr, "bench_collection: %s\n", what.c_str());
    std::exit(1);
}

Workload prepare(int count, const fs::path& folder) {
    Workload w;
    w.count = count;
    w.file = folder / ("collection-" + std::to_string(count) + ".xml");
    w.saved = folder / ("saved-" + std::to_string(count) + ".xml");
    StudyGenerator::saveCollection(count, w.file.string());
    w.megabytes = static_cast<double>(fs::file_size(w.file)) / (1024.0 * 1024.0);
    return w;
}

// Growth of the resident set while loading, in KB.
long peakGrowthOfLoad(const Workload& w) {
    malloc_trim(0);
    std::ofstream reset("/proc/self/clear_refs");
    reset << "5" << std::flush;
    if (!reset)
        std::printf("note: VmHWM could not be reset; the peak below is an upper bound\n");
    const long before = statusKb("VmRSS:");
    StudyCollection collection;
    if (!CollectionFile::load(w.file.string(), collection).ok)
        fail("load failed");
    return statusKb("VmHWM:") - before;
}

struct Buffers {
    std::string ours;
    std::string pugi;
};

struct StringWriter : pugi::xml_writer {
    std::string* text = nullptr;
    void write(const void* data, std::size_t size) override {
        text->append(static_cast<const char*>(data), size);
    }
};

void runOurs(Workload& w, Buffers& buffers) {
    auto collection = std::make_unique<StudyCollection>();
    w.load.push_back(seconds([&] {
        if (!CollectionFile::loadText(w.bytes, *collection).ok)
            fail("load failed");
    }));
    if (collection->records.size() != static_cast<std::size_t>(w.count))
        fail("wrong record count");
    buffers.ours.clear();
    w.save.push_back(seconds([&] {
        CollectionWriter::writeFile(*collection, [&](std::string_view piece) {
            buffers.ours.append(piece);
            return true;
        });
    }));
    if (buffers.ours != w.bytes)
        fail("saving the loaded collection changed the file");
}

void runPugi(Workload& w, Buffers& buffers) {
    auto document = std::make_unique<pugi::xml_document>();
    w.pugiParse.push_back(seconds([&] {
        if (!document->load_buffer(w.bytes.data(), w.bytes.size()))
            fail("pugixml parse failed");
    }));
    buffers.pugi.clear();
    StringWriter writer;
    writer.text = &buffers.pugi;
    w.pugiSave.push_back(seconds([&] { document->save(writer, "\t"); }));
}

// The program's own file input and output, for throughput.
void runFiles(Workload& w) {
    auto collection = std::make_unique<StudyCollection>();
    w.fileLoad.push_back(seconds([&] {
        if (!CollectionFile::load(w.file.string(), *collection).ok)
            fail("load failed");
    }));
    w.fileSave.push_back(seconds([&] {
        const SaveResult result = CollectionFile::save(*collection, w.saved.string());
        if (!result.ok)
            fail(result.reason);
    }));
    if (!sameBytes(w.saved, w.file))
        fail("saving the loaded collection changed the file");
}

// One round for one size; which side goes first changes every round.
void runRound(Workload& w, Buffers& buffers, bool oursFirst) {
    if (oursFirst) {
        runOurs(w, buffers);
        runPugi(w, buffers);
    } else {
        runPugi(w, buffers);
        runOurs(w, buffers);
    }
    runFiles(w);
}

struct Medians {
    double load, save, pugiParse, pugiSave, fileLoad, fileSave;
};

Medians medians(const Workload& w) {
    return {median(w.load),      median(w.save),     median(w.pugiParse),
            median(w.pugiSave),  median(w.fileLoad), median(w.fileSave)};
}

void report(const Workload& w, const Medians& m) {
    std::printf("N=%-6d file=%7.1f MB  load=%.3fs save=%.3fs  pugixml parse=%.3fs save=%.3fs  "
                "from disk %.0f MB/s, to disk %.0f MB/s\n",
                w.count, w.megabytes, m.load, m.save, m.pugiParse, m.pugiSave,
                w.megabytes / m.fileLoad, w.megabytes / m.fileSave);
}

// The load of a collection and the rules check of all its records, timed in
// the same round; the findings are counted so that none of the work is skipped.
struct CheckTimes {
    std::vector<double> load, check;
    std::size_t findings = 0;
};

void runCheck(const Workload& w, CheckTimes& times) {
    auto collection = std::make_unique<StudyCollection>();
    times.load.push_back(seconds([&] {
        if (!CollectionFile::loadText(w.bytes, *collection).ok)
            fail("load failed");
    }));
    const RuleContext context = RuleContext::now();
    times.check.push_back(
        seconds([&] { times.findings = RegistryRules::check(*collection, context).size(); }));
}

void reportCheck(const Workload& w, const CheckTimes& times) {
    const double load = median(times.load);
    const double check = median(times.check);
    std::printf("N=%-6d rules check=%.3fs (%zu findings) after load=%.3fs  check/load=%.2f\n",
                w.count, check, times.findings, load, check / load);
}

} // namespace

// The two sizes are timed in alternating rounds, so that load from other
// work on the machine falls on both alike.
int main() {
    const fs::path folder =
        fs::temp_directory_path() / ("bench-collection-" + std::to_string(getpid()));
    fs::create_directories(folder);
    Workload small = prepare(1000, folder);
    Workload large = prepare(10000, folder);
    const long peakGrowthKb = peakGrowthOfLoad(large);
    small.bytes = fileBytes(small.file);
    large.bytes = fileBytes(large.file);
    Buffers buffers;
    CheckTimes checks;
    for (int round = 0; round < 5; ++round) {
        runCheck(large, checks);
        const bool oursFirst = round % 2 == 0;
        Workload& first = round % 2 == 0 ? small : large;
        Workload& second = round % 2 == 0 ? large : small;
        runRound(first, buffers, oursFirst);
        runRound(second, buffers, oursFirst);
    }
    fs::remove_all(folder);

    const Medians s = medians(small);
    const Medians l = medians(large);
    report(small, s);
    report(large, l);
    reportCheck(large, checks);
    std::printf("peak memory growth during the N=10000 load: %.1f MB for a %.1f MB file\n",
                static_cast<double>(peakGrowthKb) / 1024.0, large.megabytes);
    const double ratio = (l.load + l.save) / (l.pugiParse + l.pugiSave);
    const double peak = static_cast<double>(peakGrowthKb) / (large.megabytes * 1024.0);
    const double scaling =
        ((l.load + l.save) / large.megabytes) / ((s.load + s.save) / small.megabytes);
    std::printf("collection/pugixml=%.2f peak/filesize=%.2f scaling=%.2f\n", ratio, peak, scaling);
    return 0;
}
