#include "web/PubMedLookup.h"

#include "web/LoopbackServer.h"
#include "web/TemporaryFolder.h"

#include <chrono>
#include <gtest/gtest.h>

namespace {

const std::string kAuthors = "<p class=\"auth_list\"><a href=\"/?term=Smith\">Smith J</a>, "
                             "<a href=\"/?term=Doe\">Doe &amp; A</a></p>";
const std::string kTitle = "<h1 class=\"title\">A study of <i>things</i>.</h1>";
const std::string kJournal =
    "<p class=\"citation\"><a href=\"/j\" title=\"Journal\">J Test</a>. 2001 Jan;5(2):10-20.</p>";

// An E-utilities summary as the service sends it, trimmed to the fields that matter.
const std::string kSummary = R"({
  "header": {"type": "esummary", "version": "0.3"},
  "result": {
    "uids": ["123"],
    "123": {
      "uid": "123", "pubdate": "2001 Jan", "epubdate": "", "source": "J Biol Chem",
      "authors": [
        {"name": "Smith J", "authtype": "Author", "clusterid": ""},
        {"name": "Doe A", "authtype": "Author", "clusterid": ""}
      ],
      "lastauthor": "Doe A", "title": "A study of things.", "volume": "276", "issue": "1",
      "pages": "1-10", "fulljournalname": "The Journal of biological chemistry"
    }
  }
})";

} // namespace

TEST(PubMedLookupPage, AuthorsTitleAndCitationAreCutOut) {
    EXPECT_EQ(PubMedLookup::citationFromPage("<html>" + kAuthors + kTitle + kJournal + "</html>"),
              "Smith J, Doe &amp; A. A study of <i>things</i>. J Test. 2001 Jan;5(2):10-20.");
}

TEST(PubMedLookupPage, MissingPiecesAreLeftOut) {
    EXPECT_EQ(PubMedLookup::citationFromPage(kTitle + kJournal),
              "A study of <i>things</i>. J Test. 2001 Jan;5(2):10-20.");
    EXPECT_EQ(PubMedLookup::citationFromPage(kJournal), "J Test. 2001 Jan;5(2):10-20.");
    // Only the end tags of links go; any other markup stays as it is.
    EXPECT_EQ(PubMedLookup::citationFromPage(
                  "<p class=\"citation\"><a href=\"/j\">J</a> <a href=\"/v\">5</a> &amp;</p>"),
              "J <a href=\"/v\">5 &amp;");
    EXPECT_EQ(PubMedLookup::citationFromPage("<html><h1>Other page</h1><p>text</p></html>"), "");
    EXPECT_EQ(PubMedLookup::citationFromPage(""), "");
    // Unterminated pieces give nothing.
    EXPECT_EQ(PubMedLookup::citationFromPage("<h1 class=\"title\">Open title"), "");
    EXPECT_EQ(PubMedLookup::citationFromPage("<p class=\"citation\"><a href=\"/j\">J</a>"), "");
}

TEST(PubMedLookupPage, OnlyLinksInsideTheAuthorListAreAuthors) {
    const std::string page = "<a href=\"/before\">Before</a><p class=\"auth_list\">"
                             "<a href=\"/1\">One</a></p><a href=\"/after\">After</a>" +
                             kTitle;
    EXPECT_EQ(PubMedLookup::citationFromPage(page), "One. A study of <i>things</i>. ");
    // A last link that is never closed is skipped.
    EXPECT_EQ(PubMedLookup::citationFromPage(
                  "<p class=\"auth_list\"><a href=\"/1\">One</a>, <a href=\"/2\">Two</p>"),
              "One.  ");
}

TEST(PubMedLookupPage, ALinkCountsOnceWhateverItsAttributesHold) {
    EXPECT_EQ(
        PubMedLookup::citationFromPage("<p class=\"auth_list\"><a href=\"/1\" "
                                       "title=\"a href\">One</a>, <a href=\"/2\">Two</a></p>"),
        "One, Two.  ");
}

