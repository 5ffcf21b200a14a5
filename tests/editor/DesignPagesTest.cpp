#include "EditorTestSupport.h"
#include "editor/EligibilityPage.h"
#include "editor/ExpandedAccessPage.h"
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
#include <memory>
#include <set>

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
        access = new ExpandedAccessPage(&window);
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
    ExpandedAccessPage* access = nullptr;
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

// No Masking drives the roles; the older masking text steers nothing, and
// loading never changes what the record says.
TEST_F(DesignPageTest, NoMaskingUnchecksAndDisablesTheRoles) {
    fillInterventional(record);
    record.study_design.study_type.setText("Interventional");
    design().masking = "Open";
    const std::string before = CollectionFile::recordText(record);
    interventional->load(record);
    for (int id : kRoles) {
        EXPECT_TRUE(check(id)->isEnabled()) << id;
    }
    EXPECT_TRUE(check(Int::IDC_MASKED_SUBJECT)->isChecked());
    interventional->store();
    EXPECT_EQ(CollectionFile::recordText(record), before);

    check(Int::IDC_NO_MASKING)->setChecked(true);
    for (int id : kRoles) {
        EXPECT_FALSE(check(id)->isChecked()) << id;
        EXPECT_FALSE(check(id)->isEnabled()) << id;
    }
    interventional->store();
    EXPECT_EQ(design().no_masking, "true");
    // A role the user's choice unchecked is "false"; one never checked keeps its text.
    EXPECT_EQ(roles(design()), (std::vector<std::string>{"false", "false", "false", ""}));

    interventional->load(record);
    EXPECT_FALSE(check(Int::IDC_MASKED_ASSESSOR)->isEnabled());
    check(Int::IDC_NO_MASKING)->setChecked(false);
    for (int id : kRoles) {
        EXPECT_TRUE(check(id)->isEnabled()) << id;
    }
    check(Int::IDC_MASKED_ASSESSOR)->setChecked(true);
    interventional->store();
    EXPECT_EQ(design().no_masking, "false");
    EXPECT_EQ(roles(design()), (std::vector<std::string>{"false", "false", "false", "true"}));
}

// A record that says no one is masked shows the roles disabled, unless it
// also names a masked role: then the user can settle which answer holds.
TEST_F(DesignPageTest, LoadedNoMaskingDisablesTheRolesOnlyWhenNoneIsChecked) {
    record.study_design.study_type.setText("Interventional");
    design().no_masking = "true";
    interventional->load(record);
    EXPECT_TRUE(check(Int::IDC_NO_MASKING)->isChecked());
    EXPECT_FALSE(check(Int::IDC_MASKED_SUBJECT)->isEnabled());
    design().masked_caregiver = "true";
    interventional->load(record);
    EXPECT_TRUE(check(Int::IDC_MASKED_SUBJECT)->isEnabled());
    EXPECT_TRUE(check(Int::IDC_MASKED_CAREGIVER)->isChecked());
}

// A new design offers the registry's current words and writes them; the
// fields it no longer uses stay out of sight.
TEST_F(DesignPageTest, ANewDesignWritesTheCurrentValuesAndTheDescriptions) {
    record.study_design.study_type.setText("Interventional");
    interventional->load(record);
    for (int id : {Int::IDC_MASKING, Int::IDC_LABEL_MASKING, Int::IDC_CONTROL,
                   Int::IDC_LABEL_CONTROL, Int::IDC_MARKER_CONTROL, Int::IDC_ENDPOINT,
                   Int::IDC_LABEL_ENDPOINT, Int::IDC_MARKER_ENDPOINT}) {
        EXPECT_TRUE(interventional->control(id)->isHidden()) << id;
    }
    for (const char* old : {"Phase 0", "Cross-over Assignment", "Randomized Controlled Trial"}) {
        for (int id : {Int::IDC_PHASE, Int::IDC_ASSIGNMENT, Int::IDC_ALLOCATION}) {
            EXPECT_EQ(box(interventional, id)->findText(old), -1) << old;
        }
    }
    choose(interventional, Int::IDC_PRIMARY_PURPOSE, "Device Feasibility");
    choose(interventional, Int::IDC_PHASE, "Early Phase 1");
    choose(interventional, Int::IDC_ASSIGNMENT, "Sequential Assignment");
    choose(interventional, Int::IDC_ALLOCATION, "Non-randomized");
    auto* model = interventional->control<QPlainTextEdit>(Int::IDC_MODEL_DESCRIPTION);
    QTest::keyClicks(model, "Two steps");
    QTest::keyClick(model, Qt::Key_Return); // a line break, not the next field
    QTest::keyClicks(model, "in turn");
    interventional->control<QPlainTextEdit>(Int::IDC_MASKING_DESCRIPTION)
        ->setPlainText(QStringLiteral("Sealed envelopes"));
    check(Int::IDC_MASKED_SUBJECT)->setChecked(true);
    interventional->store();
    EXPECT_EQ(
        interventionalTexts(design()),
        (std::vector<std::string>{"Device Feasibility", "Early Phase 1", "Sequential Assignment",
                                  "Non-randomized", "", "true", "", "", "", "", "", ""}));
    EXPECT_EQ(design().model_description.text(), "Two steps\r\nin turn");
    EXPECT_EQ(design().masking_description.text(), "Sealed envelopes");
    EXPECT_EQ(design().no_masking, "");
}

