#include "EditorTestSupport.h"
#include "editor/OversightPage.h"
#include "editor/ProtocolEditor.h"
#include "editor/SponsorPage.h"
#include "editor/TitlePage.h"
#include "model/StudyRecord.h"
#include "platform/TestPlatform.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::string>;
const std::string kFda = "United States: Food and Drug Administration";

Lines collaborators(const StudyRecord& record) {
    Lines agencies;
    for (const auto& collaborator : record.sponsors.collaborator) {
        agencies.push_back(collaborator->agency);
    }
    return agencies;
}

class SponsorOversightPageTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.resize(600, 700);
        sponsor = new SponsorPage(&window);
        oversight = new OversightPage(&window);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    QPlainTextEdit* collaboratorBox() {
        return sponsor->control<QPlainTextEdit>(SponsorPage::IDC_COLLABORATORS);
    }
    QPlainTextEdit* authorityBox() {
        return oversight->control<QPlainTextEdit>(OversightPage::IDC_AUTHORITIES);
    }
    Lines& authorities() { return record.oversight_info.regulatory_authority; }

    TestPlatform platform;
    QWidget window;
    SponsorPage* sponsor = nullptr;
    OversightPage* oversight = nullptr;
    StudyRecord record;
};

} // namespace

TEST_F(SponsorOversightPageTest, SponsorLoadJoinsCollaboratorsAndStoreRebuildsThem) {
    record.sponsors.lead_sponsor.agency = "Lead";
    appendNew(record.sponsors.collaborator).agency = "One";
    appendNew(record.sponsors.collaborator).agency = "Two";
    sponsor->load(record);
    EXPECT_EQ(sponsor->control<QLineEdit>(SponsorPage::IDC_SPONSOR)->text(), "Lead");
    EXPECT_EQ(collaboratorBox()->toPlainText(), "One\nTwo");

    collaboratorBox()->setPlainText("A\n\nB\n");
    sponsor->store();
    EXPECT_EQ(collaborators(record), (Lines{"A", "B"}));

    collaboratorBox()->clear();
    sponsor->store();
    EXPECT_TRUE(record.sponsors.collaborator.empty());
}

// The earlier party texts are shown one by one where they hold text, never
// editable, and kept as they are.
TEST_F(SponsorOversightPageTest, TheEarlierPartyTextsAreShownReadOnlyOnlyWhenSet) {
    auto shown = [this](int id) { return sponsor->control(id)->isVisibleTo(sponsor); };
    sponsor->load(record);
    for (int id : {SponsorPage::IDC_LABEL_OLD_PARTY, SponsorPage::IDC_NAME_TITLE,
                   SponsorPage::IDC_ORGANIZATION, SponsorPage::IDC_PHONE,
                   SponsorPage::IDC_PHONE_EXT, SponsorPage::IDC_EMAIL}) {
        EXPECT_FALSE(shown(id)) << id;
    }
    ResponsibleParty& party = record.sponsors.resp_party;
    party.name_title = "Dr X";
    party.phone_ext = "12";
    sponsor->load(record);
    EXPECT_TRUE(shown(SponsorPage::IDC_LABEL_OLD_PARTY));
    EXPECT_TRUE(shown(SponsorPage::IDC_NAME_TITLE));
    EXPECT_TRUE(shown(SponsorPage::IDC_LABEL_PHONE_EXT));
    EXPECT_FALSE(shown(SponsorPage::IDC_EMAIL));
    EXPECT_FALSE(shown(SponsorPage::IDC_LABEL_PHONE));
    auto* nameTitle = sponsor->control<QLineEdit>(SponsorPage::IDC_NAME_TITLE);
    EXPECT_EQ(nameTitle->text(), "Dr X");
    EXPECT_TRUE(nameTitle->isReadOnly());
    EXPECT_TRUE(sponsor->control<QLineEdit>(SponsorPage::IDC_PHONE_EXT)->isReadOnly());
    sponsor->control<QLineEdit>(SponsorPage::IDC_SPONSOR)->setText("Lead");
    sponsor->store();
    EXPECT_EQ(party.name_title, "Dr X");
    EXPECT_EQ(party.phone_ext, "12");
    EXPECT_EQ(party.email, "");
}

