#include "editor/FdaPage.h"

#include "EditorTestSupport.h"
#include "editor/ProtocolEditor.h"
#include "editor/TitlePage.h"
#include "model/CollectionFile.h"
#include "model/StudyRecord.h"
#include "platform/TestPlatform.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class FdaPageTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.resize(600, 700);
        page = new FdaPage(&window);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    QComboBox* combo(int id) { return page->control<QComboBox>(id); }
    QLineEdit* edit(int id) { return page->control<QLineEdit>(id); }
    bool enabled(int id) { return page->control(id)->isEnabled(); }
    void fillAll(const char* fda, const char* ind) {
        record.is_fda_regulated.setText(fda);
        record.is_section_801.setText("Yes");
        record.delayed_posting.setText("Yes");
        record.is_ind_study.setText(ind);
        record.ind_info.ind_grantor = "CBER";
        record.ind_info.ind_number = "123";
        record.ind_info.ind_serial_number = "7";
        record.ind_info.has_expanded_access = "yes";
        record.ind_info.expanded_access_nct_id = "NCT0001";
    }
    void fillProduct(const char* drug, const char* device, const char* unapproved) {
        OversightInfo& oversight = record.oversight_info;
        oversight.fda_regulated_drug = drug;
        oversight.fda_regulated_device = device;
        record.delayed_posting.setText(unapproved);
        oversight.post_prior_to_approval = "Yes";
        oversight.ped_postmarket_surv = "No";
        oversight.exported_from_us = "Yes";
    }
    void choose(int id, const char* entry) {
        combo(id)->setCurrentIndex(combo(id)->findText(QString::fromLatin1(entry)));
    }
    void expectIndEmpty() {
        EXPECT_EQ(record.ind_info.ind_grantor, "");
        EXPECT_EQ(record.ind_info.ind_number, "");
        EXPECT_EQ(record.ind_info.ind_serial_number, "");
        EXPECT_EQ(record.ind_info.has_expanded_access, "");
        EXPECT_EQ(record.ind_info.expanded_access_nct_id, "");
    }
    void expectIndEnabled(bool on) {
        for (int id :
             {FdaPage::IDC_IND_GRANTOR, FdaPage::IDC_LABEL_IND_GRANTOR, FdaPage::IDC_IND_NUMBER,
              FdaPage::IDC_LABEL_IND_NUMBER, FdaPage::IDC_IND_SERIAL_NUMBER,
              FdaPage::IDC_LABEL_IND_SERIAL_NUMBER, FdaPage::IDC_HAS_EXPANDED_ACCESS,
              FdaPage::IDC_LABEL_HAS_EXPANDED_ACCESS}) {
            EXPECT_EQ(enabled(id), on) << id;
        }
    }

    TestPlatform platform;
    QWidget window;
    FdaPage* page = nullptr;
    StudyRecord record;
};

} // namespace

