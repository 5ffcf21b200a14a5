#include "editor/EligibilityPage.h"

#include "EditorTestSupport.h"
#include "editor/ProtocolEditor.h"
#include "editor/TitlePage.h"
#include "model/CollectionFile.h"
#include "model/StudyRecord.h"
#include "platform/TestPlatform.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using E = EligibilityPage;

class EligibilityPageTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.resize(600, 700);
        page = new EligibilityPage(&window);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    QString number(int id) { return page->control<QLineEdit>(id)->text(); }
    int unitIndex(int id) { return page->control<QComboBox>(id)->currentIndex(); }
    QString unit(int id) { return page->control<QComboBox>(id)->currentText(); }
    bool shown(int id) { return !page->control(id)->isHidden(); }
    // Loads `minimum` and stores it again without edits.
    std::string roundTrip(const char* minimum) {
        record.eligibility.minimum_age = minimum;
        page->load(record);
        page->store();
        return record.eligibility.minimum_age;
    }

    TestPlatform platform;
    QWidget window;
    EligibilityPage* page = nullptr;
    StudyRecord record;
};

} // namespace

TEST_F(EligibilityPageTest, AgeLimitsSplitIntoNumberAndUnit) {
    record.eligibility.minimum_age = "18 Years";
    record.eligibility.maximum_age = "";
    page->load(record);
    EXPECT_EQ(number(E::IDC_MINIMUM_AGE), "18");
    EXPECT_EQ(unit(E::IDC_MINIMUM_UNIT), "Years");
    EXPECT_EQ(number(E::IDC_MAXIMUM_AGE), "");
    EXPECT_EQ(unitIndex(E::IDC_MAXIMUM_UNIT), -1);
    page->control<QLineEdit>(E::IDC_MINIMUM_AGE)->setText("21");
    page->store();
    EXPECT_EQ(record.eligibility.minimum_age, "21 Years");
    EXPECT_EQ(record.eligibility.maximum_age, "") << "untouched";

    record.eligibility.minimum_age = "N/A";
    page->load(record);
    EXPECT_EQ(number(E::IDC_MINIMUM_AGE), "");
    EXPECT_EQ(unit(E::IDC_MINIMUM_UNIT), "N/A");

    // An age shown as loaded is stored as it was, whatever its form.
    for (const char* age : {"N/A", " N/A", "18", "6 months", "18 Years "})
        EXPECT_EQ(roundTrip(age), age);
}

TEST_F(EligibilityPageTest, LoadAndStoreTheOtherFields) {
    record.study_design.study_type.setText("Observational");
    record.eligibility.criteria.setText("Inclusion:\r\n- adults");
    record.eligibility.gender = "female";
    record.eligibility.healthy_volunteers = "No";
    record.eligibility.sampling_method = "Non";
    record.eligibility.study_population.setText("Patients\r\nof a clinic");
    page->load(record);
    EXPECT_EQ(page->control<QPlainTextEdit>(E::IDC_CRITERIA)->toPlainText(),
              "Inclusion:\n- adults");
    EXPECT_EQ(unit(E::IDC_GENDER), "female") << "as written";
    EXPECT_EQ(unit(E::IDC_HEALTHY_VOLUNTEERS), "No");
    EXPECT_EQ(unit(E::IDC_SAMPLING_METHOD), "Non");
    page->control<QPlainTextEdit>(E::IDC_STUDY_POPULATION)->setPlainText("All\ncomers");
    page->control<QComboBox>(E::IDC_SAMPLING_METHOD)->setCurrentIndex(1);
    page->store();
    EXPECT_EQ(record.eligibility.criteria.text(), "Inclusion:\r\n- adults");
    EXPECT_EQ(record.eligibility.gender, "female");
    EXPECT_EQ(record.eligibility.healthy_volunteers, "No");
    EXPECT_EQ(record.eligibility.sampling_method, "Non-Probability Sample");
    EXPECT_EQ(record.eligibility.study_population.text(), "All\r\ncomers");
}

// Sex offers the registry's words and keeps an older one; the user's Yes to
// Gender Based enables its description, which keeps its text whatever the answer.
TEST_F(EligibilityPageTest, SexAndGenderBasedEligibility) {
    auto* sex = page->control<QComboBox>(E::IDC_GENDER);
    auto* description = page->control<QPlainTextEdit>(E::IDC_GENDER_DESCRIPTION);
    record.eligibility.gender = "Both";
    const std::string before = CollectionFile::recordText(record);
    page->load(record);
    EXPECT_EQ(sex->findText("All"), 0);
    EXPECT_EQ(sex->currentIndex(), 3) << "shown after the entries";
    EXPECT_FALSE(description->isEnabled());
    page->store();
    EXPECT_EQ(CollectionFile::recordText(record), before);

    sex->setCurrentIndex(0);
    page->control<QComboBox>(E::IDC_GENDER_BASED)->setCurrentIndex(0); // Yes
    EXPECT_TRUE(description->isEnabled());
    QTest::keyClicks(description, "Self-identified");
    QTest::keyClick(description, Qt::Key_Return);
    QTest::keyClicks(description, "women");
    page->control<QComboBox>(E::IDC_GENDER_BASED)->setCurrentIndex(1); // No
    EXPECT_FALSE(description->isEnabled());
    page->store();
    EXPECT_EQ(record.eligibility.gender, "All");
    EXPECT_EQ(record.eligibility.gender_based, "No");
    EXPECT_EQ(record.eligibility.gender_description.text(), "Self-identified\r\nwomen");

    // A description the record holds stays editable; so does one a "yes" opens.
    page->load(record);
    EXPECT_TRUE(description->isEnabled());
    record.eligibility.gender_description.setText("");
    record.eligibility.gender_based = "yes";
    page->load(record);
    EXPECT_TRUE(description->isEnabled());
}

