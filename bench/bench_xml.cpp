// Reader and writer throughput on a collection-shaped document, beside pugixml
// parsing and saving the same text in the same process.
#include "BenchTiming.h"
#include "xml/XmlNode.h"
#include "xml/XmlParseOptions.h"
#include "xml/XmlWriteOptions.h"

#include <pugixml.hpp>

#include <cstdint>
#include <cstdio>
#include <array>
#include <memory>
#include <string>
#include <vector>

namespace {

class Generator {
public:
    explicit Generator(std::uint64_t seed) : m_state(seed) {}

    std::string document(std::size_t targetBytes) {
        m_out.clear();
        m_out.reserve(targetBytes + 65536);
        m_out += "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n<!-- generated -->\r\n";
        m_out += "<prs:study_collection xmlns:prs=\"http://clinicaltrials.gov/prs\" "
                 "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" >";
        for (int study = 0; m_out.size() < targetBytes; ++study)
            writeStudy(study);
        m_out += "\r\n</prs:study_collection>\r\n";
        return m_out;
    }

private:
    std::uint64_t next() {
        m_state = m_state * 6364136223846793005ULL + 1442695040888963407ULL;
        return m_state >> 33;
    }

    std::string words(int count) {
        static const char* const vocabulary[] = {
            "randomized", "placebo", "controlled", "trial", "of", "efficacy", "&amp;",
            "safety", "in", "adults", "with", "moderate", "asthma", "&lt;18", "years",
            "patients", "dose", "mg/kg", "&quot;primary&quot;", "endpoint", "\xC3\xA9tude"};
        std::string text;
        for (int i = 0; i < count; ++i) {
            if (i)
                text += (next() % 17 == 0) ? "&#xd;" : " ";
            text += vocabulary[next() % (sizeof vocabulary / sizeof *vocabulary)];
        }
        return text;
    }

    void leaf(int depth, const char* name, const std::string& value, bool deleteFlag = true) {
        m_out += "\r\n";
        m_out.append(static_cast<std::size_t>(depth), '\t');
        m_out.append("<").append(name);
        if (deleteFlag)
            m_out += " delete=\"false\" ";
        if (value.empty()) {
            m_out += "/>";
            return;
        }
        m_out.append(">").append(value).append("</").append(name).append(">");
    }

    void open(int depth, const char* name) {
        m_out += "\r\n";
        m_out.append(static_cast<std::size_t>(depth), '\t');
        m_out.append("<").append(name).append(">");
    }

    void close(int depth, const char* name) {
        m_out += "\r\n";
        m_out.append(static_cast<std::size_t>(depth), '\t');
        m_out.append("</").append(name).append(">");
    }

    void block(int depth, const char* name, int wordCount) {
        open(depth, name);
        leaf(depth + 1, "textblock", words(wordCount), false);
        close(depth, name);
    }

    void writeStudy(int study) {
        open(1, "clinical_study");
        open(2, "id_info");
        leaf(3, "org_name", "Example University", false);
        leaf(3, "org_study_id", "EX-" + std::to_string(study), false);
        close(2, "id_info");
        leaf(2, "brief_title", words(12));
        leaf(2, "official_title", words(25));
        block(2, "brief_summary", 120);
        block(2, "detailed_description", 400);
        leaf(2, "overall_status", "Recruiting");
        for (int i = 0; i < 5; ++i) {
            open(2, "primary_outcome");
            leaf(3, "outcome_measure", words(10), false);
            leaf(3, "outcome_time_frame", "12 weeks", false);
            block(3, "outcome_description", 30);
            close(2, "primary_outcome");
        }
        for (int i = 0; i < 10; ++i) {
            open(2, "location");
            open(3, "facility");
            leaf(4, "name", words(4), false);
            open(4, "address");
            leaf(5, "city", "Springfield", false);
            leaf(5, "country", "United States", false);
            leaf(5, "zip", std::to_string(10000 + next() % 89999), false);
            close(4, "address");
            close(3, "facility");
            leaf(3, "status", "Recruiting", false);
            for (int k = 0; k < 2; ++k) {
                open(3, "investigator");
                leaf(4, "first_name", "Ada", false);
                leaf(4, "last_name", "Quill", false);
                leaf(4, "role", "Principal Investigator", false);
                close(3, "investigator");
            }
            close(2, "location");
        }
        close(1, "clinical_study");
    }

