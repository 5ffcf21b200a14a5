#include "editor/lists/CitationDialog.h"

#include "controls/CHyperLink.h"
#include "editor/EditorTestSupport.h"
#include "names/NamesAndAddresses.h"
#include "platform/TestPlatform.h"
#include "web/LoopbackServer.h"
#include "web/TemporaryFolder.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <atomic>
#include <gtest/gtest.h>

namespace {

const std::string kArticle = "<p class=\"auth_list\"><a href=\"/a\">Smith J</a></p>"
                             "<h1 class=\"title\">Things.</h1>"
                             "<p class=\"citation\"><a href=\"/j\">J Test</a>. 2001;5:10.</p>";
const QString kCitation = "Smith J. Things. J Test. 2001;5:10.";

// PubMed on the loopback: article 123 exists, nothing else does.
class CitationDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto article = [this](const httplib::Request& request, httplib::Response& response) {
            ++requests;
            if (request.matches[1] == "123") {
                response.set_content(kArticle, "text/html");
            } else {
                response.status = 404;
            }
        };
        const auto summary = [this](const httplib::Request&, httplib::Response& response) {
            ++requests;
            response.set_content(R"({"result": {"uids": []}})", "application/json");
        };
        loopback.server().Get(R"(/pubmed/(.*))", article);
        loopback.server().Get("/entrez/eutils/esummary.fcgi", summary);
        loopback.start();
        CitationDialog::setLookup(
            PubMedLookup(loopback.base(), loopback.base(), CacheDownload(folder.path())));
    }
    void TearDown() override { CitationDialog::setLookup(std::nullopt); }

    QLineEdit* pmid() { return qobject_cast<QLineEdit*>(dialog.control(CitationDialog::IDC_PMID)); }
    QPlainTextEdit* citation() {
        return qobject_cast<QPlainTextEdit*>(dialog.control(CitationDialog::IDC_CITATION));
    }
    QComboBox* results() {
        return qobject_cast<QComboBox*>(dialog.control(CitationDialog::IDC_RESULTS));
    }
    void clickOk() { QTest::mouseClick(dialog.control(CitationDialog::IDC_OK), Qt::LeftButton); }
    void clickLoad() {
        QTest::mouseClick(dialog.control(CitationDialog::IDC_LOAD), Qt::LeftButton);
    }

    TestPlatform platform;
    TemporaryFolder folder;
    LoopbackServer loopback;
    std::atomic<int> requests = 0;
    CitationDialog dialog;
};

} // namespace

TEST_F(CitationDialogTest, LoadReplacesTheCitationWithTheArticle) {
    EXPECT_EQ(dialog.windowTitle(), "Add Citation");
    dialog.setItem({.citation = "typed by hand", .pubmed_id = "123", .is_results_ref = "no"});
    EXPECT_EQ(results()->currentText(), "no") << "a value no entry equals is shown as written";
    whenModal<CitationDialog>([&](CitationDialog* d) {
        clickLoad();
        EXPECT_EQ(citation()->toPlainText(), kCitation);
        EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "the busy cursor is gone";
        EXPECT_TRUE(d->isVisible());
        clickOk();
    });
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    EXPECT_TRUE(platform.prompts().shown().empty());
    EXPECT_EQ(requests, 1) << "OK with a citation looks nothing up";
    EXPECT_EQ(dialog.item().pubmed_id, "123");
    EXPECT_EQ(dialog.item().citation, kCitation.toStdString());
    EXPECT_EQ(dialog.item().is_results_ref, "no") << "the drop-down was left alone";
}

TEST_F(CitationDialogTest, LoadThatFindsNothingErasesTheCitationAndSaysSo) {
    dialog.setItem({.citation = "typed by hand", .pubmed_id = "999", .is_results_ref = ""});
    platform.prompts().answerMessage(MessageAnswer::Ok);
    platform.prompts().answerMessage(MessageAnswer::Ok);
    whenModal<CitationDialog>([&](CitationDialog* d) {
        citation()->setFocus();
        clickLoad();
        EXPECT_EQ(citation()->toPlainText(), "");
        EXPECT_EQ(d->focusWidget(), pmid());
        EXPECT_TRUE(d->isVisible()) << "stays open";
        pmid()->clear();
        clickLoad();
        d->reject();
    });
    EXPECT_EQ(dialog.exec(), QDialog::Rejected);
    ASSERT_EQ(platform.prompts().shown().size(), 2u);
    const QString tail = " could not be found on MEDLINE. Please check the value or click Search "
                         "Citations to locate one. The PMID number is the last number in the "
                         "MEDLINE URL " +
                         QString::fromUtf8(names::kPubMedHost.data()) + "/pubmed/[PMID NUMBER]";
    EXPECT_EQ(platform.prompts().shown()[0].text, "The PMID 999" + tail);
    EXPECT_EQ(platform.prompts().shown()[0].icon, MessageIcon::Error);
    EXPECT_EQ(platform.prompts().shown()[1].text, "The PMID " + tail) << "the empty identifier";
    EXPECT_EQ(dialog.item().citation, "typed by hand") << "Cancel keeps the item";
}

