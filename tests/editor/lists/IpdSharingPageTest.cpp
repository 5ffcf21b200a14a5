#include "editor/lists/IpdSharingPage.h"

#include "editor/EditorTestSupport.h"
#include "model/StudyRecord.h"
#include "platform/TestPlatform.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using Page = IpdSharingPage;

// Everything that follows a Yes.
constexpr int kDetails[] = {Page::IDC_PROTOCOL,
                            Page::IDC_SAP,
                            Page::IDC_ICF,
                            Page::IDC_CSR,
                            Page::IDC_ANALYTIC_CODE,
                            Page::IDC_TIME_FRAME,
                            Page::IDC_ACCESS_CRITERIA,
                            Page::IDC_URL,
                            Page::IDC_LABEL_URL,
                            Page::IDC_LABEL_INFO_TYPES};

class IpdSharingPageTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.resize(600, 700);
        page = new IpdSharingPage(&window);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    IpdSharingStatement& ipd() { return record.ipd_sharing_statement; }
    QComboBox* plan() { return page->control<QComboBox>(Page::IDC_PLAN); }
    // Picks `entry` with the keyboard, as the user does.
    void choosePlan(const QString& entry) {
        plan()->setFocus();
        const int target = plan()->findText(entry);
        ASSERT_GE(target, 0) << entry.toStdString();
        while (plan()->currentIndex() < target) {
            QTest::keyClick(plan(), Qt::Key_Down);
        }
        while (plan()->currentIndex() > target) {
            QTest::keyClick(plan(), Qt::Key_Up);
        }
    }
    void click(int id) {
        auto* box = page->control<QCheckBox>(id);
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(4, box->height() / 2));
    }
    // Whether every detail is enabled (true), every one disabled (false).
    void expectDetailsEnabled(bool enabled, const char* when) {
        for (const int id : kDetails) {
            EXPECT_EQ(page->control(id)->isEnabled(), enabled) << when << " " << id;
        }
        EXPECT_TRUE(page->control(Page::IDC_DESCRIPTION)->isEnabled()) << when;
    }

    TestPlatform platform;
    QWidget window;
    IpdSharingPage* page = nullptr;
    StudyRecord record;
};

} // namespace

// Values travel as the registry writes them: the plan's word, "true"/"false"
// for each type the user ticked, and what the user left alone keeps its text.
TEST_F(IpdSharingPageTest, LoadAndStoreTheStatementAsTheRegistryWritesIt) {
    ipd().sharing_ipd = "Yes";
    ipd().ipd_description.setText("All IPD\r\nafter publication");
    ipd().ipd_info_type_protocol = "true";
    ipd().ipd_info_type_sap = "True";
    ipd().ipd_time_frame.setText("6 months");
    ipd().ipd_url = "https://a.example/ipd";
    page->load(record);

    EXPECT_EQ(plan()->currentText(), "Yes");
    EXPECT_EQ(plan()->count(), 3);
    EXPECT_EQ(page->control<QPlainTextEdit>(Page::IDC_DESCRIPTION)->toPlainText(),
              "All IPD\nafter publication");
    EXPECT_TRUE(page->control<QCheckBox>(Page::IDC_PROTOCOL)->isChecked());
    EXPECT_FALSE(page->control<QCheckBox>(Page::IDC_ICF)->isChecked());
    EXPECT_EQ(page->control<QLineEdit>(Page::IDC_URL)->text(), "https://a.example/ipd");
    expectDetailsEnabled(true, "loaded Yes");

    click(Page::IDC_PROTOCOL);
    click(Page::IDC_ICF);
    click(Page::IDC_CSR);
    click(Page::IDC_CSR); // ticked and unticked: as loaded
    page->control<QPlainTextEdit>(Page::IDC_ACCESS_CRITERIA)->setPlainText("On request");
    page->store();
    EXPECT_EQ(ipd().sharing_ipd, "Yes");
    EXPECT_EQ(ipd().ipd_info_type_protocol, "false");
    EXPECT_EQ(ipd().ipd_info_type_sap, "True") << "untouched";
    EXPECT_EQ(ipd().ipd_info_type_icf, "true");
    EXPECT_EQ(ipd().ipd_info_type_csr, "") << "back as loaded";
    EXPECT_EQ(ipd().ipd_description.text(), "All IPD\r\nafter publication");
    EXPECT_EQ(ipd().ipd_access_criteria.text(), "On request");

    StudyRecord fresh;
    page->load(fresh);
    choosePlan("Undecided");
    page->store();
    EXPECT_EQ(fresh.ipd_sharing_statement.sharing_ipd, "Undecided");
    EXPECT_EQ(fresh.ipd_sharing_statement.ipd_info_type_icf, "") << "a new record gets no flags";
}

// A load opens the details by the record's plan and never empties them; the
// user's answer opens and closes them, and a plan the user changed from Yes
// leaves no details behind (the description stays: it may explain a No).
TEST_F(IpdSharingPageTest, DetailsFollowThePlanTheUserChooses) {
    struct Case {
        const char* plan;
        bool open;
    };
    for (const Case& c : {Case{"Yes", true}, Case{"yes", true}, Case{"No", false}, Case{"", false},
                          Case{"Maybe", false}}) {
        ipd().sharing_ipd = c.plan;
        ipd().ipd_url = "https://kept.example";
        page->load(record);
        expectDetailsEnabled(c.open, c.plan);
        page->store();
        EXPECT_EQ(ipd().ipd_url, "https://kept.example") << c.plan;
        EXPECT_EQ(ipd().sharing_ipd, c.plan);
    }

    ipd().sharing_ipd = "No";
    ipd().ipd_description.setText("Why not");
    ipd().ipd_info_type_csr = "true";
    ipd().ipd_time_frame.setText("Never");
    page->load(record);
    choosePlan("Yes");
    expectDetailsEnabled(true, "chose Yes");
    choosePlan("Undecided");
    expectDetailsEnabled(false, "chose Undecided");
    page->store();
    EXPECT_EQ(ipd().sharing_ipd, "Undecided");
    EXPECT_EQ(ipd().ipd_description.text(), "Why not");
    EXPECT_EQ(ipd().ipd_info_type_csr, "");
    EXPECT_EQ(ipd().ipd_time_frame.text(), "");
    EXPECT_EQ(ipd().ipd_url, "");
}

TEST_F(IpdSharingPageTest, MarkersOpenTheRegistryDefinitions) {
    struct Case {
        int marker;
        const char* key;
    };
    for (const Case& c : {Case{Page::IDC_MARKER_PLAN, "IPDSharing"},
                          Case{Page::IDC_MARKER_DESCRIPTION, "IPDSharingDescription"},
                          Case{Page::IDC_MARKER_INFO_TYPES, "IPDSharingInfoType"},
                          Case{Page::IDC_MARKER_TIME_FRAME, "IPDSharingTimeFrame"},
                          Case{Page::IDC_MARKER_ACCESS_CRITERIA, "IPDSharingAccessCriteria"},
                          Case{Page::IDC_MARKER_URL, "IPDSharingURL"}}) {
        EXPECT_EQ(page->helpKey(c.marker), c.key) << c.marker;
        EXPECT_NE(page->control(c.marker), nullptr) << c.marker;
    }
}
