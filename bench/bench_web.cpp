// Time to cut a citation out of hostile PubMed pages: each page is built to
// make a naive cutter rescan or shift the rest of the page once per marker.
//
//     bench_web [MiB] [shape]    (default: 16 MiB, every shape)
#include "BenchTiming.h"
#include "web/PubMedLookup.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

std::string repeated(std::string_view head, std::string_view piece, std::string_view tail,
                     std::size_t bytes) {
    std::string page(head);
    page.reserve(bytes + tail.size());
    while (page.size() + piece.size() + tail.size() <= bytes) {
        page += piece;
    }
    return page += tail;
}

struct Shape {
    const char* name;
    std::string_view head;
    std::string_view piece;
    std::string_view tail;
};

constexpr Shape kShapes[] = {
    // An ordinary article page, over and over: the baseline.
    {"ordinary", "",
     "<p class=\"auth_list\"><a href=\"/a\">Smith J</a>, <a href=\"/b\">Doe A</a></p>"
     "<h1 class=\"title\">A study.</h1><p class=\"citation\"><a href=\"/j\">J</a>. 2001;5:1.</p>\n",
     ""},
    // Author links whose start tag never closes before the list ends.
    {"unclosed-links", "<p class=\"auth_list\">", "a href", "</p>"},
    // Author links that are never ended.
    {"unended-links", "<p class=\"auth_list\">", "<a href=\"/x\">", "</p>"},
    // A citation paragraph made of link end tags.
    {"end-tags", "<p class=\"citation\"><a href=\"/j\">", "</a>", "</p>"},
};

} // namespace

int main(int argc, char** argv) {
    const double mebibytes = argc > 1 ? std::atof(argv[1]) : 16.0;
    const std::string_view only = argc > 2 ? argv[2] : "";
    const auto bytes = static_cast<std::size_t>(mebibytes * 1024 * 1024);
    for (const Shape& shape : kShapes) {
        if (!only.empty() && only != shape.name) {
            continue;
        }
        const std::string page = repeated(shape.head, shape.piece, shape.tail, bytes);
        std::size_t length = 0;
        const double seconds =
            secondsOf([&] { length = PubMedLookup::citationFromPage(page).size(); });
        std::printf("citation cut, %-15s %6.1f MiB: %9.3f s (%zu bytes out)\n", shape.name,
                    mebibytes, seconds, length);
    }
    return 0;
}
