#include "web/CacheDownload.h"

#include "files/AtomicFileWriter.h"
#include "web/HttpTransfer.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace {

constexpr std::string_view kCacheFolder = "Protoscribe";
constexpr std::string_view kUserAgent = "User-Agent: Protoscribe";

// A stable file name per address (64-bit FNV-1a in hexadecimal), so repeated
// downloads of one address replace its copy instead of filling the folder.
std::string fileNameFor(std::string_view address) {
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : address) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ull;
    }
    constexpr std::string_view kDigits = "0123456789abcdef";
    std::string name(16, '0');
    for (auto it = name.rbegin(); it != name.rend(); ++it) {
        *it = kDigits[hash & 0xfu];
        hash >>= 4;
    }
    return name + ".cache";
}

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
}

bool ensureDirectory(const std::string& directory) {
    if (directory.empty()) {
        return false;
    }
    std::error_code error;
    std::filesystem::create_directories(directory, error);
    return !error && std::filesystem::is_directory(directory, error);
}

bool isSuccess(const HttpTransfer::Outcome& outcome) {
    return outcome.completed && !outcome.capped && outcome.status >= 200 && outcome.status < 300;
}

} // namespace

CacheDownload::CacheDownload(std::string directory) : m_directory(std::move(directory)) {}

std::string CacheDownload::defaultDirectory() {
    std::string base = environment("XDG_CACHE_HOME");
    if (base.empty() || base.front() != '/') {
        const std::string home = environment("HOME");
        if (home.empty()) {
            return {};
        }
        base = home + "/.cache";
    }
    return base + "/" + std::string(kCacheFolder);
}

std::optional<std::string> CacheDownload::download(const std::string& address) const {
    return download(address, Deadline());
}

std::optional<std::string> CacheDownload::download(const std::string& address,
                                                   const Deadline& deadline) const {
    return fetch(address, deadline).path;
}

CacheDownload::Result CacheDownload::fetch(const std::string& address,
                                           const Deadline& deadline) const {
    Result result;
    const auto checked = HttpTransfer::checkedAddress(HttpTransfer::withScheme(address));
    if (!checked || !ensureDirectory(m_directory)) {
        return result;
    }
    const std::string target = m_directory + "/" + fileNameFor(*checked);
    HttpTransfer transfer;
    if (!transfer.valid()) {
        return result;
    }
    transfer.setHeaders({std::string(kUserAgent)});
    transfer.setFollowRedirects(kMaxRedirects);
    // A download that fails leaves the cached copy as it was.
    const SaveResult saved = AtomicFileWriter::write(
        target,
        [&](const AtomicFileWriter::Sink& sink) {
            const HttpTransfer::Outcome outcome = transfer.perform(*checked, sink, deadline);
            result.status = outcome.status;
            return isSuccess(outcome);
        },
        AtomicFileWriter::Options{.replaceReadOnly = true, .privateNewFile = true});
    if (saved.ok) {
        result.path = target;
    }
    return result;
}

std::optional<TextLines> CacheDownload::readLines(const std::string& path) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in) {
        return std::nullopt;
    }
    std::string text(static_cast<std::size_t>(std::max<std::streamoff>(in.tellg(), 0)), '\0');
    in.seekg(0);
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    if (!in) {
        return std::nullopt;
    }
    return TextLines(std::move(text));
}
