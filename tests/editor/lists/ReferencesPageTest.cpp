#include "editor/lists/ReferencesPage.h"

#include "editor/EditorTestSupport.h"
#include "editor/lists/CitationDialog.h"
#include "editor/lists/LinkDialog.h"
#include "model/StudyRecord.h"
#include "platform/TestPlatform.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeView>
#include <gtest/gtest.h>

namespace {

class ReferencesPageTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.resize(600, 700);
        page = new ReferencesPage(&window);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    Reference& addReference(const char* pmid, const char* citation, const char* results) {
        Reference& reference = appendNew(record.reference);
        reference.pubmed_id = pmid;
        reference.citation = citation;
        reference.is_results_ref = results;
        return reference;
    }
    Link& addLink(const char* url, const char* description) {
        Link& link = appendNew(record.link);
        link.url = url;
        link.description = description;
        return link;
    }
    // Answers the next link dialog: types `url` and presses OK, or cancels.
    void answerLink(const QString& url, const QString& description, bool ok = true) {
        whenModal<LinkDialog>([=, this](LinkDialog* dialog) {
            seenUrl = qobject_cast<QLineEdit*>(dialog->control(LinkDialog::IDC_URL))->text();
            qobject_cast<QLineEdit*>(dialog->control(LinkDialog::IDC_URL))->setText(url);
            qobject_cast<QPlainTextEdit*>(dialog->control(LinkDialog::IDC_DESCRIPTION))
                ->setPlainText(description);
            QTest::mouseClick(dialog->control(ok ? LinkDialog::IDC_OK : LinkDialog::IDC_CANCEL),
                              Qt::LeftButton);
        });
    }

    QTreeView* view(int id) { return page->control<QTreeView>(id); }
    QStringList citationRow(int row) { return shownRow(view(ReferencesPage::IDC_CITATIONS), row); }
    QStringList linkRow(int row) { return shownRow(view(ReferencesPage::IDC_LINKS), row); }

    TestPlatform platform;
    QWidget window;
    ReferencesPage* page = nullptr;
    StudyRecord record;
    QString seenUrl;
};

} // namespace

TEST_F(ReferencesPageTest, LoadAndStoreCarryLoginCitationsAndLinks) {
    record.id_info.org_name = "sponsor-login";
    addReference("123", "Smith J. Things.", "yes").deleteFlag = true;
    addReference("", "Hand typed", "");
    addLink("http://a.org", "A").deleteFlag = true;
    page->load(record);

    EXPECT_EQ(page->control<QLineEdit>(ReferencesPage::IDC_LOGIN)->text(), "sponsor-login");
    EXPECT_EQ(page->control<QGroupBox>(ReferencesPage::IDC_LOGIN_GROUP)->title(),
              "ClinicalTrials.gov Login (Username)");
    ASSERT_EQ(page->citations().rowCount(), 2);
    EXPECT_EQ(citationRow(0), (QStringList{"123", "Smith J. Things.", "yes"}));
    EXPECT_EQ(linkRow(0), (QStringList{"http://a.org", "A"}));
    QTreeView* citations = view(ReferencesPage::IDC_CITATIONS);
    EXPECT_EQ(citationRow(-1),
              (QStringList{"MEDLINE PubMed Identifier", "Citation", "Results Reference"}));
    EXPECT_EQ(citations->columnWidth(0), shownColumnWidth(citations, 0, 150));
    EXPECT_EQ(citations->columnWidth(2), shownColumnWidth(citations, 2, 100));
    EXPECT_EQ(linkRow(-1), (QStringList{"URL", "Description"}));

    page->control<QLineEdit>(ReferencesPage::IDC_LOGIN)->setText("new login");
    page->links().model().append({.url = "www.b.org", .description = ""});
    page->store();
    EXPECT_EQ(record.id_info.org_name, "new login");
    ASSERT_EQ(record.reference.size(), 2u);
    EXPECT_EQ(record.reference[0]->pubmed_id, "123");
    EXPECT_EQ(record.reference[0]->is_results_ref, "yes") << "no conversion";
    EXPECT_TRUE(record.reference[0]->deleteFlag);
    EXPECT_EQ(record.reference[1]->citation, "Hand typed");
    ASSERT_EQ(record.link.size(), 2u);
    EXPECT_TRUE(record.link[0]->deleteFlag);
    EXPECT_EQ(record.link[1]->url, "www.b.org");
}

TEST_F(ReferencesPageTest, LinkAddPutsTheSchemeInFrontAndCancelAddsNothing) {
    page->load(record);
    answerLink("www.example.org", "");
    QTest::mouseClick(page->control(ReferencesPage::IDC_LINK_ADD), Qt::LeftButton);
    EXPECT_EQ(seenUrl, "");
    ASSERT_EQ(page->links().rowCount(), 1);
    EXPECT_EQ(linkRow(0), (QStringList{"http://www.example.org", ""}));
    page->links().selectRow(0);
    answerLink("HTTPS://Secure.org", "secure");
    page->addLink();
    EXPECT_EQ(linkRow(1), (QStringList{"HTTPS://Secure.org", "secure"}));
    EXPECT_EQ(page->links().firstSelectedRow(), 0) << "the new row is not selected";
    answerLink("dropped", "", false);
    page->addLink();
    EXPECT_EQ(page->links().rowCount(), 2);
}

