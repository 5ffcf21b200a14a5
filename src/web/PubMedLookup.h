#pragma once

#include "web/CacheDownload.h"

#include <chrono>
#include <cstddef>
#include <string>

// Composes a journal citation for a PubMed identifier: cut out of the article's
// web page, or, when the page yields nothing, built from the E-utilities summary
// of the same article. Tells an article the services do not know from services
// that could not be reached.
class PubMedLookup {
public:
    static constexpr std::size_t kMaxSummaryBytes = 1024u * 1024u;
    // A service that answers "too many requests" is asked once more after this.
    static constexpr std::chrono::milliseconds kRetryPause{1000};

    enum class Outcome { Found, NotFound, Unreachable };
    struct Result {
        Outcome outcome = Outcome::NotFound;
        std::string citation; // empty unless found
    };

    // Hosts are base addresses such as "https://pubmed.ncbi.nlm.nih.gov".
    PubMedLookup(std::string pubMedHost, std::string eutilsHost,
                 CacheDownload cache = CacheDownload());

    // Both services together get at most the time limit. Unreachable when
    // neither service gave an answer that says anything about the article
    // (no answer, a server error, or still too many requests).
    Result lookUp(const std::string& pmid) const;
    std::string lookUpCitation(const std::string& pmid) const { return lookUp(pmid).citation; }
    void setTimeLimit(std::chrono::milliseconds limit) { m_timeLimit = limit; }

    // The article page: the host, "/pubmed/" and the identifier as typed, with the
    // characters that would change the address's structure percent-encoded.
    std::string pageAddress(const std::string& pmid) const;
    // The E-utilities document summary of the article, as JSON, naming the
    // program and its maker's address as the service asks callers to.
    std::string summaryAddress(const std::string& pmid) const;

    // "authors. title journal-citation" cut out of the page's HTML with fixed markers.
    static std::string citationFromPage(const std::string& page);
    // The same shape composed from an E-utilities summary; empty when the JSON holds
    // no usable article or is longer than kMaxSummaryBytes.
    static std::string citationFromSummary(const std::string& json);

private:
    struct Download {
        std::string text;
        bool answered = false; // a server said something about the address
    };
    Download downloadText(const std::string& address, const Deadline& deadline) const;

    std::string m_pubMedHost;
    std::string m_eutilsHost;
    CacheDownload m_cache;
    std::chrono::milliseconds m_timeLimit = Deadline::kActionTime;
};
