// Load and save of large collection files, beside pugixml on the same file.
//
// For N = 1,000 and N = 10,000 generated protocols (each with multi-line
// texts, entities, five outcomes and ten locations) the program saves a file,
// then times (medians of 5, the two sizes in alternating rounds) loading it
// into a collection, saving that collection to disk, and pugixml parsing and
// saving the same file. Peak
// memory of the N = 10,000 load is the growth of the resident set during the
// load: VmHWM is reset through /proc/self/clear_refs just before loading and
// read afterwards; the resident set before the load is subtracted, so the
// figure covers the collection built and everything the load allocated on
// the way.
#include "StudyGenerator.h"
#include "model/CollectionFile.h"
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
    fs::path pugiSaved;
    double megabytes = 0;
    std::vector<double> load, save, pugiParse, pugiSave;
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
    w.pugiSaved = folder / ("pugixml-" + std::to_string(count) + ".xml");
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

// One round for one size: load, save, pugixml parse, pugixml save.
void runRound(Workload& w) {
    auto collection = std::make_unique<StudyCollection>();
    w.load.push_back(seconds([&] {
        if (!CollectionFile::load(w.file.string(), *collection).ok)
            fail("load failed");
    }));
    if (collection->records.size() != static_cast<std::size_t>(w.count))
        fail("wrong record count");
    w.save.push_back(seconds([&] {
        const SaveResult result = CollectionFile::save(*collection, w.saved.string());
        if (!result.ok)
            fail(result.reason);
    }));
    if (!sameBytes(w.saved, w.file))
        fail("saving the loaded collection changed the file");
    collection.reset();

    auto document = std::make_unique<pugi::xml_document>();
    w.pugiParse.push_back(seconds([&] {
        if (!document->load_file(w.file.c_str()))
            fail("pugixml parse failed");
    }));
    w.pugiSave.push_back(seconds([&] {
        if (!document->save_file(w.pugiSaved.c_str(), "\t"))
            fail("pugixml save failed");
    }));
}

struct Medians {
    double load, save, pugiParse, pugiSave;
};

Medians medians(const Workload& w) {
    return {median(w.load), median(w.save), median(w.pugiParse), median(w.pugiSave)};
}

void report(const Workload& w, const Medians& m) {
    std::printf("N=%-6d file=%7.1f MB  load=%.3fs (%.0f MB/s)  save=%.3fs (%.0f MB/s)  "
                "pugixml parse=%.3fs save=%.3fs\n",
                w.count, w.megabytes, m.load, w.megabytes / m.load, m.save, w.megabytes / m.save,
                m.pugiParse, m.pugiSave);
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
    for (int round = 0; round < 5; ++round) {
        runRound(small);
        runRound(large);
    }
    fs::remove_all(folder);

    const Medians s = medians(small);
    const Medians l = medians(large);
    report(small, s);
    report(large, l);
    std::printf("peak memory growth during the N=10000 load: %.1f MB for a %.1f MB file\n",
                static_cast<double>(peakGrowthKb) / 1024.0, large.megabytes);
    const double ratio = (l.load + l.save) / (l.pugiParse + l.pugiSave);
    const double peak = static_cast<double>(peakGrowthKb) / (large.megabytes * 1024.0);
    const double scaling =
        ((l.load + l.save) / large.megabytes) / ((s.load + s.save) / small.megabytes);
    std::printf("collection/pugixml=%.2f peak/filesize=%.2f scaling=%.2f\n", ratio, peak, scaling);
    return 0;
}
