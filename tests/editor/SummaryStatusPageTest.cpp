#include "EditorTestSupport.h"
#include "editor/ProtocolEditor.h"
#include "editor/StatusPage.h"
#include "editor/SummaryPage.h"
#include "editor/TitlePage.h"
#include "model/CollectionFile.h"
#include "model/StudyRecord.h"
#include "platform/DialogControls.h"
#include "platform/TestPlatform.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class StatusPageTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.resize(600, 700);
        page = new StatusPage(&window);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    QComboBox* box(int id) { return page->control<QComboBox>(id); }
    QLineEdit* edit(int id) { return page->control<QLineEdit>(id); }
    QString shown(int id) {
        return box(id)->currentIndex() < 0 ? QString() : box(id)->currentText();
    }
    bool visible(int id) { return page->control(id)->isVisibleTo(page); }
    bool enabled(int id) { return page->control(id)->isEnabled(); }
    void choose(int id, const QString& entry) {
        const int index = box(id)->findText(entry);
        ASSERT_GE(index, 0) << entry.toStdString();
        box(id)->setCurrentIndex(index);
    }

    TestPlatform platform;
    QWidget window;
    StatusPage* page = nullptr;
    StudyRecord record;
};

// Every field of the page filled, for a study that stopped.
void fillStatus(StudyRecord& record) {
    record.verification_date = "2009-11";
    record.overall_status.setText("Terminated");
    record.why_stopped.setText("Funding");
    record.expanded_access_status.setText("Available");
    record.start_date.setText("2008-01");
    record.primary_compl_date.setText("2010-02");
    record.primary_compl_date_type.setText("Actual");
    record.last_follow_up_date.setText("2011-04");
    record.last_follow_up_date_type.setText("Anticipated");
    record.end_date = "2011-05";
}

const int kKeyDateBoxes[] = {
    StatusPage::IDC_START_MONTH,
    StatusPage::IDC_START_YEAR,
    StatusPage::IDC_PRIMARY_COMPLETION_MONTH,
    StatusPage::IDC_PRIMARY_COMPLETION_YEAR,
    StatusPage::IDC_PRIMARY_COMPLETION_TYPE,
    StatusPage::IDC_COMPLETION_MONTH,
    StatusPage::IDC_COMPLETION_YEAR,
    StatusPage::IDC_COMPLETION_TYPE,
    StatusPage::IDC_LABEL_START_DATE,
    StatusPage::IDC_LABEL_COMPLETION_TYPE,
};

// The ids of the page's controls that Tab reaches, in the order it reaches them.
std::vector<int> tabOrder(QWidget* page) {
    std::vector<int> ids;
    for (QWidget* w = page->nextInFocusChain(); w != page; w = w->nextInFocusChain()) {
        const int id = DialogControls::idOf(w);
        if (id != -1 && (w->focusPolicy() & Qt::TabFocus) != 0) {
            ids.push_back(id);
        }
    }
    return ids;
}

} // namespace

TEST(SummaryPageTest, CopiesBothTextsAndKeepsEnterForLineBreaks) {
    TestPlatform platform;
    SummaryPage page;
    StudyRecord record;
    record.brief_summary.setText("First\r\nsecond");
    record.detailed_description.setText("Detail");
    record.detailed_description.setDeleteFlag(true);
    page.load(record);
    auto* brief = page.control<QPlainTextEdit>(SummaryPage::IDC_BRIEF_SUMMARY);
    auto* detail = page.control<QPlainTextEdit>(SummaryPage::IDC_DETAILED_DESCRIPTION);
    EXPECT_EQ(brief->toPlainText(), "First\nsecond");
    EXPECT_EQ(detail->toPlainText(), "Detail");

    brief->moveCursor(QTextCursor::End);
    QTest::keyClick(brief, Qt::Key_Return);
    QTest::keyClicks(brief, "third");
    detail->setPlainText(QString());
    page.store();
    EXPECT_EQ(record.brief_summary.text(), "First\r\nsecond\r\nthird");
    EXPECT_EQ(record.detailed_description.text(), "");
    EXPECT_TRUE(record.detailed_description.deleteFlag()) << "flags are not the page's";
    EXPECT_FALSE(record.brief_summary.deleteFlag());
}

