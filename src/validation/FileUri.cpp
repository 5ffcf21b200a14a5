#include "validation/FileUri.h"

#include <cctype>
#include <filesystem>
#include <string_view>
#include <system_error>

namespace {

constexpr std::string_view kScheme = "file://";
constexpr std::string_view kHexDigits = "0123456789ABCDEF";

bool keptAsIs(unsigned char c) {
    return std::isalnum(c) != 0 ||
           std::string_view("/-._~!$&'()*+,;=:@").find(static_cast<char>(c)) !=
               std::string_view::npos;
}

int hexValue(char c) {
    const std::size_t at =
        kHexDigits.find(static_cast<char>(std::toupper(static_cast<unsigned char>(c))));
    return at == std::string_view::npos ? -1 : static_cast<int>(at);
}

bool startsWithScheme(const std::string& text) {
    if (text.size() < kScheme.size())
        return false;
    for (std::size_t i = 0; i < kScheme.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(text[i])) != kScheme[i])
            return false;
    }
    return true;
}

} // namespace

std::string fileUriFromPath(const std::string& path) {
    if (startsWithScheme(path))
        return path;
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(path, ec);
    const std::string full = ec ? path : absolute.lexically_normal().string();
    std::string uri(kScheme);
    for (char c : full) {
        const auto byte = static_cast<unsigned char>(c);
        if (keptAsIs(byte)) {
            uri += c;
        } else {
            uri += '%';
            uri += kHexDigits[byte >> 4];
            uri += kHexDigits[byte & 0x0F];
        }
    }
    return uri;
}

std::string pathFromFileUri(const std::string& uri) {
    if (!startsWithScheme(uri))
        return uri;
    std::string_view rest = std::string_view(uri).substr(kScheme.size());
    if (rest.starts_with("localhost/"))
        rest.remove_prefix(9);
    std::string path;
    for (std::size_t i = 0; i < rest.size(); ++i) {
        const int high = rest[i] == '%' && i + 2 < rest.size() ? hexValue(rest[i + 1]) : -1;
        const int low = high >= 0 ? hexValue(rest[i + 2]) : -1;
        if (low >= 0) {
            path += static_cast<char>(high * 16 + low);
            i += 2;
        } else {
            path += rest[i];
        }
    }
    return path;
}