// Which questions a record's answers open, as loaded; a load and an untouched
// store change nothing, whatever the answers.
TEST_F(FdaPageTest, TheAnswersOpenTheQuestionsTheRegistryAsksAfterThem) {
    struct Case {
        const char* drug;
        const char* device;
        const char* unapproved;
        const char* ind;
        const char* expandedAccess;
        bool device_questions, postPrior, exported, expandedAccessRecord;
    };
    const Case cases[] = {
        {"Yes", "Yes", "Yes", "Yes", "yes", true, true, false, true},
        {"Yes", "No", "Yes", "No", "Yes", false, false, true, false},
        {"No", "Yes", "No", "No", "", true, false, true, false},
        {"No", "No", "", "No", "", false, false, false, false},
        {"yes", "", "", "No", "", false, false, false, false},
        {"Yes", "Yes", "None", "", "", true, false, false, false},
        {"Yes", "No", "", "Yes", "unknown", false, false, false, false},
    };
    for (const Case& c : cases) {
        fillProduct(c.drug, c.device, c.unapproved);
        record.is_ind_study.setText(c.ind);
        record.ind_info.has_expanded_access = c.expandedAccess;
        record.ind_info.expanded_access_nct_id = "NCT01234567";
        const std::string before = CollectionFile::recordText(record);
        page->load(record);
        const std::string at = std::string(c.drug) + "/" + c.device + "/" + c.unapproved + "/" +
                               c.ind + "/" + c.expandedAccess;
        for (int id : {FdaPage::IDC_DELAYED_POSTING, FdaPage::IDC_LABEL_DELAYED_POSTING,
                       FdaPage::IDC_PED_POSTMARKET, FdaPage::IDC_LABEL_PED_POSTMARKET}) {
            EXPECT_EQ(enabled(id), c.device_questions) << at << " " << id;
        }
        EXPECT_EQ(enabled(FdaPage::IDC_POST_PRIOR), c.postPrior) << at;
        EXPECT_EQ(enabled(FdaPage::IDC_EXPORTED), c.exported) << at;
        EXPECT_EQ(enabled(FdaPage::IDC_LABEL_EXPORTED), c.exported) << at;
        expectIndEnabled(std::string_view(c.ind) == "Yes");
        EXPECT_EQ(enabled(FdaPage::IDC_EXPANDED_ACCESS_RECORD), c.expandedAccessRecord) << at;
        EXPECT_EQ(combo(FdaPage::IDC_FDA_DRUG)->currentText(), c.drug);
        EXPECT_EQ(combo(FdaPage::IDC_POST_PRIOR)->currentText(), "Yes") << "shown, even closed";
        EXPECT_EQ(combo(FdaPage::IDC_EXPORTED)->currentText(), "Yes");
        page->store();
        EXPECT_EQ(CollectionFile::recordText(record), before) << at;
    }
}

// The two questions the registry no longer asks appear only for a record that
// answers them; the unapproved-device question keeps its element under its
// new meaning.
TEST_F(FdaPageTest, TheOldQuestionsShowOnlyWhenAnswered) {
    auto shown = [this](int id) { return page->control(id)->isVisibleTo(page); };
    page->load(record);
    for (int id : {FdaPage::IDC_FDA_REGULATED, FdaPage::IDC_LABEL_FDA_REGULATED,
                   FdaPage::IDC_MARKER_FDA_REGULATED, FdaPage::IDC_SECTION_801,
                   FdaPage::IDC_LABEL_SECTION_801, FdaPage::IDC_MARKER_SECTION_801}) {
        EXPECT_FALSE(shown(id)) << id;
    }
    EXPECT_TRUE(shown(FdaPage::IDC_DELAYED_POSTING));
    EXPECT_EQ(page->control<QLabel>(FdaPage::IDC_LABEL_DELAYED_POSTING)->text(),
              "Device Product Not Approved or Cleared by U.S. FDA?");
    EXPECT_EQ(page->helpKey(FdaPage::IDC_MARKER_DELAYED_POSTING), "delayedPosting");
    EXPECT_EQ(combo(FdaPage::IDC_HAS_EXPANDED_ACCESS)->count(), 3);
    EXPECT_EQ(combo(FdaPage::IDC_HAS_EXPANDED_ACCESS)->itemText(2), "unknown");

    fillAll("No", "No");
    record.is_section_801.setText("None");
    page->load(record);
    EXPECT_TRUE(shown(FdaPage::IDC_FDA_REGULATED));
    EXPECT_TRUE(shown(FdaPage::IDC_SECTION_801));
    EXPECT_FALSE(enabled(FdaPage::IDC_SECTION_801)) << "still opened by the old answer";
    EXPECT_EQ(combo(FdaPage::IDC_SECTION_801)->currentText(), "None");
    choose(FdaPage::IDC_FDA_REGULATED, "Yes");
    EXPECT_TRUE(enabled(FdaPage::IDC_SECTION_801));
    EXPECT_EQ(combo(FdaPage::IDC_SECTION_801)->currentText(), "None");
    choose(FdaPage::IDC_FDA_REGULATED, "No");
    EXPECT_FALSE(enabled(FdaPage::IDC_SECTION_801));
    page->store();
    EXPECT_EQ(record.is_fda_regulated.displayText(), "No");
    EXPECT_EQ(record.is_section_801.displayText(), "");
    EXPECT_EQ(record.delayed_posting.displayText(), "Yes") << "no longer gated by Section 801";
}