// A date keeps its text while its boxes show it as loaded: a form the boxes
// cannot show is not lost. Edited, it is written from the boxes, its day kept.
TEST_F(StatusPageTest, StartDatesAsTheyAreShownAndStoredBack) {
    struct Case {
        const char* text;
        const char* month;
        const char* day;
        const char* year;
        const char* edited; // after the year is set to 2011
    };
    const Case cases[] = {
        {"2010-03", "March", "", "2010", "2011-03"},
        {"2010-3", "March", "", "2010", "2011-03"},
        {"2010-03-15", "March", "15", "2010", "2011-03-15"},
        {"2010-3-5", "March", "5", "2010", "2011-03-05"},
        {"March 2010", "", "", "", ""},
        {"2010-13", "", "", "2010", ""},
    };
    for (const Case& c : cases) {
        record.start_date.setText(c.text);
        page->load(record);
        EXPECT_EQ(shown(StatusPage::IDC_START_MONTH), c.month) << c.text;
        EXPECT_EQ(edit(StatusPage::IDC_START_DAY)->text(), c.day) << c.text;
        EXPECT_EQ(edit(StatusPage::IDC_START_YEAR)->text(), c.year) << c.text;
        page->store();
        EXPECT_EQ(record.start_date.displayText(), c.text);
        edit(StatusPage::IDC_START_YEAR)->setText("2011");
        page->store();
        EXPECT_EQ(record.start_date.displayText(), c.edited) << c.text;
    }
    // Emptying the day box leaves the month.
    edit(StatusPage::IDC_START_DAY)->setText("");
    choose(StatusPage::IDC_START_MONTH, "June");
    page->store();
    EXPECT_EQ(record.start_date.displayText(), "2011-06");
}

TEST_F(StatusPageTest, EveryDateIsStoredFromItsOwnBoxes) {
    record.overall_status.setText("Recruiting");
    page->load(record);
    EXPECT_EQ(box(StatusPage::IDC_START_MONTH)->count(), 12);
    EXPECT_EQ(box(StatusPage::IDC_START_MONTH)->itemText(0), "January");
    EXPECT_EQ(box(StatusPage::IDC_START_MONTH)->itemText(11), "December");

    edit(StatusPage::IDC_VERIFICATION_YEAR)->setText("2011"); // no month: empty date
    choose(StatusPage::IDC_START_MONTH, "May");               // no year: "-05"
    choose(StatusPage::IDC_START_TYPE, "Actual");
    choose(StatusPage::IDC_PRIMARY_COMPLETION_MONTH, "October");
    edit(StatusPage::IDC_PRIMARY_COMPLETION_YEAR)->setText("2012");
    edit(StatusPage::IDC_PRIMARY_COMPLETION_DAY)->setText("7");
    choose(StatusPage::IDC_PRIMARY_COMPLETION_TYPE, "Anticipated");
    choose(StatusPage::IDC_COMPLETION_MONTH, "January");
    edit(StatusPage::IDC_COMPLETION_YEAR)->setText("2013");
    choose(StatusPage::IDC_COMPLETION_TYPE, "Actual");
    page->store();
    EXPECT_EQ(record.verification_date, "");
    EXPECT_EQ(record.start_date.displayText(), "-05");
    EXPECT_EQ(record.start_date_type.displayText(), "Actual");
    EXPECT_EQ(record.primary_compl_date.displayText(), "2012-10-07");
    EXPECT_EQ(record.primary_compl_date_type.displayText(), "Anticipated");
    EXPECT_EQ(record.last_follow_up_date.displayText(), "2013-01");
    EXPECT_EQ(record.last_follow_up_date_type.displayText(), "Actual");
    EXPECT_EQ(record.overall_status.displayText(), "Recruiting");

    choose(StatusPage::IDC_VERIFICATION_MONTH, "July");
    page->store();
    EXPECT_EQ(record.verification_date, "2011-07");
}

TEST_F(StatusPageTest, TabOrderEndsWithTheExpandedAccessStatus) {
    const std::vector<int> expected = {1057, 1056, 1058, 1059, 1061, 1072, 1060, 1075, 1063,
                                       1073, 1062, 1065, 1068, 1074, 1067, 1069, 1071};
    EXPECT_EQ(tabOrder(page), expected);
}