// The investigator fields open for the investigator types; choosing another
// type empties them, a load never does.
TEST_F(SponsorOversightPageTest, ThePartyTypeOpensAndEmptiesTheInvestigator) {
    ResponsibleParty& party = record.sponsors.resp_party;
    auto* type = sponsor->control<QComboBox>(SponsorPage::IDC_RESP_PARTY_TYPE);
    auto* user = sponsor->control<QLineEdit>(SponsorPage::IDC_INVESTIGATOR_USERNAME);
    EXPECT_EQ(type->count(), 3);
    party.resp_party_type = "Sponsor";
    party.investigator_username = "left";
    sponsor->load(record);
    EXPECT_FALSE(user->isEnabled());
    EXPECT_EQ(user->text(), "left");
    sponsor->store();
    EXPECT_EQ(party.investigator_username, "left") << "a load empties nothing";

    struct Case {
        const char* type;
        bool open;
    };
    for (const Case& c : {Case{"Principal Investigator", true}, Case{"Sponsor", false},
                          Case{"Sponsor-Investigator", true}}) {
        party = {};
        party.resp_party_type = "Sponsor-Investigator";
        party.investigator_username = "djayne";
        party.investigator_title = "Professor";
        party.investigator_affiliation = "Univ";
        sponsor->load(record);
        EXPECT_TRUE(user->isEnabled());
        type->setCurrentIndex(type->findText(c.type));
        EXPECT_EQ(user->isEnabled(), c.open) << c.type;
        EXPECT_EQ(sponsor->control(SponsorPage::IDC_INVESTIGATOR_AFFILIATION)->isEnabled(), c.open);
        sponsor->store();
        EXPECT_EQ(party.resp_party_type, c.type);
        EXPECT_EQ(party.investigator_username, c.open ? "djayne" : "") << c.type;
        EXPECT_EQ(party.investigator_title, c.open ? "Professor" : "") << c.type;
        EXPECT_EQ(party.investigator_affiliation, c.open ? "Univ" : "") << c.type;
    }
}

TEST_F(SponsorOversightPageTest, OversightLoadsAndStoresTheBoardAndTheCommittee) {
    record.oversight_info.irb_info.approval_status = "Submitted, approved";
    record.oversight_info.irb_info.name = "Board";
    record.oversight_info.irb_info.full_address = "Street 1";
    record.oversight_info.has_dmc = "No";
    oversight->load(record);
    auto* status = oversight->control<QComboBox>(OversightPage::IDC_APPROVAL_STATUS);
    EXPECT_EQ(status->currentText(), "Submitted, approved")
        << "an older screen label, shown as it is";
    EXPECT_EQ(status->currentIndex(), 6) << "after the registry's six words";
    EXPECT_EQ(status->findText("Not required"), 5);
    EXPECT_EQ(oversight->control<QComboBox>(OversightPage::IDC_HAS_DMC)->currentText(), "No");
    EXPECT_EQ(oversight->control<QLineEdit>(OversightPage::IDC_BOARD_NAME)->text(), "Board");
    oversight->control<QLineEdit>(OversightPage::IDC_PHONE)->setText("555");
    oversight->control<QComboBox>(OversightPage::IDC_HAS_DMC)->setCurrentIndex(-1);
    oversight->store();
    EXPECT_EQ(record.oversight_info.irb_info.approval_status, "Submitted, approved");
    EXPECT_EQ(record.oversight_info.irb_info.phone, "555");
    status->setCurrentIndex(status->findText("Approved"));
    oversight->store();
    EXPECT_EQ(record.oversight_info.irb_info.approval_status, "Approved");
    EXPECT_EQ(record.oversight_info.irb_info.full_address, "Street 1");
    EXPECT_EQ(record.oversight_info.has_dmc, "");
}

