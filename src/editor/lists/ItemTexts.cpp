#include "editor/lists/ItemTexts.h"

#include "model/FieldValue.h"
#include "model/TextForms.h"

namespace {

void eraseAll(std::string& text, std::string_view piece) {
    for (std::size_t at = text.find(piece); at != std::string::npos; at = text.find(piece, at)) {
        text.erase(at, piece.size());
    }
}

} // namespace

std::string ItemTexts::joinLines(const std::vector<FieldValue>& items) {
    std::string joined;
    for (const FieldValue& item : items) {
        if (&item != &items.front()) {
            joined += kDisplayLineBreak;
        }
        joined += item.displayText();
    }
    return joined;
}

std::vector<std::string> ItemTexts::splitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t position = 0;
    while (position < text.size()) {
        const std::size_t feed = text.find('\n', position);
        const std::size_t end = feed == std::string_view::npos ? text.size() : feed;
        std::string line(text.substr(position, end - position));
        eraseAll(line, "\r\n");
        eraseAll(line, "\r");
        eraseAll(line, "\n");
        if (!line.empty()) {
            lines.push_back(std::move(line));
        }
        if (feed == std::string_view::npos) {
            break;
        }
        position = feed + 1;
    }
    return lines;
}

std::string ItemTexts::withWebScheme(std::string_view url) {
    const std::string lower = lowerCased(url);
    if (lower.find("http://") != std::string::npos || lower.find("https://") != std::string::npos) {
        return std::string(url);
    }
    return "http://" + std::string(url);
}