    std::uint64_t m_state;
    std::string m_out;
};

struct StringWriter : pugi::xml_writer {
    std::string text;
    void write(const void* data, std::size_t size) override {
        text.append(static_cast<const char*>(data), size);
    }
};

// One document size and the times of both sides.
struct Workload {
    std::string text;
    // Both sides read a copy made just before their parse (pugixml parses in
    // place): the same warm buffer for each.
    std::string input;
    std::vector<double> reader, writer, pugiParse, pugiSave;
    double megabytes() const { return static_cast<double>(text.size()) / 1e6; }
};

// Both sides read from a warm buffer into a fresh document and write into a warm string.
struct Sides {
    std::string written;
    StringWriter pugiWritten;

    void ours(Workload& w) {
        auto root = std::make_unique<XmlNode>();
        w.input.assign(w.text);
        w.reader.push_back(secondsOf([&] {
            XmlParseOptions options = XmlParseOptions::program();
            if (!root->parseFromText(w.input, 0, options))
                std::fprintf(stderr, "parse failed\n");
        }));
        written.clear();
        w.writer.push_back(
            secondsOf([&] { root->writeAsText(XmlWriteOptions::programDefault(), written); }));
    }

    void pugi(Workload& w) {
        w.input.assign(w.text);
        auto document = std::make_unique<pugi::xml_document>();
        w.pugiParse.push_back(secondsOf([&] {
            if (!document->load_buffer_inplace(w.input.data(), w.input.size()))
                std::fprintf(stderr, "pugixml parse failed\n");
        }));
        pugiWritten.text.clear();
        w.pugiSave.push_back(secondsOf([&] { document->save(pugiWritten, "\t"); }));
    }
};

struct Figures {
    double reader, writer, pugiParse, pugiSave, megabytes;
};

Figures figuresOf(const Workload& w) {
    return {median(w.reader), median(w.writer), median(w.pugiParse), median(w.pugiSave),
            w.megabytes()};
}

void report(const char* label, const Figures& f) {
    std::printf("%s (%.1f MB): reader %.0f MB/s, writer %.0f MB/s, pugixml parse %.0f MB/s, "
                "pugixml save %.0f MB/s\n",
                label, f.megabytes, f.megabytes / f.reader, f.megabytes / f.writer,
                f.megabytes / f.pugiParse, f.megabytes / f.pugiSave);
}

} // namespace

// Sizes and sides take turns, so that neither is favoured by going first.
int main() {
    Generator generator(42);
    Workload small{generator.document(10'000'000), {}, {}, {}, {}, {}};
    Workload large{generator.document(100'000'000), {}, {}, {}, {}, {}};
    Sides sides;
    for (int round = 0; round < 6; ++round) {
        const std::array<Workload*, 2> order = round % 2 == 0 ? std::array{&small, &large}
                                                              : std::array{&large, &small};
        for (Workload* w : order) {
            if ((round / 2) % 2 == 0) {
                sides.ours(*w);
                sides.pugi(*w);
            } else {
                sides.pugi(*w);
                sides.ours(*w);
            }
        }
    }
    const Figures s = figuresOf(small);
    const Figures l = figuresOf(large);
    report("10 MB", s);
    report("100 MB", l);
    std::printf("linearity (time per MB, 100 MB / 10 MB): reader %.2f, writer %.2f\n",
                (l.reader / l.megabytes) / (s.reader / s.megabytes),
                (l.writer / l.megabytes) / (s.writer / s.megabytes));
    std::printf("reader/pugixml=%.2f writer/pugixml=%.2f\n", l.reader / l.pugiParse,
                l.writer / l.pugiSave);
    return 0;
}
