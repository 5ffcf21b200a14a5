#include "EditorTestSupport.h"
#include "editor/InterventionalDesignPage.h"
#include "editor/ObservationalDesignPage.h"
#include "editor/ProtocolEditor.h"
#include "editor/TitlePage.h"
#include "model/CollectionFile.h"
#include "model/StudyRecord.h"
#include "platform/TestPlatform.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using Int = InterventionalDesignPage;
using Obs = ObservationalDesignPage;

const int kRoles[] = {Int::IDC_MASKED_SUBJECT, Int::IDC_MASKED_CAREGIVER,
                      Int::IDC_MASKED_INVESTIGATOR, Int::IDC_MASKED_ASSESSOR};

std::vector<std::string> roles(const InterventionalDesign& design) {
    return {design.masked_subject, design.masked_caregiver, design.masked_investigator,
            design.masked_assessor};
}

void fillInterventional(StudyRecord& record) {
    InterventionalDesign& d = record.study_design.interventional_design;
    d.interventional_subtype = "Prevention";
    d.phase = "Phase 2";
    d.assignment = "Parallel Assignment";
    d.number_of_arms = "3";
    d.masking = "Double Blind";
    d.masked_subject = "true";
    d.masked_caregiver = "false";
    d.masked_investigator = "true";
    d.masked_assessor = "";
    d.allocation = "Randomized Controlled Trial";
    d.control = "Placebo";
    d.endpoint = "Efficacy";
    record.enrollment.setText("120");
    record.enrollment_type.setText("Anticipated");
}

void fillObservational(StudyRecord& record) {
    ObservationalDesign& d = record.study_design.observational_design;
    d.observational_study_design = "Cohort";
    d.timing = "Retrospective";
    d.biospecimen_retention = "Samples With DNA";
    d.biospecimen_description.setText("Blood\r\nSaliva");
    d.number_of_groups = "2";
}

std::vector<std::string> observationalTexts(const ObservationalDesign& d) {
    return {d.observational_study_design, d.timing, d.biospecimen_retention,
            d.biospecimen_description.text(), d.number_of_groups};
}

std::vector<std::string> interventionalTexts(const InterventionalDesign& d) {
    return {d.interventional_subtype,
            d.phase,
            d.assignment,
            d.allocation,
            d.masking,
            d.masked_subject,
            d.masked_caregiver,
            d.masked_investigator,
            d.masked_assessor,
            d.control,
            d.endpoint,
            d.number_of_arms};
}

const std::vector<std::string> kNoInterventionalDesign(12);
const std::vector<std::string> kNoObservationalDesign(5);

class DesignPageTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.resize(600, 700);
        interventional = new InterventionalDesignPage(&window);
        observational = new ObservationalDesignPage(&window);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    QComboBox* box(EditorPage* page, int id) { return page->control<QComboBox>(id); }
    QCheckBox* check(int id) { return interventional->control<QCheckBox>(id); }
    QString shown(EditorPage* page, int id) {
        return box(page, id)->currentIndex() < 0 ? QString() : box(page, id)->currentText();
    }
    void choose(EditorPage* page, int id, const QString& entry) {
        const int index = box(page, id)->findText(entry);
        ASSERT_GE(index, 0) << entry.toStdString();
        box(page, id)->setCurrentIndex(index);
    }
    InterventionalDesign& design() { return record.study_design.interventional_design; }

    TestPlatform platform;
    QWidget window;
    InterventionalDesignPage* interventional = nullptr;
    ObservationalDesignPage* observational = nullptr;
    StudyRecord record;
};

} // namespace

