#include "editor/FdaPage.h"

#include "EditorTestSupport.h"
#include "editor/ProtocolEditor.h"
#include "editor/TitlePage.h"
#include "model/CollectionFile.h"
#include "model/StudyRecord.h"
#include "platform/TestPlatform.h"

#include <QComboBox>
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
        record.ind_info.has_expanded_access = "Yes";
        record.ind_info.expanded_access_nct_id = "NCT0001";
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
              FdaPage::IDC_LABEL_HAS_EXPANDED_ACCESS, FdaPage::IDC_EXPANDED_ACCESS_RECORD,
              FdaPage::IDC_LABEL_EXPANDED_ACCESS_RECORD}) {
            EXPECT_EQ(enabled(id), on) << id;
        }
    }

    TestPlatform platform;
    QWidget window;
    FdaPage* page = nullptr;
    StudyRecord record;
};

} // namespace

TEST_F(FdaPageTest, YesAppliesEveryGroupAndShowsTheRecord) {
    fillAll("Yes", "Yes");
    page->load(record);
    for (int id : {FdaPage::IDC_SECTION_801, FdaPage::IDC_LABEL_SECTION_801,
                   FdaPage::IDC_DELAYED_POSTING, FdaPage::IDC_LABEL_DELAYED_POSTING}) {
        EXPECT_TRUE(enabled(id)) << id;
    }
    expectIndEnabled(true);
    EXPECT_EQ(combo(FdaPage::IDC_SECTION_801)->currentText(), "Yes");
    EXPECT_EQ(combo(FdaPage::IDC_DELAYED_POSTING)->currentText(), "Yes");
    EXPECT_EQ(combo(FdaPage::IDC_IND_GRANTOR)->currentText(), "CBER");
    EXPECT_EQ(edit(FdaPage::IDC_IND_NUMBER)->text(), "123");
    EXPECT_EQ(edit(FdaPage::IDC_IND_SERIAL_NUMBER)->text(), "7");
    EXPECT_EQ(combo(FdaPage::IDC_HAS_EXPANDED_ACCESS)->currentText(), "Yes");
    EXPECT_EQ(edit(FdaPage::IDC_EXPANDED_ACCESS_RECORD)->text(), "NCT0001");

    page->store();
    EXPECT_EQ(record.is_section_801.displayText(), "Yes");
    EXPECT_EQ(record.delayed_posting.displayText(), "Yes");
    EXPECT_EQ(record.ind_info.ind_grantor, "CBER");
    EXPECT_EQ(record.ind_info.expanded_access_nct_id, "NCT0001");
}

// Answers other than "Yes" (the registry's own "No", "None", "yes") disable the
// groups they open; what the record holds there stays as it was.
TEST_F(FdaPageTest, NoAndLowerCaseYesDisableTheGroupsAndKeepWhatTheyHold) {
    for (const char* answer : {"No", "yes", "", "None"}) {
        fillAll(answer, answer);
        const std::string before = CollectionFile::recordText(record);
        page->load(record);
        EXPECT_FALSE(enabled(FdaPage::IDC_SECTION_801)) << answer;
        EXPECT_FALSE(enabled(FdaPage::IDC_LABEL_SECTION_801)) << answer;
        EXPECT_FALSE(enabled(FdaPage::IDC_DELAYED_POSTING)) << answer;
        expectIndEnabled(false);
        EXPECT_EQ(combo(FdaPage::IDC_SECTION_801)->currentText(), "Yes") << answer;
        EXPECT_EQ(edit(FdaPage::IDC_IND_NUMBER)->text(), "123") << answer;
        page->store();
        EXPECT_EQ(CollectionFile::recordText(record), before) << answer;
    }
}

TEST_F(FdaPageTest, DependentAnswersOtherThanYesDisableTheirFollowers) {
    fillAll("Yes", "Yes");
    record.is_section_801.setText("No");
    record.ind_info.has_expanded_access = "yes";
    page->load(record);
    EXPECT_TRUE(enabled(FdaPage::IDC_SECTION_801));
    EXPECT_FALSE(enabled(FdaPage::IDC_DELAYED_POSTING));
    EXPECT_TRUE(enabled(FdaPage::IDC_HAS_EXPANDED_ACCESS));
    EXPECT_FALSE(enabled(FdaPage::IDC_EXPANDED_ACCESS_RECORD));
    EXPECT_FALSE(enabled(FdaPage::IDC_LABEL_EXPANDED_ACCESS_RECORD));
    EXPECT_EQ(combo(FdaPage::IDC_HAS_EXPANDED_ACCESS)->currentText(), "yes") << "as written";
    page->store();
    EXPECT_EQ(record.delayed_posting.displayText(), "Yes");
    EXPECT_EQ(record.ind_info.expanded_access_nct_id, "NCT0001");
    EXPECT_EQ(record.ind_info.has_expanded_access, "yes");
}

