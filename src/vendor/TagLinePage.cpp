#include "vendor/TagLinePage.h"

namespace {

std::string lineAt(const std::vector<std::string>& lines, std::size_t index) {
    return index < lines.size() ? lines[index] : std::string();
}

} // namespace

std::optional<TagLinePage::Entry> TagLinePage::lastEntry(const std::vector<std::string>& lines) {
    std::optional<Entry> last;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].find(kMarker) == std::string::npos) {
            continue;
        }
        // The entry's two value lines are taken as they are, marker or not.
        last = Entry{lineAt(lines, i + 1), lineAt(lines, i + 2)};
        i += 2;
    }
    return last;
}