TEST_F(DesignPageTest, InterventionalLoadAndStoreForAnInterventionalStudy) {
    fillInterventional(record);
    record.study_design.study_type.setText("Interventional");
    interventional->load(record);
    EXPECT_EQ(shown(interventional, Int::IDC_PRIMARY_PURPOSE), "Prevention");
    EXPECT_EQ(shown(interventional, Int::IDC_PHASE), "Phase 2");
    EXPECT_EQ(shown(interventional, Int::IDC_MASKING), "Double Blind");
    EXPECT_EQ(interventional->control<QLineEdit>(Int::IDC_NUMBER_OF_ARMS)->text(), "3");
    EXPECT_EQ(interventional->control<QLineEdit>(Int::IDC_ENROLLMENT)->text(), "120");
    EXPECT_EQ(shown(interventional, Int::IDC_ENROLLMENT_TYPE), "Anticipated");
    EXPECT_TRUE(check(Int::IDC_MASKED_SUBJECT)->isChecked());
    EXPECT_FALSE(check(Int::IDC_MASKED_CAREGIVER)->isChecked());
    EXPECT_TRUE(check(Int::IDC_MASKED_INVESTIGATOR)->isChecked());
    EXPECT_FALSE(check(Int::IDC_MASKED_ASSESSOR)->isChecked());
    for (int id : kRoles) {
        EXPECT_TRUE(check(id)->isEnabled());
    }

    choose(interventional, Int::IDC_CONTROL, "Dose Comparison");
    check(Int::IDC_MASKED_ASSESSOR)->setChecked(true);
    check(Int::IDC_MASKED_SUBJECT)->setChecked(false);
    interventional->control<QLineEdit>(Int::IDC_ENROLLMENT)->setText("150");
    choose(interventional, Int::IDC_ENROLLMENT_TYPE, "Actual");
    interventional->store();
    EXPECT_EQ(
        interventionalTexts(design()),
        (std::vector<std::string>{"Prevention", "Phase 2", "Parallel Assignment",
                                  "Randomized Controlled Trial", "Double Blind", "false", "false",
                                  "true", "true", "Dose Comparison", "Efficacy", "3"}));
    EXPECT_EQ(record.enrollment.displayText(), "150");
    EXPECT_EQ(record.enrollment_type.displayText(), "Actual");
}

// The roles follow the masking the user chooses; loading never changes them.
TEST_F(DesignPageTest, OpenMaskingDisablesTheMaskedRolesAndKeepsThem) {
    fillInterventional(record);
    record.study_design.study_type.setText("Interventional");
    design().masking = "Open";
    const std::string before = CollectionFile::recordText(record);
    interventional->load(record);
    for (int id : kRoles) {
        EXPECT_FALSE(check(id)->isEnabled());
    }
    interventional->store();
    EXPECT_EQ(CollectionFile::recordText(record), before);

    choose(interventional, Int::IDC_MASKING, "Double Blind");
    for (int id : kRoles) {
        EXPECT_TRUE(check(id)->isEnabled());
    }
    interventional->store();
    EXPECT_EQ(roles(design()), (std::vector<std::string>{"true", "false", "true", ""}));

    // Choosing an open masking unchecks them; a blind one keeps them as they are.
    check(Int::IDC_MASKED_CAREGIVER)->setChecked(true);
    choose(interventional, Int::IDC_MASKING, "Single Blind");
    EXPECT_TRUE(check(Int::IDC_MASKED_CAREGIVER)->isChecked());
    choose(interventional, Int::IDC_MASKING, "Open");
    EXPECT_FALSE(check(Int::IDC_MASKED_CAREGIVER)->isChecked());
    EXPECT_FALSE(check(Int::IDC_MASKED_CAREGIVER)->isEnabled());
    choose(interventional, Int::IDC_MASKING, "Single Blind");
    EXPECT_FALSE(check(Int::IDC_MASKED_CAREGIVER)->isChecked());
    interventional->store();
    EXPECT_EQ(design().masking, "Single Blind");
    // A role the user unchecked is "false"; one left as loaded keeps its text.
    EXPECT_EQ(roles(design()), (std::vector<std::string>{"false", "false", "false", ""}));
}