TEST_F(FdaPageTest, ChoosingNoDisablesAndEmptiesAtOnce) {
    fillAll("Yes", "Yes");
    page->load(record);
    combo(FdaPage::IDC_SECTION_801)->setCurrentIndex(1); // No
    EXPECT_FALSE(enabled(FdaPage::IDC_DELAYED_POSTING));
    EXPECT_FALSE(enabled(FdaPage::IDC_LABEL_DELAYED_POSTING));
    EXPECT_EQ(combo(FdaPage::IDC_DELAYED_POSTING)->currentIndex(), -1);
    combo(FdaPage::IDC_HAS_EXPANDED_ACCESS)->setCurrentIndex(1); // No
    EXPECT_FALSE(enabled(FdaPage::IDC_EXPANDED_ACCESS_RECORD));
    EXPECT_EQ(edit(FdaPage::IDC_EXPANDED_ACCESS_RECORD)->text(), "");
    page->store();
    EXPECT_EQ(record.is_section_801.displayText(), "No");
    EXPECT_EQ(record.delayed_posting.displayText(), "");
    EXPECT_EQ(record.ind_info.has_expanded_access, "No");
    EXPECT_EQ(record.ind_info.expanded_access_nct_id, "");

    // Yes again enables the followers, which start empty.
    combo(FdaPage::IDC_SECTION_801)->setCurrentIndex(0);
    combo(FdaPage::IDC_HAS_EXPANDED_ACCESS)->setCurrentIndex(0);
    EXPECT_TRUE(enabled(FdaPage::IDC_DELAYED_POSTING));
    EXPECT_TRUE(enabled(FdaPage::IDC_EXPANDED_ACCESS_RECORD));
    EXPECT_EQ(combo(FdaPage::IDC_DELAYED_POSTING)->currentIndex(), -1);
}

TEST_F(FdaPageTest, StoreEmptiesWhatTheTitlePageNoLongerAnswersYes) {
    fillAll("Yes", "Yes");
    page->load(record);
    record.is_fda_regulated.setText("No");
    record.is_ind_study.setText("yes");
    page->store();
    EXPECT_EQ(record.is_section_801.displayText(), "");
    EXPECT_EQ(record.delayed_posting.displayText(), "");
    expectIndEmpty();

    // Only a changed answer does: an unchanged "No" leaves its group alone.
    fillAll("No", "No");
    page->load(record);
    page->store();
    EXPECT_EQ(record.is_section_801.displayText(), "Yes");
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

TEST_F(FdaPageInEditorTest, TitleAnswersReachThePageAtTheNextSectionSwitch) {
    record.is_fda_regulated.setText("Yes");
    record.is_section_801.setText("Yes");
    record.delayed_posting.setText("No");
    record.is_ind_study.setText("Yes");
    record.ind_info.ind_number = "42";
    editor.loadAll();
    ASSERT_TRUE(fda().control(FdaPage::IDC_SECTION_801)->isEnabled());

    titleCombo(TitlePage::IDC_FDA_REGULATED)->setCurrentIndex(1); // No
    titleCombo(TitlePage::IDC_IND_PROTOCOL)->setCurrentIndex(1);  // No
    EXPECT_TRUE(fda().control(FdaPage::IDC_SECTION_801)->isEnabled()) << "not before the switch";
    editor.showSection(QStringLiteral("FDA"));
    EXPECT_EQ(editor.visiblePage(), &fda());
    EXPECT_FALSE(fda().control(FdaPage::IDC_SECTION_801)->isEnabled());
    EXPECT_FALSE(fda().control(FdaPage::IDC_IND_NUMBER)->isEnabled());
    EXPECT_EQ(record.is_section_801.displayText(), "");
    EXPECT_EQ(record.delayed_posting.displayText(), "");
    EXPECT_EQ(record.ind_info.ind_number, "");

    titleCombo(TitlePage::IDC_FDA_REGULATED)->setCurrentIndex(0); // Yes
    editor.showSection(QStringLiteral("Sponsor"));
    EXPECT_TRUE(fda().control(FdaPage::IDC_SECTION_801)->isEnabled());
    EXPECT_FALSE(fda().control(FdaPage::IDC_DELAYED_POSTING)->isEnabled());
}

TEST_F(FdaPageInEditorTest, AnUntouchedOkKeepsAnswersTheGatesDoNotOpen) {
    record.is_fda_regulated.setText("No");
    record.is_section_801.setText("None");
    record.delayed_posting.setText("None");
    record.is_ind_study.setText("No");
    record.ind_info.ind_grantor = "CDER";
    const std::string before = CollectionFile::recordText(record);
    whenModal<ProtocolEditor>([](ProtocolEditor* e) { e->accept(); });
    EXPECT_EQ(editor.exec(), QDialog::Accepted);
    EXPECT_EQ(CollectionFile::recordText(record), before);
}
