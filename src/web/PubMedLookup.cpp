#include "web/PubMedLookup.h"

#include "names/NamesAndAddresses.h"

#include <nlohmann/json.hpp>
#include <string_view>
#include <thread>

namespace {

constexpr std::string_view kAuthorList = "<p class=\"auth_list\">";
constexpr std::string_view kParagraphEnd = "</p>";
constexpr std::string_view kLink = "a href";
constexpr std::string_view kTagEnd = ">";
constexpr std::string_view kLinkEnd = "</a>";
constexpr std::string_view kTitle = "<h1 class=\"title\">";
constexpr std::string_view kTitleEnd = "</h1>";
constexpr std::string_view kCitation = "<p class=\"citation\">";

// Characters that would end a path segment or start an escape, query or fragment,
// plus the further ones that would split a query parameter.
constexpr std::string_view kPathReserved = "/?#%\\";
constexpr std::string_view kQueryReserved = "/?#%\\&=+;";

constexpr std::size_t npos = std::string::npos;

constexpr long kTooManyRequests = 429;

// An answer about the address itself: not "no answer", not a server failing,
// not "too many requests".
bool isAnswer(long status) {
    return status >= 200 && status < 500 && status != kTooManyRequests;
}

std::string percentEncoded(std::string_view text, std::string_view reserved) {
    constexpr std::string_view kHex = "0123456789ABCDEF";
    std::string encoded;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte <= 0x20 || byte >= 0x7f || reserved.find(c) != npos) {
            encoded += '%';
            encoded += kHex[byte >> 4];
            encoded += kHex[byte & 0xfu];
        } else {
            encoded += c;
        }
    }
    return encoded;
}

std::string withoutTrailingSlashes(std::string host) {
    while (!host.empty() && host.back() == '/') {
        host.pop_back();
    }
    return host;
}

std::string between(const std::string& text, std::size_t first, std::size_t end) {
    return text.substr(first, end - first);
}

// The link texts inside the author-list paragraph, joined by ", ". Each link
// is looked for after the end of the one before, so the page is read once
// however it is built.
std::string authorsFromPage(const std::string& page) {
    std::string authors;
    const std::size_t list = page.find(kAuthorList);
    if (list == npos) {
        return authors;
    }
    const std::size_t listStart = list + kAuthorList.size();
    const std::size_t listEnd = page.find(kParagraphEnd, listStart);
    for (std::size_t from = listStart; listEnd != npos;) {
        const std::size_t link = page.find(kLink, from);
        if (link == npos || link >= listEnd) {
            break;
        }
        const std::size_t tagEnd = page.find(kTagEnd, link + kLink.size());
        const std::size_t linkEnd =
            tagEnd == npos ? npos : page.find(kLinkEnd, tagEnd + kTagEnd.size());
        if (linkEnd == npos) {
            break; // no later link is ended either
        }
        if (!authors.empty()) {
            authors += ", ";
        }
        authors += between(page, tagEnd + kTagEnd.size(), linkEnd);
        from = linkEnd + kLinkEnd.size();
    }
    return authors;
}

std::string titleFromPage(const std::string& page) {
    const std::size_t title = page.find(kTitle);
    if (title == npos) {
        return {};
    }
    const std::size_t start = title + kTitle.size();
    const std::size_t end = page.find(kTitleEnd, start);
    return end == npos ? std::string() : between(page, start, end);
}

// The text with every link end tag left out, copied once rather than shifted
// once per tag.
std::string withoutLinkEnds(std::string_view text) {
    std::string kept;
    kept.reserve(text.size());
    std::size_t at = 0;
    for (std::size_t tag = text.find(kLinkEnd); tag != npos; tag = text.find(kLinkEnd, at)) {
        kept.append(text.substr(at, tag - at));
        at = tag + kLinkEnd.size();
    }
    return kept.append(text.substr(at));
}

// The citation paragraph from the end of its first link's start tag, without the
// links' end tags.
std::string journalFromPage(const std::string& page) {
    const std::size_t citation = page.find(kCitation);
    if (citation == npos) {
        return {};
    }
    const std::size_t link = page.find(kLink, citation + kCitation.size());
    const std::size_t tagEnd = link == npos ? npos : page.find(kTagEnd, link + kLink.size());
    const std::size_t end = tagEnd == npos ? npos : page.find(kParagraphEnd, tagEnd + 1);
    if (end == npos) {
        return {};
    }
    return withoutLinkEnds(
        std::string_view(page).substr(tagEnd + kTagEnd.size(), end - tagEnd - kTagEnd.size()));
}

std::string stringField(const nlohmann::json& object, const char* key) {
    const auto it = object.find(key);
    return it != object.end() && it->is_string() ? it->get<std::string>() : std::string();
}

// Appends a non-empty piece after the separator the previous piece asked for.
void appendPiece(std::string& text, std::string& separator, const std::string& piece,
                 std::string_view next) {
    if (piece.empty()) {
        return;
    }
    if (!text.empty()) {
        text += separator;
    }
    text += piece;
    separator = next;
}