// Texts no entry of a list equals, and answers other than "true", are shown
// and kept as the record has them.
TEST_F(DesignPageTest, ValuesOutsideTheListsStayAsWritten) {
    record.study_design.study_type.setText("Interventional");
    design().masking = "double";
    design().masked_subject = "true";
    design().masked_caregiver = "TRUE";
    design().endpoint = "Safety/Efficacy";
    design().allocation = "Randomized";
    const std::string before = CollectionFile::recordText(record);
    interventional->load(record);
    EXPECT_EQ(shown(interventional, Int::IDC_MASKING), "double");
    EXPECT_FALSE(check(Int::IDC_MASKED_SUBJECT)->isEnabled()) << "no \"Blind\" in it";
    EXPECT_EQ(shown(interventional, Int::IDC_ENDPOINT), "Safety/Efficacy");
    EXPECT_EQ(shown(interventional, Int::IDC_ALLOCATION), "Randomized");
    EXPECT_TRUE(check(Int::IDC_MASKED_SUBJECT)->isChecked());
    EXPECT_FALSE(check(Int::IDC_MASKED_CAREGIVER)->isChecked()) << "only \"true\" checks";
    interventional->store();
    EXPECT_EQ(CollectionFile::recordText(record), before);
}

TEST_F(DesignPageTest, ObservationalEnrollmentStaysBelowTheGrowingDescription) {
    auto rect = [this](int id) { return observational->control(id)->geometry(); };
    const QRect description = rect(Obs::IDC_BIOSPECIMEN_DESCRIPTION);
    const QRect enrollment = rect(Obs::IDC_ENROLLMENT);
    const QRect enrollmentLabel = rect(Obs::IDC_LABEL_ENROLLMENT);
    const QRect type = rect(Obs::IDC_ENROLLMENT_TYPE);
    const QRect groups = rect(Obs::IDC_NUMBER_OF_GROUPS);
    const QRect model = rect(Obs::IDC_STUDY_MODEL);
    const QRect groupsMarker = rect(Obs::IDC_MARKER_NUMBER_OF_GROUPS);
    observational->resize(observational->size() + QSize(30, 60));
    EXPECT_EQ(rect(Obs::IDC_BIOSPECIMEN_DESCRIPTION), description.adjusted(0, 0, 30, 60));
    EXPECT_EQ(rect(Obs::IDC_ENROLLMENT), enrollment.translated(0, 60));
    EXPECT_EQ(rect(Obs::IDC_LABEL_ENROLLMENT), enrollmentLabel.translated(0, 60));
    EXPECT_EQ(rect(Obs::IDC_ENROLLMENT_TYPE), type.translated(0, 60).adjusted(0, 0, 30, 0));
    EXPECT_EQ(rect(Obs::IDC_NUMBER_OF_GROUPS), groups.translated(0, 60).adjusted(0, 0, 30, 0));
    EXPECT_EQ(rect(Obs::IDC_STUDY_MODEL), model.adjusted(0, 0, 30, 0));
    EXPECT_EQ(rect(Obs::IDC_MARKER_NUMBER_OF_GROUPS), groupsMarker.translated(30, 60));
}

TEST_F(DesignPageTest, NumberBoxesTakeDigitsOnly) {
    interventional->load(record);
    observational->load(record);
    for (auto [page, id] : {std::pair<EditorPage*, int>{interventional, Int::IDC_NUMBER_OF_ARMS},
                            {interventional, Int::IDC_ENROLLMENT},
                            {observational, Obs::IDC_ENROLLMENT},
                            {observational, Obs::IDC_NUMBER_OF_GROUPS}}) {
        auto* edit = page->control<QLineEdit>(id);
        QTest::keyClicks(edit, "1a2-3 .4");
        EXPECT_EQ(edit->text(), "1234") << id;
    }
}

// A page of another study type keeps its design (the editor's OK drops it)
// and stores what the user typed.
TEST_F(DesignPageTest, InterventionalStoreForAnotherStudyTypeKeepsItsDesign) {
    for (const char* type : {"Observational", "Expanded Access", "", "interventional"}) {
        fillInterventional(record);
        record.study_design.study_type.setText(type);
        interventional->load(record);
        interventional->control<QLineEdit>(Int::IDC_ENROLLMENT)->setText("999");
        interventional->store();
        EXPECT_EQ(design().phase, "Phase 2") << type;
        EXPECT_EQ(record.enrollment.displayText(), "999") << type;
        EXPECT_EQ(record.enrollment_type.displayText(), "Anticipated") << type;
    }
}