// Pages built so that a cutter that searches the rest of the page once per
// marker, or shifts it once per removed tag, takes minutes.
TEST(PubMedLookupPage, HostilePagesAreCutInOnePass) {
    constexpr std::size_t kBytes = 2u * 1024u * 1024u;
    const auto fill = [](const std::string& piece) {
        std::string text;
        for (std::size_t i = 0; i < kBytes / piece.size(); ++i) {
            text += piece;
        }
        return text;
    };
    const std::vector<std::pair<std::string, std::string>> cases{
        {"<p class=\"auth_list\">" + fill("a href") + "</p>", ""},
        {"<p class=\"auth_list\">" + fill("<a href=\"/x\">") + "</p>", ""},
        {"<p class=\"citation\"><a href=\"/j\">" + fill("J</a>") + "</p>",
         std::string(kBytes / 5, 'J')},
    };
    for (const auto& [text, citation] : cases) {
        const auto begin = std::chrono::steady_clock::now();
        EXPECT_EQ(PubMedLookup::citationFromPage(text), citation);
        EXPECT_LT(std::chrono::steady_clock::now() - begin, std::chrono::seconds(2))
            << text.substr(0, 40);
    }
}

TEST(PubMedLookupSummary, CitationIsComposedInThePageShape) {
    EXPECT_EQ(PubMedLookup::citationFromSummary(kSummary),
              "Smith J, Doe A. A study of things. J Biol Chem. 2001 Jan;276(1):1-10.");
}

TEST(PubMedLookupSummary, EmptyFieldsAreLeftOut) {
    const std::string sparse = R"({"result": {"uids": ["9"], "9": {
        "source": "Lancet", "pubdate": "1999", "authors": [], "title": "Short.",
        "volume": "", "issue": "", "pages": ""}}})";
    EXPECT_EQ(PubMedLookup::citationFromSummary(sparse), "Short. Lancet. 1999.");
    const std::string noTitle = R"({"result": {"uids": ["9"], "9": {
        "source": "Lancet", "volume": "3", "pages": "7-9", "authors": [{"name": "Roe B"}]}}})";
    EXPECT_EQ(PubMedLookup::citationFromSummary(noTitle), "Roe B. Lancet. 3:7-9.");
}

TEST(PubMedLookupSummary, UnusableSummariesGiveNothing) {
    EXPECT_EQ(PubMedLookup::citationFromSummary(""), "");
    EXPECT_EQ(PubMedLookup::citationFromSummary("{not json"), "");
    EXPECT_EQ(PubMedLookup::citationFromSummary("[1, 2]"), "");
    EXPECT_EQ(PubMedLookup::citationFromSummary(R"({"result": {"uids": []}})"), "");
    EXPECT_EQ(
        PubMedLookup::citationFromSummary(
            R"({"result": {"uids": ["5"], "5": {"uid": "5", "error": "cannot get document summary"}}})"),
        "");
    // A summary is a few kilobytes; a megabyte is not parsed at all.
    const std::string padded =
        kSummary + std::string(PubMedLookup::kMaxSummaryBytes - kSummary.size(), ' ');
    EXPECT_NE(PubMedLookup::citationFromSummary(padded), "");
    EXPECT_EQ(PubMedLookup::citationFromSummary(padded + " "), "");
    // Fields of the wrong kind are ignored rather than trusted.
    EXPECT_EQ(PubMedLookup::citationFromSummary(
                  R"({"result": {"uids": ["5"], "5": {"title": 7, "authors": {"name": "X"},
                      "source": ["J"], "pages": "1-2"}}})"),
              "1-2.");
}

TEST(PubMedLookupAddress, IdentifierIsEncodedOnlyWhereItWouldChangeTheAddress) {
    const PubMedLookup lookup("https://pubmed.example/", "https://eutils.example");
    EXPECT_EQ(lookup.pageAddress("12345"), "https://pubmed.example/pubmed/12345");
    EXPECT_EQ(lookup.pageAddress(" 12 "), "https://pubmed.example/pubmed/%2012%20");
    EXPECT_EQ(lookup.pageAddress("1/2?3#4%5"), "https://pubmed.example/pubmed/1%2F2%3F3%234%255");
    EXPECT_EQ(lookup.pageAddress("a&b=c"), "https://pubmed.example/pubmed/a&b=c");
    EXPECT_EQ(lookup.summaryAddress("1&db=x"),
              "https://eutils.example/entrez/eutils/esummary.fcgi?db=pubmed&id=1%26db%3Dx"
              "&retmode=json&tool=Protoscribe&email=support@norvalesoftware.com");
}