TEST_F(StatusPageTest, GrowingWidensTheBoxesButNotTheMonthsAndLabels) {
    auto rect = [this](int id) { return page->control(id)->geometry(); };
    const QRect month = rect(StatusPage::IDC_START_MONTH);
    const QRect year = rect(StatusPage::IDC_START_YEAR);
    const QRect type = rect(StatusPage::IDC_COMPLETION_TYPE);
    const QRect status = rect(StatusPage::IDC_GROUP);
    const QRect dates = rect(StatusPage::IDC_DATES_GROUP);
    const QRect expanded = rect(StatusPage::IDC_EXPANDED_ACCESS_STATUS);
    const QRect label = rect(StatusPage::IDC_LABEL_START_YEAR);
    const QRect day = rect(StatusPage::IDC_START_DAY);
    const QRect marker = rect(StatusPage::IDC_MARKER_COMPLETION_DATE);
    page->resize(page->size() + QSize(50, 40));
    EXPECT_EQ(rect(StatusPage::IDC_START_MONTH), month);
    EXPECT_EQ(rect(StatusPage::IDC_START_YEAR), year.adjusted(0, 0, 50, 0));
    EXPECT_EQ(rect(StatusPage::IDC_COMPLETION_TYPE), type.adjusted(0, 0, 50, 0));
    EXPECT_EQ(rect(StatusPage::IDC_GROUP), status.adjusted(0, 0, 50, 0));
    EXPECT_EQ(rect(StatusPage::IDC_DATES_GROUP), dates.adjusted(0, 0, 50, 40));
    EXPECT_EQ(rect(StatusPage::IDC_EXPANDED_ACCESS_STATUS), expanded.adjusted(0, 0, 50, 0));
    EXPECT_EQ(rect(StatusPage::IDC_START_DAY), day);
    EXPECT_EQ(rect(StatusPage::IDC_LABEL_START_YEAR), label);
    EXPECT_EQ(rect(StatusPage::IDC_MARKER_COMPLETION_DATE), marker.translated(50, 0));
}

TEST_F(StatusPageTest, YearBoxesTakeDigitsOnly) {
    page->load(record);
    QTest::keyClicks(edit(StatusPage::IDC_START_YEAR), "2a0-1 0");
    EXPECT_EQ(edit(StatusPage::IDC_START_YEAR)->text(), "2010");
    QTest::keyClicks(edit(StatusPage::IDC_COMPLETION_DAY), "-1x5");
    EXPECT_EQ(edit(StatusPage::IDC_COMPLETION_DAY)->text(), "15");
}

TEST_F(StatusPageTest, ExpandedAccessShowsItsStatusAndKeepsTheStudyStatus) {
    fillStatus(record);
    record.study_design.study_type.setText("Expanded Access");
    page->load(record);
    EXPECT_FALSE(visible(StatusPage::IDC_RECRUITMENT_STATUS));
    EXPECT_FALSE(visible(StatusPage::IDC_LABEL_RECRUITMENT_STATUS));
    EXPECT_FALSE(visible(StatusPage::IDC_MARKER_RECRUITMENT_STATUS));
    EXPECT_TRUE(visible(StatusPage::IDC_EXPANDED_ACCESS_STATUS));
    EXPECT_TRUE(visible(StatusPage::IDC_LABEL_EXPANDED_ACCESS_STATUS));
    EXPECT_TRUE(visible(StatusPage::IDC_MARKER_EXPANDED_ACCESS_STATUS));
    EXPECT_EQ(page->control(StatusPage::IDC_EXPANDED_ACCESS_STATUS)->geometry(),
              page->control(StatusPage::IDC_RECRUITMENT_STATUS)->geometry());
    EXPECT_EQ(shown(StatusPage::IDC_EXPANDED_ACCESS_STATUS), "Available");
    EXPECT_FALSE(enabled(StatusPage::IDC_WHY_STOPPED));
    for (int id : kKeyDateBoxes) {
        EXPECT_FALSE(enabled(id)) << id;
    }
    EXPECT_TRUE(enabled(StatusPage::IDC_VERIFICATION_MONTH));
    const std::string before = CollectionFile::recordText(record);
    page->store();
    EXPECT_EQ(CollectionFile::recordText(record), before) << "loading changed nothing";

    choose(StatusPage::IDC_EXPANDED_ACCESS_STATUS, "Approved for marketing");
    page->store();
    EXPECT_EQ(record.expanded_access_status.displayText(), "Approved for marketing");
    EXPECT_EQ(record.verification_date, "2009-11");
    EXPECT_EQ(record.start_date.displayText(), "2008-01") << "only OK drops it, after asking";
}