TEST_F(SponsorOversightPageTest, AnIndStudyShowsAndStoresTheFdaFirst) {
    // The registry no longer reads authorities: a record without them shows
    // no box and gets no FDA entry, whatever the IND answer.
    record.is_ind_study.setText("Yes");
    oversight->load(record);
    EXPECT_FALSE(authorityBox()->isVisibleTo(oversight));
    oversight->store();
    EXPECT_TRUE(authorities().empty());

    authorities() = {"Germany: BfArM", kFda + " "};
    oversight->load(record);
    EXPECT_TRUE(authorityBox()->isVisibleTo(oversight));
    EXPECT_EQ(authorityBox()->toPlainText(),
              QString::fromStdString(kFda + "\nGermany: BfArM\n" + kFda + " "));

    // Deleting the FDA line puts it back in front; blank lines vanish.
    authorityBox()->setPlainText("\n\nGermany: BfArM\n\n Japan: PMDA \n");
    oversight->store();
    EXPECT_EQ(authorities(), (Lines{kFda, "Germany: BfArM", " Japan: PMDA "}));

    // An exact FDA entry elsewhere stays where it is.
    authorities() = {"Germany: BfArM", kFda};
    oversight->load(record);
    EXPECT_EQ(authorityBox()->toPlainText(), QString::fromStdString("Germany: BfArM\n" + kFda));
    oversight->store();
    EXPECT_EQ(authorities(), (Lines{"Germany: BfArM", kFda}));
}

TEST_F(SponsorOversightPageTest, OtherStudiesNeitherShowNorAddTheFda) {
    for (const char* answer : {"No", "yes", ""}) {
        record.is_ind_study.setText(answer);
        authorities() = {"Canada: Health Canada", kFda};
        oversight->load(record);
        EXPECT_EQ(authorityBox()->toPlainText(),
                  QString::fromStdString("Canada: Health Canada\n" + kFda));
        authorityBox()->setPlainText("Canada: Health Canada");
        oversight->store();
        EXPECT_EQ(authorities(), Lines{"Canada: Health Canada"}) << answer;
    }
}

TEST(SponsorOversightInEditorTest, TheIndAnswerOfTheTitlePageCountsAtTheSwitch) {
    TestPlatform platform;
    StudyRecord record;
    record.oversight_info.regulatory_authority = {"France: ANSM"};
    ProtocolEditor editor;
    editor.setRecord(&record);
    editor.loadAll();
    auto* box = editor.page(3)->control<QPlainTextEdit>(OversightPage::IDC_AUTHORITIES);
    EXPECT_EQ(box->toPlainText(), "France: ANSM");

    editor.titlePage()->control<QComboBox>(TitlePage::IDC_IND_PROTOCOL)->setCurrentIndex(0);
    editor.showSection(QStringLiteral("Oversight"));
    // The Title page stored first, so this very store adds the FDA.
    EXPECT_EQ(record.oversight_info.regulatory_authority, (Lines{kFda, "France: ANSM"}));
    EXPECT_EQ(box->toPlainText(), QString::fromStdString(kFda + "\nFrance: ANSM"));
    EXPECT_EQ(editor.visiblePage(), editor.page(3));
}

TEST_F(SponsorOversightPageTest, EnterBreaksLinesInTheListBoxesAndTheStatusIsTabbedToLast) {
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    collaboratorBox()->setFocus();
    QTest::keyClicks(collaboratorBox(), "A");
    QTest::keyClick(collaboratorBox(), Qt::Key_Return);
    QTest::keyClicks(collaboratorBox(), "B");
    EXPECT_EQ(collaboratorBox()->toPlainText(), "A\nB");
    auto* committee = oversight->control(OversightPage::IDC_HAS_DMC);
    committee->setFocus();
    QTest::keyClick(committee, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), authorityBox());
    QTest::keyClick(authorityBox(), Qt::Key_Return);
    EXPECT_EQ(authorityBox()->toPlainText(), "\n");
    QTest::keyClick(authorityBox(), Qt::Key_Escape);
    EXPECT_EQ(QApplication::focusWidget(), oversight->control(OversightPage::IDC_APPROVAL_STATUS));
}