class PubMedLookupTest : public ::testing::Test {
protected:
    void SetUp() override {
        loopback.server().Get(R"(/pubmed/(.*))",
                              [this](const httplib::Request& request, httplib::Response& response) {
                                  pagePmids.push_back(request.matches[1]);
                                  if (pageStatus != 0) {
                                      response.status = pageStatus;
                                  } else if (page.empty()) {
                                      response.status = 404;
                                  }
                                  response.set_content(page, "text/html");
                              });
        loopback.server().Get("/entrez/eutils/esummary.fcgi",
                              [this](const httplib::Request& request, httplib::Response& response) {
                                  summaryQueries.push_back(request.params);
                                  if (summaryStatuses.empty()) {
                                      response.set_content(summary, "application/json");
                                      return;
                                  }
                                  response.status = summaryStatuses.front();
                                  summaryStatuses.erase(summaryStatuses.begin());
                                  response.set_content(response.status == 200 ? summary : "",
                                                       "application/json");
                              });
        loopback.start();
    }

    PubMedLookup lookup() const {
        return PubMedLookup(loopback.base(), loopback.base(), CacheDownload(folder.path()));
    }

    TemporaryFolder folder;
    LoopbackServer loopback;
    std::string page;
    std::string summary;
    int pageStatus = 0; // 0: 200 with the page, 404 when there is none
    std::vector<int> summaryStatuses; // answered in turn, then 200 with the summary
    std::vector<std::string> pagePmids;
    std::vector<httplib::Params> summaryQueries;
};

TEST_F(PubMedLookupTest, PageLinesAreRunTogetherBeforeCutting) {
    page = "<html>\r\n<h1 class=\"title\">Split\r\n title</h1>\n" + kJournal + "\n</html>\n";
    summary = kSummary;
    EXPECT_EQ(lookup().lookUpCitation("123"), "Split title J Test. 2001 Jan;5(2):10-20.");
    EXPECT_TRUE(summaryQueries.empty());
}

TEST_F(PubMedLookupTest, SummaryServiceStandsInWhenThePageYieldsNothing) {
    page = "<html><body>A page of a newer layout</body></html>";
    summary = kSummary;
    EXPECT_EQ(lookup().lookUpCitation("123"),
              "Smith J, Doe A. A study of things. J Biol Chem. 2001 Jan;276(1):1-10.");
    ASSERT_EQ(summaryQueries.size(), 1u);
    const httplib::Params expected = {{"db", "pubmed"},
                                      {"id", "123"},
                                      {"retmode", "json"},
                                      {"tool", "Protoscribe"},
                                      {"email", "support@norvalesoftware.com"}};
    EXPECT_EQ(summaryQueries[0], expected);
}

// An unknown article and services that cannot be reached are told apart; a
// "too many requests" answer is asked once more.
TEST_F(PubMedLookupTest, OutcomeTellsUnknownArticlesFromUnreachableServices) {
    using Outcome = PubMedLookup::Outcome;
    const std::string noArticle = R"({"result": {"uids": []}})";
    const struct {
        const char* name;
        int pageStatus;
        std::string summary;
        std::vector<int> statuses;
        Outcome outcome;
        std::size_t summaryRequests;
    } cases[] = {
        {"no such article", 404, noArticle, {}, Outcome::NotFound, 1},
        {"the page says no, the summary fails", 404, kSummary, {500}, Outcome::NotFound, 1},
        {"both fail", 503, kSummary, {500}, Outcome::Unreachable, 1},
        {"too many requests, then the summary", 503, kSummary, {429}, Outcome::Found, 2},
        {"too many requests twice", 503, kSummary, {429, 429}, Outcome::Unreachable, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        page.clear();
        pageStatus = c.pageStatus;
        summary = c.summary;
        summaryStatuses = c.statuses;
        summaryQueries.clear();
        const PubMedLookup::Result result = lookup().lookUp("123");
        EXPECT_EQ(result.outcome, c.outcome);
        EXPECT_EQ(result.citation.empty(), c.outcome != Outcome::Found);
        EXPECT_EQ(summaryQueries.size(), c.summaryRequests);
    }

    const std::string nowhere = "127.0.0.1:" + std::to_string(LoopbackServer::unusedPort());
    const auto unreachable = PubMedLookup(nowhere, nowhere, CacheDownload(folder.path())).lookUp("1");
    EXPECT_EQ(unreachable.outcome, Outcome::Unreachable);
    EXPECT_EQ(unreachable.citation, "");
}

TEST_F(PubMedLookupTest, IdentifierArrivesAsTyped) {
    const std::string typed = " 12/3?#%&db=x ";
    summary = kSummary;
    lookup().lookUpCitation(typed);
    EXPECT_EQ(pagePmids, std::vector<std::string>({typed}));
    ASSERT_EQ(summaryQueries.size(), 1u);
    EXPECT_EQ(summaryQueries[0].find("id")->second, typed);
    EXPECT_EQ(summaryQueries[0].count("db"), 1u);
}