TEST_F(DesignPageTest, ObservationalLoadAndStore) {
    fillObservational(record);
    record.enrollment.setText("40");
    record.enrollment_type.setText("actual");
    record.study_design.study_type.setText("Observational");
    observational->load(record);
    EXPECT_EQ(shown(observational, Obs::IDC_STUDY_MODEL), "Cohort");
    EXPECT_EQ(shown(observational, Obs::IDC_TIMING), "Retrospective");
    EXPECT_EQ(shown(observational, Obs::IDC_BIOSPECIMEN_RETENTION), "Samples With DNA");
    EXPECT_EQ(
        observational->control<QPlainTextEdit>(Obs::IDC_BIOSPECIMEN_DESCRIPTION)->toPlainText(),
        "Blood\nSaliva");
    EXPECT_EQ(observational->control<QLineEdit>(Obs::IDC_ENROLLMENT)->text(), "40");
    EXPECT_EQ(shown(observational, Obs::IDC_ENROLLMENT_TYPE), "actual") << "as written";
    EXPECT_EQ(observational->control<QLineEdit>(Obs::IDC_NUMBER_OF_GROUPS)->text(), "2");

    auto* description = observational->control<QPlainTextEdit>(Obs::IDC_BIOSPECIMEN_DESCRIPTION);
    description->moveCursor(QTextCursor::End);
    QTest::keyClick(description, Qt::Key_Return);
    QTest::keyClicks(description, "Urine");
    choose(observational, Obs::IDC_TIMING, "Other");
    observational->store();
    EXPECT_EQ(observationalTexts(record.study_design.observational_design),
              (std::vector<std::string>{"Cohort", "Other", "Samples With DNA",
                                        "Blood\r\nSaliva\r\nUrine", "2"}));
    EXPECT_EQ(record.enrollment_type.displayText(), "actual");
}

TEST_F(DesignPageTest, ObservationalStoreForAnotherStudyTypeKeepsItsDesign) {
    for (const char* type : {"Interventional", "", "Expanded Access"}) {
        fillObservational(record);
        record.enrollment.setText("40");
        record.enrollment_type.setText("Actual");
        record.study_design.study_type.setText(type);
        observational->load(record);
        observational->control<QLineEdit>(Obs::IDC_ENROLLMENT)->setText("999");
        observational->store();
        EXPECT_EQ(record.study_design.observational_design.timing, "Retrospective") << type;
        EXPECT_EQ(record.enrollment.displayText(), "999") << type;
        EXPECT_EQ(record.enrollment_type.displayText(), "Actual") << type;
    }
}

namespace {

// The two design pages inside a running editor.
class DesignInEditorTest : public ::testing::Test {
protected:
    void SetUp() override { editor.setRecord(&record); }
    int run(std::function<void(ProtocolEditor*)> inside) {
        whenModal<ProtocolEditor>(std::move(inside));
        return editor.exec();
    }
    static EditorPage* page(ProtocolEditor* e, int section) { return e->page(section); }
    static void chooseStudyType(ProtocolEditor* e, const QString& type) {
        auto* box = e->titlePage()->control<QComboBox>(TitlePage::IDC_STUDY_TYPE);
        box->setCurrentIndex(box->findText(type));
    }
    // Types a different enrollment into each design page.
    static void typeEnrollments(ProtocolEditor* e, const char* interventional,
                                const char* observational) {
        page(e, ProtocolEditor::sectionIndex("Interventional Design"))
            ->control<QLineEdit>(Int::IDC_ENROLLMENT)
            ->setText(interventional);
        page(e, ProtocolEditor::sectionIndex("Observational Design"))
            ->control<QLineEdit>(Obs::IDC_ENROLLMENT)
            ->setText(observational);
    }
    static void ok(ProtocolEditor* e) {
        QTest::mouseClick(e->control(ProtocolEditor::IDC_OK), Qt::LeftButton);
    }

    TestPlatform platform;
    StudyRecord record;
    ProtocolEditor editor;
};

} // namespace