TEST_F(ReferencesPageTest, EditAndRemoveNeedASelection) {
    addReference("1", "C1", "No");
    addReference("2", "C2", "");
    addLink("http://x.org", "X");
    page->load(record);
    platform.prompts().answerMessage(MessageAnswer::Ok);
    platform.prompts().answerMessage(MessageAnswer::Ok);
    QTest::mouseClick(page->control(ReferencesPage::IDC_CITATION_EDIT), Qt::LeftButton);
    QTest::mouseClick(page->control(ReferencesPage::IDC_LINK_REMOVE), Qt::LeftButton);
    ASSERT_EQ(platform.prompts().shown().size(), 2u);
    EXPECT_EQ(platform.prompts().shown()[0].text, "Please select an item to edit.");
    EXPECT_EQ(platform.prompts().shown()[1].text, "Please select an item to remove.");
    EXPECT_EQ(page->links().rowCount(), 1);

    page->citations().selectRow(1);
    QString seenCitation, seenResults;
    whenModal<CitationDialog>([&](CitationDialog* dialog) {
        seenCitation = qobject_cast<QPlainTextEdit*>(dialog->control(CitationDialog::IDC_CITATION))
                           ->toPlainText();
        qobject_cast<QComboBox*>(dialog->control(CitationDialog::IDC_RESULTS))->setCurrentIndex(1);
        QTest::mouseClick(dialog->control(CitationDialog::IDC_OK), Qt::LeftButton);
    });
    page->editCitation();
    EXPECT_EQ(seenCitation, "C2");
    EXPECT_EQ(citationRow(1), (QStringList{"2", "C2", "No"}));

    page->citations().selectRow(0);
    QTest::mouseClick(page->control(ReferencesPage::IDC_CITATION_REMOVE), Qt::LeftButton);
    EXPECT_EQ(citationRow(0).value(0), "2");
    EXPECT_EQ(page->citations().firstSelectedRow(), 0);
}

TEST_F(ReferencesPageTest, DoubleClickOnALinkEditsItAndCancelKeepsIt) {
    addLink("http://x.org", "X");
    page->load(record);
    answerLink("changed", "changed", false);
    doubleClickRow(view(ReferencesPage::IDC_LINKS), 0);
    EXPECT_EQ(seenUrl, "http://x.org");
    EXPECT_EQ(linkRow(0), (QStringList{"http://x.org", "X"}));
}

TEST(LinkDialogTest, OkWantsAUrlAndEnterInTheDescriptionIsOk) {
    TestPlatform platform;
    LinkDialog dialog;
    EXPECT_EQ(dialog.windowTitle(), "Add Link");
    auto* url = qobject_cast<QLineEdit*>(dialog.control(LinkDialog::IDC_URL));
    auto* description = qobject_cast<QPlainTextEdit*>(dialog.control(LinkDialog::IDC_DESCRIPTION));
    platform.prompts().answerMessage(MessageAnswer::Ok);
    whenModal<LinkDialog>([&](LinkDialog* d) {
        description->setFocus();
        QTest::mouseClick(d->control(LinkDialog::IDC_OK), Qt::LeftButton);
        EXPECT_TRUE(d->isVisible());
        EXPECT_EQ(d->focusWidget(), url);
        url->setText("ftp://files.org/?next=http://x");
        description->setFocus();
        QTest::keyClick(description, Qt::Key_Return);
    });
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    ASSERT_EQ(platform.prompts().shown().size(), 1u);
    EXPECT_EQ(platform.prompts().last().text, "Please enter a Web Site URL.");
    EXPECT_EQ(dialog.item().url, "ftp://files.org/?next=http://x") << "holds http:// already";
    EXPECT_EQ(dialog.item().description, "") << "an empty description is accepted";

    // The scheme goes in front of an address the user typed, not of one he left alone.
    for (const bool typed : {true, false}) {
        LinkDialog other;
        other.setItem({.url = "ftp://files.org", .description = "d\r\ne", .deleteFlag = true});
        whenModal<LinkDialog>([typed](LinkDialog* d) {
            auto* edit = qobject_cast<QLineEdit*>(d->control(LinkDialog::IDC_URL));
            if (typed) {
                edit->setText("ftp://other.org");
            }
            QTest::mouseClick(d->control(LinkDialog::IDC_OK), Qt::LeftButton);
        });
        EXPECT_EQ(other.exec(), QDialog::Accepted);
        const std::string url = typed ? "http://ftp://other.org" : "ftp://files.org";
        EXPECT_EQ(other.item().url, url);
        EXPECT_EQ(
            qobject_cast<QLineEdit*>(other.control(LinkDialog::IDC_URL))->text().toStdString(), url)
            << "the edit shows the text OK gives";
        EXPECT_EQ(other.item().description, "d\r\ne");
        EXPECT_TRUE(other.item().deleteFlag);
    }
}
