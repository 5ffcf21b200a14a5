#include "editor/lists/ItemTexts.h"

#include "model/TextForms.h"

std::string ItemTexts::withWebScheme(std::string_view url) {
    const std::string lower = lowerCased(url);
    if (lower.find("http://") != std::string::npos || lower.find("https://") != std::string::npos) {
        return std::string(url);
    }
    return "http://" + std::string(url);
}