// An answer the user changes empties, at once, what it closes, and only that.
TEST_F(FdaPageTest, ChangingAnAnswerEmptiesWhatItCloses) {
    fillProduct("Yes", "Yes", "Yes");
    record.is_ind_study.setText("No");
    page->load(record);
    choose(FdaPage::IDC_FDA_DEVICE, "No");
    for (int id : {FdaPage::IDC_DELAYED_POSTING, FdaPage::IDC_POST_PRIOR,
                   FdaPage::IDC_PED_POSTMARKET}) {
        EXPECT_FALSE(enabled(id)) << id;
        EXPECT_EQ(combo(id)->currentIndex(), -1) << id;
    }
    EXPECT_TRUE(enabled(FdaPage::IDC_EXPORTED)) << "the drug still asks it";
    EXPECT_EQ(combo(FdaPage::IDC_EXPORTED)->currentText(), "Yes");
    choose(FdaPage::IDC_FDA_DRUG, "No");
    EXPECT_FALSE(enabled(FdaPage::IDC_EXPORTED));
    page->store();
    const OversightInfo& oversight = record.oversight_info;
    EXPECT_EQ(oversight.fda_regulated_device, "No");
    EXPECT_EQ(record.delayed_posting.displayText(), "");
    EXPECT_EQ(oversight.post_prior_to_approval, "");
    EXPECT_EQ(oversight.ped_postmarket_surv, "");
    EXPECT_EQ(oversight.exported_from_us, "");

    // Yes again opens the device questions, empty; the unapproved answer opens
    // the posting question.
    choose(FdaPage::IDC_FDA_DEVICE, "Yes");
    EXPECT_TRUE(enabled(FdaPage::IDC_DELAYED_POSTING));
    EXPECT_FALSE(enabled(FdaPage::IDC_POST_PRIOR));
    choose(FdaPage::IDC_DELAYED_POSTING, "Yes");
    EXPECT_TRUE(enabled(FdaPage::IDC_POST_PRIOR));
    EXPECT_EQ(combo(FdaPage::IDC_POST_PRIOR)->currentIndex(), -1);

    // A closed answer the record holds stays when another question changes.
    fillProduct("Yes", "No", "Yes");
    record.is_ind_study.setText("No");
    page->load(record);
    choose(FdaPage::IDC_FDA_DRUG, "No");
    page->store();
    EXPECT_EQ(record.delayed_posting.displayText(), "Yes");
    EXPECT_EQ(record.oversight_info.post_prior_to_approval, "Yes");
}

TEST_F(FdaPageTest, ChoosingNoForExpandedAccessEmptiesTheRecordNumber) {
    fillAll("", "Yes");
    page->load(record);
    EXPECT_TRUE(enabled(FdaPage::IDC_EXPANDED_ACCESS_RECORD));
    choose(FdaPage::IDC_HAS_EXPANDED_ACCESS, "no");
    EXPECT_FALSE(enabled(FdaPage::IDC_EXPANDED_ACCESS_RECORD));
    EXPECT_FALSE(enabled(FdaPage::IDC_LABEL_EXPANDED_ACCESS_RECORD));
    EXPECT_EQ(edit(FdaPage::IDC_EXPANDED_ACCESS_RECORD)->text(), "");
    page->store();
    EXPECT_EQ(record.ind_info.has_expanded_access, "no");
    EXPECT_EQ(record.ind_info.expanded_access_nct_id, "");
    choose(FdaPage::IDC_HAS_EXPANDED_ACCESS, "yes");
    EXPECT_TRUE(enabled(FdaPage::IDC_EXPANDED_ACCESS_RECORD));
}