// The groups follow the study type; what a hidden group holds stays (only the
// editor's OK drops it, after asking).
TEST_F(EligibilityPageTest, TheStudyTypeShowsItsGroupsAndKeepsTheOthers) {
    struct Case {
        const char* type;
        bool observational;
        bool healthy;
    };
    const Case cases[] = {{"Observational", true, true},     {"Interventional", false, true},
                          {"Expanded Access", false, false}, {"observational", false, true},
                          {"expanded access", false, true},  {"", false, true}};
    for (const Case& c : cases) {
        record.study_design.study_type.setText(c.type);
        record.eligibility.sampling_method = "Probability Sample";
        record.eligibility.study_population.setText("Population");
        record.eligibility.healthy_volunteers = "Yes";
        page->load(record);
        for (int id : {E::IDC_SAMPLING_METHOD, E::IDC_LABEL_SAMPLING_METHOD,
                       E::IDC_MARKER_SAMPLING_METHOD, E::IDC_STUDY_POPULATION,
                       E::IDC_LABEL_STUDY_POPULATION, E::IDC_MARKER_STUDY_POPULATION}) {
            EXPECT_EQ(shown(id), c.observational) << c.type << ' ' << id;
        }
        for (int id : {E::IDC_HEALTHY_VOLUNTEERS, E::IDC_LABEL_HEALTHY_VOLUNTEERS,
                       E::IDC_MARKER_HEALTHY_VOLUNTEERS}) {
            EXPECT_EQ(shown(id), c.healthy) << c.type << ' ' << id;
        }
        page->store();
        EXPECT_EQ(record.eligibility.sampling_method, "Probability Sample") << c.type;
        EXPECT_EQ(record.eligibility.study_population.text(), "Population") << c.type;
        EXPECT_EQ(record.eligibility.healthy_volunteers, "Yes") << c.type;
    }
}

TEST(EligibilityInEditorTest, AStudyTypeChosenOnTheTitlePageHidesAndChangingBackRestores) {
    TestPlatform platform;
    StudyRecord record;
    record.study_design.study_type.setText("Observational");
    record.eligibility.sampling_method = "Probability Sample";
    record.eligibility.study_population.setText("Population");
    record.eligibility.healthy_volunteers = "Yes";
    record.eligibility.minimum_age = "2 Weeks";
    ProtocolEditor editor;
    editor.setRecord(&record);
    editor.loadAll();
    EditorPage* page = editor.page(ProtocolEditor::sectionIndex("Eligibility"));
    ASSERT_FALSE(page->control(E::IDC_SAMPLING_METHOD)->isHidden());

    // Expanded Access
    editor.titlePage()->control<QComboBox>(TitlePage::IDC_STUDY_TYPE)->setCurrentIndex(2);
    editor.showSection(QStringLiteral("Eligibility"));
    EXPECT_EQ(editor.visiblePage(), page);
    EXPECT_TRUE(page->control(E::IDC_SAMPLING_METHOD)->isHidden());
    EXPECT_TRUE(page->control(E::IDC_HEALTHY_VOLUNTEERS)->isHidden());
    EXPECT_EQ(record.eligibility.sampling_method, "Probability Sample");
    EXPECT_EQ(record.eligibility.healthy_volunteers, "Yes");
    EXPECT_EQ(record.eligibility.minimum_age, "2 Weeks");

    // Back to Observational: what was hidden is there again.
    editor.titlePage()->control<QComboBox>(TitlePage::IDC_STUDY_TYPE)->setCurrentIndex(1);
    editor.showSection(QStringLiteral("Title"));
    EXPECT_FALSE(page->control(E::IDC_SAMPLING_METHOD)->isHidden());
    EXPECT_EQ(page->control<QComboBox>(E::IDC_SAMPLING_METHOD)->currentText(),
              "Probability Sample");
    EXPECT_EQ(record.eligibility.study_population.text(), "Population");
}

TEST_F(EligibilityPageTest, EnterBreaksLinesInTheTextBoxesOnly) {
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    auto* criteria = page->control<QPlainTextEdit>(E::IDC_CRITERIA);
    criteria->setFocus();
    QTest::keyClicks(criteria, "a");
    QTest::keyClick(criteria, Qt::Key_Return);
    QTest::keyClicks(criteria, "b");
    EXPECT_EQ(criteria->toPlainText(), "a\nb");
    QTest::keyClick(criteria, Qt::Key_Escape);
    EXPECT_EQ(QApplication::focusWidget(), page->control(E::IDC_GENDER));
    auto* minimum = page->control(E::IDC_MINIMUM_AGE);
    minimum->setFocus();
    QTest::keyClick(minimum, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), page->control(E::IDC_MINIMUM_UNIT));
}