std::string authorsFromSummary(const nlohmann::json& article) {
    std::string authors;
    const auto list = article.find("authors");
    if (list == article.end() || !list->is_array()) {
        return authors;
    }
    for (const auto& author : *list) {
        const std::string name = author.is_object() ? stringField(author, "name") : std::string();
        if (!name.empty()) {
            authors += authors.empty() ? name : ", " + name;
        }
    }
    return authors;
}

// "source. date;volume(issue):pages." with the empty parts left out.
std::string journalFromSummary(const nlohmann::json& article) {
    std::string volume = stringField(article, "volume");
    const std::string issue = stringField(article, "issue");
    if (!issue.empty()) {
        volume += "(" + issue + ")";
    }
    std::string journal;
    std::string separator;
    appendPiece(journal, separator, stringField(article, "source"), ". ");
    appendPiece(journal, separator, stringField(article, "pubdate"), ";");
    appendPiece(journal, separator, volume, ":");
    appendPiece(journal, separator, stringField(article, "pages"), "");
    return journal.empty() ? journal : journal + ".";
}

// The summary's first article, or null when there is none or it reports an error.
const nlohmann::json* firstArticle(const nlohmann::json& root) {
    const auto result = root.find("result");
    if (result == root.end() || !result->is_object()) {
        return nullptr;
    }
    const auto uids = result->find("uids");
    if (uids == result->end() || !uids->is_array() || uids->empty() || !uids->front().is_string()) {
        return nullptr;
    }
    const auto article = result->find(uids->front().get<std::string>());
    if (article == result->end() || !article->is_object() || article->contains("error")) {
        return nullptr;
    }
    return &*article;
}

} // namespace

PubMedLookup::PubMedLookup(std::string pubMedHost, std::string eutilsHost, CacheDownload cache)
    : m_pubMedHost(withoutTrailingSlashes(std::move(pubMedHost))),
      m_eutilsHost(withoutTrailingSlashes(std::move(eutilsHost))), m_cache(std::move(cache)) {}

PubMedLookup::Result PubMedLookup::lookUp(const std::string& pmid) const {
    const Deadline deadline(m_timeLimit);
    const Download page = downloadText(pageAddress(pmid), deadline);
    Result result{Outcome::Found, citationFromPage(page.text)};
    if (!result.citation.empty()) {
        return result;
    }
    const Download summary = downloadText(summaryAddress(pmid), deadline);
    result.citation = citationFromSummary(summary.text);
    if (result.citation.empty()) {
        result.outcome =
            page.answered || summary.answered ? Outcome::NotFound : Outcome::Unreachable;
    }
    return result;
}

std::string PubMedLookup::pageAddress(const std::string& pmid) const {
    return m_pubMedHost + "/pubmed/" + percentEncoded(pmid, kPathReserved);
}

std::string PubMedLookup::summaryAddress(const std::string& pmid) const {
    return m_eutilsHost +
           "/entrez/eutils/esummary.fcgi?db=pubmed&id=" + percentEncoded(pmid, kQueryReserved) +
           "&retmode=json&tool=" + percentEncoded(names::kProductName, kQueryReserved) +
           "&email=" + percentEncoded(names::kMakerContactAddress, kQueryReserved);
}

std::string PubMedLookup::citationFromPage(const std::string& page) {
    std::string citation = authorsFromPage(page);
    if (!citation.empty()) {
        citation += ". ";
    }
    citation += titleFromPage(page);
    if (!citation.empty()) {
        citation += " ";
    }
    return citation + journalFromPage(page);
}

std::string PubMedLookup::citationFromSummary(const std::string& json) {
    if (json.size() > kMaxSummaryBytes) {
        return {}; // far beyond any real summary: not worth parsing
    }
    const auto root = nlohmann::json::parse(json, nullptr, false);
    const nlohmann::json* article = root.is_object() ? firstArticle(root) : nullptr;
    if (article == nullptr) {
        return {};
    }
    std::string citation;
    std::string separator;
    appendPiece(citation, separator, authorsFromSummary(*article), ". ");
    appendPiece(citation, separator, stringField(*article, "title"), " ");
    appendPiece(citation, separator, journalFromSummary(*article), "");
    return citation;
}

// The downloaded copy's lines run together; empty when anything fails. A
// "too many requests" answer is retried once after a pause, if time allows.
PubMedLookup::Download PubMedLookup::downloadText(const std::string& address,
                                                  const Deadline& deadline) const {
    CacheDownload::Result fetched = m_cache.fetch(address, deadline);
    if (fetched.status == kTooManyRequests && deadline.remaining() > kRetryPause) {
        std::this_thread::sleep_for(kRetryPause);
        fetched = m_cache.fetch(address, deadline);
    }
    const auto lines = fetched.path ? CacheDownload::readLines(*fetched.path) : std::nullopt;
    Download download{std::string(), isAnswer(fetched.status)};
    if (lines) {
        for (const std::string_view line : *lines) {
            download.text += line;
        }
    }
    return download;
}