TEST_F(FdaPageTest, StoreEmptiesWhatTheTitlePageNoLongerAnswersYes) {
    fillAll("Yes", "Yes");
    fillProduct("Yes", "No", "");
    page->load(record);
    record.is_ind_study.setText("yes");
    page->store();
    expectIndEmpty();
    EXPECT_EQ(record.oversight_info.exported_from_us, "") << "asked only without an IND/IDE";

    // Answering No opens the export question: its answer stays.
    record.is_ind_study.setText("Yes");
    record.oversight_info.exported_from_us = "No";
    page->load(record);
    record.is_ind_study.setText("No");
    page->store();
    EXPECT_EQ(record.oversight_info.exported_from_us, "No");

    // Only a changed answer does: an unchanged "No" leaves its group alone.
    fillAll("No", "No");
    page->load(record);
    page->store();
    EXPECT_EQ(record.ind_info.ind_grantor, "CBER");
}

TEST_F(FdaPageTest, BothExpandedAccessMarkersOpenTheSameDefinition) {
    FakeHelpBrowser help;
    page->setHelpWindow(&help);
    QTest::mouseClick(page->control(FdaPage::IDC_MARKER_HAS_EXPANDED_ACCESS), Qt::LeftButton);
    QTest::mouseClick(page->control(FdaPage::IDC_MARKER_EXPANDED_ACCESS_RECORD), Qt::LeftButton);
    ASSERT_EQ(help.navigations.size(), 2);
    EXPECT_TRUE(help.navigations[0].endsWith("#HasExpandedAccess"));
    EXPECT_EQ(help.navigations[1], help.navigations[0]);
    page->setHelpWindow(nullptr);
}

namespace {

class FdaPageInEditorTest : public ::testing::Test {
protected:
    void SetUp() override { editor.setRecord(&record); }
    FdaPage& fda() { return *static_cast<FdaPage*>(editor.page(1)); }
    QComboBox* titleCombo(int id) { return editor.titlePage()->control<QComboBox>(id); }

    TestPlatform platform;
    StudyRecord record;
    ProtocolEditor editor;
};

} // namespace

TEST_F(FdaPageInEditorTest, TheIndAnswerReachesThePageAtTheNextSectionSwitch) {
    record.oversight_info.fda_regulated_drug = "Yes";
    record.is_ind_study.setText("Yes");
    record.ind_info.ind_number = "42";
    editor.loadAll();
    ASSERT_TRUE(fda().control(FdaPage::IDC_IND_NUMBER)->isEnabled());
    EXPECT_FALSE(fda().control(FdaPage::IDC_EXPORTED)->isEnabled());

    titleCombo(TitlePage::IDC_IND_PROTOCOL)->setCurrentIndex(1); // No
    EXPECT_TRUE(fda().control(FdaPage::IDC_IND_NUMBER)->isEnabled()) << "not before the switch";
    editor.showSection(QStringLiteral("FDA"));
    EXPECT_EQ(editor.visiblePage(), &fda());
    EXPECT_FALSE(fda().control(FdaPage::IDC_IND_NUMBER)->isEnabled());
    EXPECT_TRUE(fda().control(FdaPage::IDC_EXPORTED)->isEnabled());
    EXPECT_EQ(record.ind_info.ind_number, "");
}

TEST_F(FdaPageInEditorTest, AnUntouchedOkKeepsAnswersTheGatesDoNotOpen) {
    record.is_fda_regulated.setText("No");
    record.is_section_801.setText("None");
    record.delayed_posting.setText("None");
    record.is_ind_study.setText("No");
    record.ind_info.ind_grantor = "CDER";
    record.oversight_info.fda_regulated_device = "No";
    record.oversight_info.post_prior_to_approval = "None";
    const std::string before = CollectionFile::recordText(record);
    whenModal<ProtocolEditor>([](ProtocolEditor* e) { e->accept(); });
    EXPECT_EQ(editor.exec(), QDialog::Accepted);
    EXPECT_EQ(CollectionFile::recordText(record), before);
}
