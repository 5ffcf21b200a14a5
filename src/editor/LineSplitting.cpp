#include "editor/LineSplitting.h"

#include "model/FieldValue.h"

#include <algorithm>

namespace {

bool isLineBreak(char c) {
    return c == '\r' || c == '\n';
}

} // namespace

std::vector<std::string> LineSplitting::splitAtLineFeeds(std::string_view text) {
    std::vector<std::string> entries;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        end = end == std::string_view::npos ? text.size() : end + 1;
        std::string piece(text.substr(start, end - start));
        std::erase_if(piece, isLineBreak);
        if (!piece.empty()) {
            entries.push_back(std::move(piece));
        }
        start = end;
    }
    return entries;
}

std::vector<std::string> LineSplitting::splitAtLineBreaks(std::string_view text) {
    std::vector<std::string> entries;
    auto position = text.begin();
    while (position != text.end()) {
        position = std::find_if_not(position, text.end(), isLineBreak);
        const auto end = std::find_if(position, text.end(), isLineBreak);
        if (position != end) {
            entries.emplace_back(position, end);
        }
        position = end;
    }
    return entries;
}

std::string LineSplitting::joinLines(const std::vector<std::string>& entries) {
    std::string joined;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (i > 0) {
            joined += "\r\n";
        }
        joined += entries[i];
    }
    return joined;
}

std::string LineSplitting::joinDisplayTexts(const std::vector<FieldValue>& items) {
    std::vector<std::string> texts;
    texts.reserve(items.size());
    for (const FieldValue& item : items) {
        texts.push_back(item.displayText());
    }
    return joinLines(texts);
}