TEST_F(StatusPageTest, OtherStudyTypesHaveNoExpandedAccessStatus) {
    fillStatus(record);
    record.study_design.study_type.setText("expanded access"); // compared exactly
    page->load(record);
    EXPECT_TRUE(visible(StatusPage::IDC_RECRUITMENT_STATUS));
    EXPECT_FALSE(visible(StatusPage::IDC_EXPANDED_ACCESS_STATUS));
    EXPECT_FALSE(visible(StatusPage::IDC_MARKER_EXPANDED_ACCESS_STATUS));
    EXPECT_EQ(shown(StatusPage::IDC_RECRUITMENT_STATUS), "Terminated");
    EXPECT_EQ(edit(StatusPage::IDC_WHY_STOPPED)->text(), "Funding");
    EXPECT_TRUE(enabled(StatusPage::IDC_WHY_STOPPED));
    for (int id : kKeyDateBoxes) {
        EXPECT_TRUE(enabled(id)) << id;
    }
    EXPECT_EQ(shown(StatusPage::IDC_COMPLETION_MONTH), "April") << "not the end date";

    page->store();
    EXPECT_EQ(record.expanded_access_status.displayText(), "Available");
    EXPECT_EQ(record.verification_date, "2009-11");
    EXPECT_EQ(record.why_stopped.displayText(), "Funding");
    EXPECT_EQ(record.end_date, "2011-05");
}

// An older record's end date is shown as its completion date, and becomes it
// once the user edits the date.
TEST_F(StatusPageTest, AMissingCompletionDateIsShownFromTheEndDate) {
    record.end_date = "2012-06";
    page->load(record);
    EXPECT_EQ(shown(StatusPage::IDC_COMPLETION_MONTH), "June");
    EXPECT_EQ(edit(StatusPage::IDC_COMPLETION_YEAR)->text(), "2012");
    page->store();
    EXPECT_EQ(record.last_follow_up_date.displayText(), "");
    edit(StatusPage::IDC_COMPLETION_YEAR)->setText("2013");
    page->store();
    EXPECT_EQ(record.last_follow_up_date.displayText(), "2013-06");
    EXPECT_EQ(record.end_date, "2012-06");
}

TEST_F(StatusPageTest, WhyStoppedAppliesOnlyToStoppedStudies) {
    record.overall_status.setText("Completed");
    record.why_stopped.setText("stale reason");
    page->load(record);
    EXPECT_FALSE(enabled(StatusPage::IDC_WHY_STOPPED));
    EXPECT_FALSE(enabled(StatusPage::IDC_LABEL_WHY_STOPPED));
    EXPECT_EQ(edit(StatusPage::IDC_WHY_STOPPED)->text(), "stale reason");
    page->store();
    EXPECT_EQ(record.why_stopped.displayText(), "stale reason") << "untouched";

    choose(StatusPage::IDC_RECRUITMENT_STATUS, "Terminated");
    EXPECT_TRUE(enabled(StatusPage::IDC_WHY_STOPPED));
    EXPECT_TRUE(enabled(StatusPage::IDC_LABEL_WHY_STOPPED));
    edit(StatusPage::IDC_WHY_STOPPED)->setText("Safety");
    choose(StatusPage::IDC_RECRUITMENT_STATUS, "Suspended");
    EXPECT_EQ(edit(StatusPage::IDC_WHY_STOPPED)->text(), "Safety") << "still stopped";
    choose(StatusPage::IDC_RECRUITMENT_STATUS, "Active, not recruiting");
    EXPECT_FALSE(enabled(StatusPage::IDC_WHY_STOPPED));
    EXPECT_EQ(edit(StatusPage::IDC_WHY_STOPPED)->text(), "");
    choose(StatusPage::IDC_RECRUITMENT_STATUS, "Withdrawn");
    edit(StatusPage::IDC_WHY_STOPPED)->setText("No participants");
    page->store();
    EXPECT_EQ(record.overall_status.displayText(), "Withdrawn");
    EXPECT_EQ(record.why_stopped.displayText(), "No participants");

    // Loading shows the record's own text; the rule compares it exactly.
    record.overall_status.setText("withdrawn");
    record.why_stopped.setText("kept");
    page->load(record);
    EXPECT_EQ(shown(StatusPage::IDC_RECRUITMENT_STATUS), "withdrawn");
    EXPECT_FALSE(enabled(StatusPage::IDC_WHY_STOPPED)) << "case matters";
    page->store();
    EXPECT_EQ(record.why_stopped.displayText(), "kept");
}