// Texts no entry of a list equals, and answers other than "true", are shown
// and kept as the record has them.
TEST_F(DesignPageTest, ValuesOutsideTheListsStayAsWritten) {
    record.study_design.study_type.setText("Interventional");
    design().masking = "double";
    design().masked_subject = "true";
    design().masked_caregiver = "TRUE";
    design().endpoint = "Safety/Efficacy";
    design().phase = "Phase 0";
    design().assignment = "Cross-over Assignment";
    design().allocation = "Randomized Controlled Trial";
    const std::string before = CollectionFile::recordText(record);
    interventional->load(record);
    EXPECT_EQ(shown(interventional, Int::IDC_MASKING), "double");
    EXPECT_FALSE(interventional->control(Int::IDC_MASKING)->isHidden());
    EXPECT_TRUE(interventional->control(Int::IDC_CONTROL)->isHidden()) << "holds nothing";
    EXPECT_TRUE(check(Int::IDC_MASKED_SUBJECT)->isEnabled()) << "the old text steers nothing";
    EXPECT_EQ(shown(interventional, Int::IDC_ENDPOINT), "Safety/Efficacy");
    EXPECT_EQ(shown(interventional, Int::IDC_PHASE), "Phase 0");
    EXPECT_EQ(shown(interventional, Int::IDC_ASSIGNMENT), "Cross-over Assignment");
    EXPECT_EQ(shown(interventional, Int::IDC_ALLOCATION), "Randomized Controlled Trial");
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
    record.study_design.observational_design.patient_registry = "Yes"; // opens the duration
    interventional->load(record);
    observational->load(record);
    for (auto [page, id] : {std::pair<EditorPage*, int>{interventional, Int::IDC_NUMBER_OF_ARMS},
                            {interventional, Int::IDC_ENROLLMENT},
                            {observational, Obs::IDC_ENROLLMENT},
                            {observational, Obs::IDC_NUMBER_OF_GROUPS},
                            {observational, Obs::IDC_TARGET_DURATION}}) {
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

// The user's answer switches the target follow-up duration; whatever the
// answer, a duration the record holds is kept and stays editable.
TEST_F(DesignPageTest, PatientRegistryEnablesTheTargetDuration) {
    ObservationalDesign& d = record.study_design.observational_design;
    record.study_design.study_type.setText("Observational");
    observational->load(record);
    auto* quantity = observational->control<QLineEdit>(Obs::IDC_TARGET_DURATION);
    auto* units = box(observational, Obs::IDC_TARGET_DURATION_UNITS);
    EXPECT_FALSE(quantity->isEnabled());
    EXPECT_FALSE(units->isEnabled());
    EXPECT_EQ(units->findText("Hours"), -1) << "ages have hours, durations not";

    choose(observational, Obs::IDC_PATIENT_REGISTRY, "Yes");
    EXPECT_TRUE(quantity->isEnabled());
    EXPECT_TRUE(units->isEnabled());
    QTest::keyClicks(quantity, "6");
    choose(observational, Obs::IDC_TARGET_DURATION_UNITS, "Months");
    observational->store();
    EXPECT_EQ(d.patient_registry, "Yes");
    EXPECT_EQ(d.target_duration_quantity, "6");
    EXPECT_EQ(d.target_duration_units, "Months");

    choose(observational, Obs::IDC_PATIENT_REGISTRY, "No");
    EXPECT_FALSE(quantity->isEnabled());
    observational->store();
    EXPECT_EQ(d.patient_registry, "No");
    EXPECT_EQ(d.target_duration_quantity, "6");

    struct Case {
        const char* registry;
        const char* quantity;
        bool enabled;
    };
    for (const Case& c : {Case{"yes", "", true}, Case{"true", "", true}, Case{"No", "3", true},
                          Case{"", "", false}, Case{"No", "", false}}) {
        d.patient_registry = c.registry;
        d.target_duration_quantity = c.quantity;
        d.target_duration_units.clear();
        const std::string before = CollectionFile::recordText(record);
        observational->load(record);
        EXPECT_EQ(quantity->isEnabled(), c.enabled) << c.registry << '/' << c.quantity;
        observational->store();
        EXPECT_EQ(CollectionFile::recordText(record), before) << c.registry;
    }
}

TEST_F(DesignPageTest, ExpandedAccessTypesAreFlagsAndNoTypeRulesThemOut) {
    using A = ExpandedAccessPage;
    StudyDesign& d = record.study_design;
    const auto accessBox = [this](int id) { return access->control<QCheckBox>(id); };
    const auto flags = [&d] {
        return std::vector<std::string>{d.exp_acc_type_individual, d.exp_acc_type_intermediate,
                                        d.exp_acc_type_treatment, d.no_exp_acc_type};
    };
    record.study_design.study_type.setText("Expanded Access");
    access->load(record);
    EXPECT_TRUE(accessBox(A::IDC_NO_TYPE)->isHidden()) << "not offered to a new record";
    accessBox(A::IDC_INDIVIDUAL)->setChecked(true);
    accessBox(A::IDC_TREATMENT)->setChecked(true);
    access->store();
    EXPECT_EQ(flags(), (std::vector<std::string>{"true", "", "true", ""}));

    d.no_exp_acc_type = "false";
    const std::string before = CollectionFile::recordText(record);
    access->load(record);
    EXPECT_FALSE(accessBox(A::IDC_NO_TYPE)->isHidden());
    EXPECT_TRUE(accessBox(A::IDC_INTERMEDIATE)->isEnabled());
    access->store();
    EXPECT_EQ(CollectionFile::recordText(record), before);
    accessBox(A::IDC_NO_TYPE)->setChecked(true);
    EXPECT_FALSE(accessBox(A::IDC_INDIVIDUAL)->isChecked());
    EXPECT_FALSE(accessBox(A::IDC_INDIVIDUAL)->isEnabled());
    access->store();
    EXPECT_EQ(flags(), (std::vector<std::string>{"false", "", "false", "true"}));
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

// Markers outside the classic id range are not covered by the marker table's
// test: each of these must name its own definition.
TEST_F(DesignPageTest, MarkersOfTheNewFieldsNameTheirDefinitions) {
    auto eligibility = std::make_unique<EligibilityPage>(&window);
    using E = EligibilityPage;
    const std::pair<EditorPage*, int> markers[] = {
        {interventional, Int::IDC_MARKER_MODEL_DESCRIPTION},
        {interventional, Int::IDC_MARKER_MASKING_DESCRIPTION},
        {observational, Obs::IDC_MARKER_PATIENT_REGISTRY},
        {observational, Obs::IDC_MARKER_TARGET_DURATION},
        {access, ExpandedAccessPage::IDC_MARKER_TYPES},
        {eligibility.get(), E::IDC_MARKER_GENDER_BASED},
        {eligibility.get(), E::IDC_MARKER_GENDER_DESCRIPTION},
    };
    std::set<QString> keys;
    for (const auto& [page, id] : markers) {
        ASSERT_NE(page->control(id), nullptr) << id;
        EXPECT_FALSE(page->helpKey(id).isEmpty()) << id;
        keys.insert(page->helpKey(id));
    }
    EXPECT_EQ(keys.size(), std::size(markers));
}