// A new study type hides the old design but keeps it; OK asks once, naming
// what the new type drops, and Yes drops it.
TEST_F(DesignInEditorTest, OkAfterANewStudyTypeAsksAndDropsTheOldDesign) {
    fillInterventional(record);
    record.study_design.study_type.setText("Interventional");
    platform.prompts().answerMessage(MessageAnswer::Yes);
    const int result = run([this](ProtocolEditor* e) {
        chooseStudyType(e, QStringLiteral("Observational"));
        e->showSection(QStringLiteral("Observational Design"));
        EXPECT_NE(interventionalTexts(record.study_design.interventional_design),
                  kNoInterventionalDesign)
            << "kept while the editor runs";
        auto* shownEnrollment = page(e, ProtocolEditor::sectionIndex("Observational Design"))
                                    ->control<QLineEdit>(Obs::IDC_ENROLLMENT);
        EXPECT_EQ(shownEnrollment->text(), "120");
        shownEnrollment->setText("22");
        auto* model = page(e, ProtocolEditor::sectionIndex("Observational Design"))
                          ->control<QComboBox>(Obs::IDC_STUDY_MODEL);
        model->setCurrentIndex(1);
        ok(e);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    const auto& question = platform.prompts().last();
    EXPECT_EQ(question.text, "Changing the study type to Observational removes: "
                             "Interventional Design. Continue?");
    EXPECT_EQ(record.enrollment.displayText(), "22");
    EXPECT_EQ(record.enrollment_type.displayText(), "Anticipated");
    EXPECT_EQ(record.study_design.observational_design.observational_study_design, "Case-Control");
    EXPECT_EQ(interventionalTexts(record.study_design.interventional_design),
              kNoInterventionalDesign);
}

// No on that question goes back to the editor with everything still there;
// changing back to the first type then needs no question.
TEST_F(DesignInEditorTest, NoGoesBackAndChangingBackRestoresEverything) {
    fillObservational(record);
    record.enrollment.setText("40");
    record.study_design.study_type.setText("Observational");
    const std::string before = CollectionFile::recordText(record);
    platform.prompts().answerMessage(MessageAnswer::No);
    bool stillOpen = false;
    const int result = run([&](ProtocolEditor* e) {
        chooseStudyType(e, QStringLiteral("Interventional"));
        e->showSection(QStringLiteral("Interventional Design"));
        ok(e);
        stillOpen = e->isVisible();
        chooseStudyType(e, QStringLiteral("Observational"));
        e->showSection(QStringLiteral("Observational Design"));
        EXPECT_EQ(page(e, ProtocolEditor::sectionIndex("Observational Design"))
                      ->control<QComboBox>(Obs::IDC_STUDY_MODEL)
                      ->currentText(),
                  QString::fromStdString(
                      record.study_design.observational_design.observational_study_design));
        ok(e);
    });
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(platform.prompts().shown().size(), 1u);
    EXPECT_EQ(CollectionFile::recordText(record), before);
}

TEST_F(DesignInEditorTest, ExpandedAccessDropsBothDesignsAndTheEnrollmentAtOk) {
    fillInterventional(record);
    fillObservational(record);
    record.study_design.study_type.setText("Interventional");
    platform.prompts().answerMessage(MessageAnswer::Yes);
    const int result = run([](ProtocolEditor* e) {
        chooseStudyType(e, QStringLiteral("Expanded Access"));
        e->showSection(QStringLiteral("Summary"));
        typeEnrollments(e, "55", "66");
        ok(e);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(platform.prompts().last().text,
              "Changing the study type to Expanded Access removes: Interventional Design, "
              "Observational Design, enrollment. Continue?");
    EXPECT_EQ(interventionalTexts(record.study_design.interventional_design),
              kNoInterventionalDesign);
    EXPECT_EQ(observationalTexts(record.study_design.observational_design), kNoObservationalDesign);
    EXPECT_EQ(record.enrollment.displayText(), "");
    EXPECT_EQ(record.enrollment_type.displayText(), "");
}

TEST_F(DesignInEditorTest, MaskedRolesStayWhateverTheMaskingText) {
    fillInterventional(record);
    record.study_design.study_type.setText("Interventional");
    record.study_design.interventional_design.masking = "Open";
    const std::string before = CollectionFile::recordText(record);
    const int result = run([this](ProtocolEditor* e) {
        EXPECT_EQ(record.study_design.interventional_design.masked_subject, "true");
        ok(e);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(CollectionFile::recordText(record), before);
}