namespace {

class StatusInEditorTest : public ::testing::Test {
protected:
    void SetUp() override { editor.setRecord(&record); }
    int run(std::function<void(ProtocolEditor*)> inside) {
        whenModal<ProtocolEditor>(std::move(inside));
        return editor.exec();
    }
    static StatusPage* status(ProtocolEditor* e) { return static_cast<StatusPage*>(e->page(5)); }
    static void chooseStudyType(ProtocolEditor* e, const QString& type) {
        auto* box = e->titlePage()->control<QComboBox>(TitlePage::IDC_STUDY_TYPE);
        box->setCurrentIndex(box->findText(type));
    }

    TestPlatform platform;
    StudyRecord record;
    ProtocolEditor editor;
};

} // namespace

TEST_F(StatusInEditorTest, ChangingToExpandedAccessDropsTheStudyStatusAtOk) {
    fillStatus(record);
    record.expanded_access_status.setText("");
    record.study_design.study_type.setText("Interventional");
    record.brief_summary.setText("Kept");
    platform.prompts().answerMessage(MessageAnswer::Yes);
    const int result = run([this](ProtocolEditor* e) {
        EXPECT_TRUE(status(e)->control(StatusPage::IDC_RECRUITMENT_STATUS)->isVisibleTo(status(e)));
        chooseStudyType(e, QStringLiteral("Expanded Access"));
        e->showSection(QStringLiteral("Status"));
        EXPECT_EQ(record.overall_status.displayText(), "Terminated") << "kept while editing";
        e->page(4)
            ->control<QPlainTextEdit>(SummaryPage::IDC_DETAILED_DESCRIPTION)
            ->setPlainText(QStringLiteral("Typed\nlater"));
        auto* expanded = status(e)->control<QComboBox>(StatusPage::IDC_EXPANDED_ACCESS_STATUS);
        EXPECT_TRUE(expanded->isVisible());
        EXPECT_FALSE(status(e)->control(StatusPage::IDC_START_MONTH)->isEnabled());
        expanded->setCurrentIndex(1);
        QTest::mouseClick(e->control(ProtocolEditor::IDC_OK), Qt::LeftButton);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(platform.prompts().last().text,
              "Changing the study type to Expanded Access removes: overall status, dates. "
              "Continue?");
    EXPECT_EQ(record.expanded_access_status.displayText(), "No longer available");
    EXPECT_EQ(record.overall_status.displayText(), "");
    EXPECT_EQ(record.start_date.displayText(), "");
    EXPECT_EQ(record.last_follow_up_date.displayText(), "");
    EXPECT_EQ(record.end_date, "");
    EXPECT_EQ(record.verification_date, "2009-11");
    EXPECT_EQ(record.brief_summary.text(), "Kept") << "the summary does not follow the type";
    EXPECT_EQ(record.detailed_description.text(), "Typed\r\nlater");
}

TEST_F(StatusInEditorTest, ChangingAwayFromExpandedAccessDropsItsStatusAtOk) {
    record.study_design.study_type.setText("Expanded Access");
    record.expanded_access_status.setText("Available");
    platform.prompts().answerMessage(MessageAnswer::Yes);
    const int result = run([](ProtocolEditor* e) {
        chooseStudyType(e, QStringLiteral("Observational"));
        e->showSection(QStringLiteral("Status"));
        EXPECT_TRUE(status(e)->control(StatusPage::IDC_RECRUITMENT_STATUS)->isVisible());
        EXPECT_TRUE(status(e)->control(StatusPage::IDC_START_YEAR)->isEnabled());
        auto* recruitment = status(e)->control<QComboBox>(StatusPage::IDC_RECRUITMENT_STATUS);
        recruitment->setCurrentIndex(1);
        QTest::mouseClick(e->control(ProtocolEditor::IDC_OK), Qt::LeftButton);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(record.expanded_access_status.displayText(), "");
    EXPECT_EQ(record.overall_status.displayText(), "Recruiting");
}

// An untouched expanded access record keeps everything, even a status it
// should not have: the study type did not change.
TEST_F(StatusInEditorTest, AnUntouchedOkChangesNothing) {
    fillStatus(record);
    record.study_design.study_type.setText("Expanded Access");
    const std::string before = CollectionFile::recordText(record);
    const int result = run([](ProtocolEditor* e) {
        QTest::mouseClick(e->control(ProtocolEditor::IDC_OK), Qt::LeftButton);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_TRUE(platform.prompts().shown().empty());
    EXPECT_EQ(CollectionFile::recordText(record), before);
}
