#pragma once

#include "web/CacheDownload.h"

#include <chrono>
#include <cstddef>
#include <string>

// Composes a journal citation for a PubMed identifier: cut out of the article's
// web page, or, when the page yields nothing, built from the E-utilities summary
// of the same article. Never fails loudly; the result is empty when neither works.
class PubMedLookup {
public:
    static constexpr std::size_t kMaxSummaryBytes = 1024u * 1024u;

    // Hosts are base addresses such as "https://pubmed.ncbi.nlm.nih.gov".
    PubMedLookup(std::string pubMedHost, std::string eutilsHost,
                 CacheDownload cache = CacheDownload());

    // Both services together get at most the time limit.
    std::string lookUpCitation(const std::string& pmid) const;
    void setTimeLimit(std::chrono::milliseconds limit) { m_timeLimit = limit; }

    // The article page: the host, "/pubmed/" and the identifier as typed, with the
    // characters that would change the address's structure percent-encoded.
    std::string pageAddress(const std::string& pmid) const;
    // The E-utilities document summary of the article, as JSON.
    std::string summaryAddress(const std::string& pmid) const;

    // "authors. title journal-citation" cut out of the page's HTML with fixed markers.
    static std::string citationFromPage(const std::string& page);
    // The same shape composed from an E-utilities summary; empty when the JSON holds
    // no usable article or is longer than kMaxSummaryBytes.
    static std::string citationFromSummary(const std::string& json);

private:
    std::string downloadText(const std::string& address, const Deadline& deadline) const;

    std::string m_pubMedHost;
    std::string m_eutilsHost;
    CacheDownload m_cache;
    std::chrono::milliseconds m_timeLimit = Deadline::kActionTime;
};