TEST_F(CitationDialogTest, LoadThatReachesNoServiceKeepsTheCitationAndSaysWhy) {
    const std::string nowhere = "127.0.0.1:" + std::to_string(LoopbackServer::unusedPort());
    CitationDialog::setLookup(PubMedLookup(nowhere, nowhere, CacheDownload(folder.path())));
    dialog.setItem({.citation = "typed by hand", .pubmed_id = "123", .is_results_ref = ""});
    platform.prompts().answerMessage(MessageAnswer::Ok);
    whenModal<CitationDialog>([&](CitationDialog* d) {
        clickLoad();
        EXPECT_EQ(citation()->toPlainText(), "typed by hand");
        d->reject();
    });
    dialog.exec();
    ASSERT_EQ(platform.prompts().shown().size(), 1u);
    EXPECT_EQ(platform.prompts().shown()[0].text, CitationDialog::unreachableMessage());
    EXPECT_TRUE(CitationDialog::unreachableMessage().startsWith("Protoscribe could not reach "));
    EXPECT_FALSE(CitationDialog::unreachableMessage().contains("MEDLINE"));
}

TEST_F(CitationDialogTest, OkWantsAnIdentifierAndFillsAnEmptyCitation) {
    platform.prompts().answerMessage(MessageAnswer::Ok);
    whenModal<CitationDialog>([&](CitationDialog* d) {
        results()->setFocus();
        clickOk();
        EXPECT_TRUE(d->isVisible());
        EXPECT_EQ(d->focusWidget(), pmid());
        EXPECT_EQ(requests, 0);
        pmid()->setText("123");
        results()->setCurrentIndex(0);
        clickOk();
    });
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    ASSERT_EQ(platform.prompts().shown().size(), 1u);
    EXPECT_EQ(platform.prompts().last().text, "Please enter a PubMed Identifier (PMID).");
    EXPECT_EQ(dialog.item().citation, kCitation.toStdString());
    EXPECT_EQ(dialog.item().is_results_ref, "Yes");
}

TEST_F(CitationDialogTest, OkWithAnUnknownIdentifierClosesQuietlyWithoutCitation) {
    whenModal<CitationDialog>([&](CitationDialog*) {
        pmid()->setText(" 42 ");
        clickOk();
    });
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    EXPECT_TRUE(platform.prompts().shown().empty());
    EXPECT_GE(requests, 1) << "the look-up ran";
    EXPECT_EQ(dialog.item().pubmed_id, " 42 ") << "as typed";
    EXPECT_EQ(dialog.item().citation, "");
    EXPECT_EQ(dialog.item().is_results_ref, "");
}

// Left alone, an item keeps its empty citation: nothing is looked up behind the user's back.
TEST_F(CitationDialogTest, AnUnchangedOkLooksNothingUp) {
    dialog.setItem({.citation = "", .pubmed_id = "123", .is_results_ref = "", .deleteFlag = true});
    whenModal<CitationDialog>([&](CitationDialog*) { clickOk(); });
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    EXPECT_EQ(requests, 0);
    EXPECT_EQ(dialog.item().citation, "");
    EXPECT_TRUE(dialog.item().deleteFlag);
}

TEST_F(CitationDialogTest, SearchCitationsOpensTheCitationMatcher) {
    auto* link = qobject_cast<CHyperLink*>(dialog.control(CitationDialog::IDC_SEARCH_LINK));
    ASSERT_NE(link, nullptr);
    EXPECT_EQ(link->text(), "Search Citations");
    EXPECT_EQ(link->address().toStdString(), names::kCitationMatcher);
    EXPECT_TRUE(link->open());
    ASSERT_EQ(platform.shell().opened().size(), 1);
    EXPECT_EQ(platform.shell().opened().front().toStdString(), names::kCitationMatcher);
}
