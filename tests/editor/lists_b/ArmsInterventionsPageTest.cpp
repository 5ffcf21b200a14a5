#include "editor/lists/ArmsInterventionsPage.h"

#include "editor/EditorTestSupport.h"
#include "editor/lists/ArmDialog.h"
#include "editor/lists/GroupDialog.h"
#include "editor/lists/InterventionDialog.h"
#include "model/StudyRecord.h"
#include "platform/TestPlatform.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

using Page = ArmsInterventionsPage;

template <class T> T* in(QDialog* dialog, int id) {
    return dialog->findChild<T*>(QStringLiteral("control%1").arg(id));
}

class ArmsInterventionsPageTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.resize(600, 700);
        page = new Page(&window);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    void setType(const char* type) { record.study_design.study_type.setText(type); }
    ArmGroup& addGroup(const char* label, const char* type, const char* description) {
        ArmGroup& group = appendNew(record.arm_group);
        group.arm_group_label = label;
        group.arm_type = type;
        group.arm_group_description.setText(description);
        return group;
    }
    Intervention& addIntervention(const char* type, const char* name,
                                  std::vector<std::string> labels,
                                  std::vector<std::string> others = {}) {
        Intervention& intervention = appendNew(record.intervention);
        intervention.intervention_type = type;
        intervention.intervention_name = name;
        intervention.arm_group_label = std::move(labels);
        intervention.intervention_other_name = std::move(others);
        return intervention;
    }
    bool shown(int id) { return !page->control(id)->isHidden(); }
    // Answers the next intervention dialog: records what it offered, then runs `change`.
    void answerIntervention(std::function<void(InterventionDialog*)> change) {
        whenModal<InterventionDialog>([this, change](InterventionDialog* dialog) {
            offered.clear();
            checked.clear();
            QTreeWidget* list = dialog->groupsList();
            for (int i = 0; i < list->topLevelItemCount(); ++i) {
                offered << list->topLevelItem(i)->text(0);
                if (list->topLevelItem(i)->checkState(0) == Qt::Checked) {
                    checked << list->topLevelItem(i)->text(0);
                }
            }
            change(dialog);
        });
    }

    TestPlatform platform;
    QWidget window;
    Page* page = nullptr;
    StudyRecord record;
    QStringList offered, checked;
};

} // namespace

TEST_F(ArmsInterventionsPageTest, TheStudyTypeChoosesArmsGroupsOrNeither) {
    setType("Interventional");
    page->load(record);
    EXPECT_TRUE(shown(Page::IDC_ARMS));
    EXPECT_FALSE(shown(Page::IDC_GROUPS));
    EXPECT_TRUE(shown(Page::IDC_MARKER_ARMS));
    EXPECT_FALSE(shown(Page::IDC_MARKER_GROUPS));
    EXPECT_EQ(page->control<QGroupBox>(Page::IDC_ARMS_GROUP)->title(), "Study Arms");

    setType("Observational");
    page->load(record);
    EXPECT_FALSE(shown(Page::IDC_ARMS));
    EXPECT_FALSE(page->control(Page::IDC_ARMS)->isEnabled());
    EXPECT_TRUE(shown(Page::IDC_GROUPS));
    EXPECT_TRUE(page->control(Page::IDC_GROUPS)->isEnabled());
    EXPECT_TRUE(shown(Page::IDC_MARKER_GROUPS));
    EXPECT_FALSE(shown(Page::IDC_MARKER_ARMS));
    EXPECT_EQ(page->control<QGroupBox>(Page::IDC_ARMS_GROUP)->title(), "Study Groups");
    EXPECT_TRUE(shown(Page::IDC_ARM_ADD));

    // Compared exactly: a type in other letter case shows neither.
    for (const char* other : {"Expanded Access", "", "interventional"}) {
        setType(other);
        page->load(record);
        for (int id : {Page::IDC_ARMS_GROUP, Page::IDC_ARMS, Page::IDC_GROUPS, Page::IDC_ARM_ADD,
                       Page::IDC_ARM_EDIT, Page::IDC_ARM_REMOVE, Page::IDC_MARKER_ARMS,
                       Page::IDC_MARKER_GROUPS}) {
            EXPECT_FALSE(shown(id)) << other << " " << id;
        }
        EXPECT_EQ(page->control<QGroupBox>(Page::IDC_ARMS_GROUP)->title(), "Study Arms");
        EXPECT_TRUE(shown(Page::IDC_INTERVENTIONS));
    }
}

TEST_F(ArmsInterventionsPageTest, ColumnsAndLoadFillBothLowerListsFromTheArmGroups) {
    setType("Interventional");
    addGroup("A", "Experimental", "line 1\r\nline 2");
    addIntervention("Drug", "Aspirin", {"A", "B"}, {"ASA", "acetyl"});
    page->load(record);
    auto* interventions = page->control<QTreeWidget>(Page::IDC_INTERVENTIONS);
    ASSERT_EQ(interventions->columnCount(), 5);
    EXPECT_EQ(interventions->headerItem()->text(3), "Groups");
    EXPECT_EQ(interventions->columnWidth(0), 125);
    EXPECT_EQ(page->arms().rowTexts(0), (QStringList{"A", "Experimental", "line 1\r\nline 2"}));
    EXPECT_EQ(page->groups().rowTexts(0), (QStringList{"A", "line 1\r\nline 2"}));
    EXPECT_EQ(page->control<QTreeWidget>(Page::IDC_GROUPS)->headerItem()->text(1),
              "Group/Cohort Description");
    EXPECT_EQ(page->interventions().rowTexts(0),
              (QStringList{"Drug", "Aspirin", "", "A,B", "ASA\r\nacetyl"}));
}

TEST_F(ArmsInterventionsPageTest, ObservationalAddsGroupsAndStoresThemWithoutArmType) {
    setType("Interventional");
    addGroup("A", "Placebo Comparator", "d");
    page->load(record);
    page->store();
    ASSERT_EQ(record.arm_group.size(), 1u);
    EXPECT_EQ(record.arm_group[0]->arm_type, "Placebo Comparator");

    // Switching to observational shows the same arm groups as groups.
    setType("Observational");
    page->load(record);
    EXPECT_EQ(page->groups().rowTexts(0), (QStringList{"A", "d"}));
    whenModal<GroupDialog>([](GroupDialog* dialog) {
        in<QLineEdit>(dialog, GroupDialog::IDC_LABEL)->setText("Cohort 2");
        in<QPlainTextEdit>(dialog, GroupDialog::IDC_DESCRIPTION)->setPlainText("x\ny");
        dialog->accept();
    });
    QTest::mouseClick(page->control(Page::IDC_ARM_ADD), Qt::LeftButton);
    ASSERT_EQ(page->groups().rowCount(), 2);
    EXPECT_EQ(page->groups().rowTexts(1), (QStringList{"Cohort 2", "x\r\ny"}));
    EXPECT_EQ(page->arms().rowCount(), 1) << "the hidden arms list is left alone";
    page->store();
    ASSERT_EQ(record.arm_group.size(), 2u);
    EXPECT_EQ(record.arm_group[0]->arm_type, "");
    EXPECT_EQ(record.arm_group[1]->arm_group_label, "Cohort 2");
    EXPECT_EQ(record.arm_group[1]->arm_group_description.text(), "x\r\ny");
}

TEST_F(ArmsInterventionsPageTest, ExpandedAccessDropsArmGroupsAndLabelsButKeepsTheRest) {
    setType("Expanded Access");
    addGroup("A", "Experimental", "");
    Intervention& drug = addIntervention("Drug", "Name", {"A"}, {"other"});
    drug.intervention_description.setText("desc");
    page->load(record);
    page->store();
    EXPECT_TRUE(record.arm_group.empty());
    ASSERT_EQ(record.intervention.size(), 1u);
    EXPECT_TRUE(record.intervention[0]->arm_group_label.empty());
    EXPECT_EQ(record.intervention[0]->intervention_type, "Drug");
    EXPECT_EQ(record.intervention[0]->intervention_name, "Name");
    EXPECT_EQ(record.intervention[0]->intervention_description.text(), "desc");
    EXPECT_EQ(record.intervention[0]->intervention_other_name, std::vector<std::string>{"other"});

    // Any other type stores no arm group but keeps the labels.
    setType("");
    addGroup("B", "", "");
    addIntervention("Device", "D", {"B"});
    page->load(record);
    page->store();
    EXPECT_TRUE(record.arm_group.empty());
    EXPECT_EQ(record.intervention[1]->arm_group_label, std::vector<std::string>{"B"});
}

TEST_F(ArmsInterventionsPageTest, StoreBuildsFreshItemsInRowOrder) {
    setType("Interventional");
    addGroup("A", "Experimental", "").deleteFlag = true;
    addIntervention("Drug", "N", {}).deleteFlag = true;
    page->load(record);
    page->arms().appendRow({"B", "Other", ""});
    page->interventions().appendRow({"Device", "M", "", ",X,,Y,", "one\r\n\r\ntwo\r\n"});
    page->store();
    ASSERT_EQ(record.arm_group.size(), 2u);
    EXPECT_FALSE(record.arm_group[0]->deleteFlag);
    EXPECT_EQ(record.arm_group[1]->arm_group_label, "B");
    ASSERT_EQ(record.intervention.size(), 2u);
    EXPECT_FALSE(record.intervention[0]->deleteFlag);
    EXPECT_EQ(record.intervention[1]->arm_group_label, (std::vector<std::string>{"X", "Y"}));
    EXPECT_EQ(record.intervention[1]->intervention_other_name,
              (std::vector<std::string>{"one", "two"}));
}

TEST_F(ArmsInterventionsPageTest, ListCommandsRefuseWithoutSelectionAndReselectAfterRemove) {
    setType("Interventional");
    addGroup("A", "", "");
    addGroup("B", "", "");
    addGroup("C", "", "");
    page->load(record);
    platform.prompts().answerMessage(MessageAnswer::Ok);
    page->editArm();
    EXPECT_EQ(platform.prompts().last().text, "Please select an item to edit.");
    platform.prompts().answerMessage(MessageAnswer::Ok);
    page->removeIntervention();
    EXPECT_EQ(platform.prompts().last().text, "Please select an item to remove.");
    EXPECT_EQ(platform.prompts().last().caption, "Protoscribe");

    page->arms().selectRow(2);
    QTest::mouseClick(page->control(Page::IDC_ARM_REMOVE), Qt::LeftButton);
    EXPECT_EQ(page->arms().rowCount(), 2);
    EXPECT_EQ(page->arms().firstSelectedRow(), 1);
    page->arms().selectRow(0);
    page->removeArm();
    EXPECT_EQ(page->arms().rowTexts(0).value(0), "B");
    EXPECT_EQ(page->arms().firstSelectedRow(), 0);
    page->removeArm();
    EXPECT_EQ(page->arms().rowCount(), 0);
    EXPECT_EQ(page->arms().firstSelectedRow(), -1);
    EXPECT_EQ(page->groups().rowCount(), 3) << "groups follow the record, not the arms rows";
}

TEST_F(ArmsInterventionsPageTest, ArmAddAppendsUnselectedAndCancelChangesNothing) {
    setType("Interventional");
    addGroup("A", "Experimental", "");
    page->load(record);
    page->arms().selectRow(0);
    QString seenLabel = "unset";
    whenModal<ArmDialog>([&](ArmDialog* dialog) {
        seenLabel = in<QLineEdit>(dialog, ArmDialog::IDC_LABEL)->text();
        in<QLineEdit>(dialog, ArmDialog::IDC_LABEL)->setText(" New ");
        in<QComboBox>(dialog, ArmDialog::IDC_TYPE)->setCurrentIndex(3);
        dialog->accept();
    });
    page->addArm();
    EXPECT_EQ(seenLabel, "");
    ASSERT_EQ(page->arms().rowCount(), 2);
    EXPECT_EQ(page->arms().rowTexts(1), (QStringList{" New ", "Sham Comparator", ""}));
    EXPECT_EQ(page->arms().firstSelectedRow(), 0);

    whenModal<ArmDialog>([](ArmDialog* dialog) {
        in<QLineEdit>(dialog, ArmDialog::IDC_LABEL)->setText("changed");
        dialog->reject();
    });
    page->editArm();
    EXPECT_EQ(page->arms().rowTexts(0), (QStringList{"A", "Experimental", ""}));
    whenModal<ArmDialog>([](ArmDialog* dialog) { dialog->reject(); });
    page->addArm();
    EXPECT_EQ(page->arms().rowCount(), 2);
}

TEST_F(ArmsInterventionsPageTest, ArmDialogMatchesTypesByPrefixAndChecksInOrder) {
    ArmDialog dialog;
    EXPECT_EQ(dialog.windowTitle(), "Add Study Arm");
    auto* type = in<QComboBox>(&dialog, ArmDialog::IDC_TYPE);
    auto* label = in<QLineEdit>(&dialog, ArmDialog::IDC_LABEL);
    dialog.setInputs({"", "active", ""});
    EXPECT_EQ(type->currentText(), "Active Comparator");
    dialog.setInputs({"", "Nothing like it", ""});
    EXPECT_EQ(type->currentIndex(), -1);

    platform.prompts().answerMessage(MessageAnswer::Ok);
    platform.prompts().answerMessage(MessageAnswer::Ok);
    whenModal<ArmDialog>([&](ArmDialog* d) {
        d->accept();
        EXPECT_EQ(platform.prompts().last().text, "Please enter a Label.");
        EXPECT_EQ(d->focusWidget(), label);
        label->setText("L");
        d->accept();
        EXPECT_EQ(platform.prompts().last().text, "Please select a Type.");
        EXPECT_EQ(d->focusWidget(), type);
        EXPECT_TRUE(d->isVisible());
        type->setCurrentIndex(0);
        d->accept();
    });
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    EXPECT_EQ(dialog.outputs(), (QStringList{"L", "Experimental", ""}));

    GroupDialog group;
    EXPECT_EQ(group.windowTitle(), "Add Study Group / Cohort");
    platform.prompts().answerMessage(MessageAnswer::Ok);
    whenModal<GroupDialog>([&](GroupDialog* d) {
        d->accept();
        EXPECT_EQ(platform.prompts().last().text, "Please enter a Label.");
        EXPECT_EQ(d->focusWidget(), in<QLineEdit>(d, GroupDialog::IDC_LABEL));
        d->reject();
    });
    EXPECT_EQ(group.exec(), QDialog::Rejected);
}

TEST_F(ArmsInterventionsPageTest, InterventionDialogOffersTheCurrentArmRowsAndChecksItsGroups) {
    setType("Interventional");
    addGroup("A", "", "");
    addGroup("B", "", "");
    addIntervention("Drug", "N", {"A", "B"});
    page->load(record);
    page->arms().appendRow({"C", "Other", ""});
    page->interventions().selectRow(0);
    QString association;
    answerIntervention([&](InterventionDialog* dialog) {
        association = in<QLabel>(dialog, InterventionDialog::IDC_ASSOCIATION_LABEL)->text();
        dialog->groupsList()->topLevelItem(0)->setCheckState(0, Qt::Unchecked);
        dialog->groupsList()->topLevelItem(2)->setCheckState(0, Qt::Checked);
        dialog->accept();
    });
    page->editIntervention();
    EXPECT_EQ(offered, (QStringList{"A", "B", "C"})) << "rows added since the load are offered";
    EXPECT_EQ(checked, (QStringList{"A", "B"}));
    EXPECT_EQ(association, "Associated Arms (checkmark to associate with this Intervention)");
    EXPECT_EQ(page->interventions().rowTexts(0).value(3), "B,C");
    EXPECT_EQ(page->interventions().firstSelectedRow(), 0);
}

TEST_F(ArmsInterventionsPageTest, ARenamedArmLeavesAStaleLabelUntilTheInterventionIsEdited) {
    setType("Interventional");
    addGroup("A", "Experimental", "");
    addIntervention("Drug", "N", {"A"});
    page->load(record);
    page->arms().selectRow(0);
    whenModal<ArmDialog>([](ArmDialog* dialog) {
        in<QLineEdit>(dialog, ArmDialog::IDC_LABEL)->setText("B");
        dialog->accept();
    });
    page->editArm();
    EXPECT_EQ(page->interventions().rowTexts(0).value(3), "A");
    page->store();
    EXPECT_EQ(record.intervention[0]->arm_group_label, std::vector<std::string>{"A"});

    page->load(record);
    page->interventions().selectRow(0);
    answerIntervention([](InterventionDialog* dialog) { dialog->accept(); });
    page->editIntervention();
    EXPECT_EQ(offered, QStringList{"B"});
    EXPECT_TRUE(checked.isEmpty());
    EXPECT_EQ(page->interventions().rowTexts(0).value(3), "");
    page->store();
    EXPECT_TRUE(record.intervention[0]->arm_group_label.empty());
}

TEST_F(ArmsInterventionsPageTest, InterventionDialogChecksTypeFirstThenName) {
    setType("Observational");
    addGroup("G1", "", "");
    page->load(record);
    platform.prompts().answerMessage(MessageAnswer::Ok);
    platform.prompts().answerMessage(MessageAnswer::Ok);
    QString association;
    answerIntervention([&](InterventionDialog* dialog) {
        association = in<QLabel>(dialog, InterventionDialog::IDC_ASSOCIATION_LABEL)->text();
        auto* type = in<QComboBox>(dialog, InterventionDialog::IDC_TYPE);
        auto* name = in<QLineEdit>(dialog, InterventionDialog::IDC_NAME);
        QTest::mouseClick(dialog->control(InterventionDialog::IDC_OK), Qt::LeftButton);
        EXPECT_EQ(platform.prompts().last().text, "Please select a Type.");
        EXPECT_EQ(dialog->focusWidget(), type);
        type->setCurrentIndex(2);
        dialog->accept();
        EXPECT_EQ(platform.prompts().last().text, "Please enter a Name.");
        EXPECT_EQ(dialog->focusWidget(), name);
        name->setText("Vaccine X");
        in<QPlainTextEdit>(dialog, InterventionDialog::IDC_OTHER_NAMES)
            ->setPlainText("first\n\nsecond");
        dialog->groupsList()->topLevelItem(0)->setCheckState(0, Qt::Checked);
        dialog->accept();
    });
    page->addIntervention();
    EXPECT_EQ(association, "Associated Groups (checkmark to associate with this Intervention)");
    ASSERT_EQ(page->interventions().rowCount(), 1);
    EXPECT_EQ(page->interventions().rowTexts(0),
              (QStringList{"Biological/Vaccine", "Vaccine X", "", "G1", "first\r\n\r\nsecond"}));
    page->store();
    EXPECT_EQ(record.intervention[0]->intervention_other_name,
              (std::vector<std::string>{"first", "second"}));
    EXPECT_EQ(record.intervention[0]->arm_group_label, std::vector<std::string>{"G1"});
}

TEST_F(ArmsInterventionsPageTest, WithoutArmsTheDialogHidesTheListAndGrowsOtherNames) {
    InterventionDialog associating;
    associating.setInputs({.row = {}, .availableLabels = "A", .studyType = "Interventional"});
    const QRect normal = associating.control(InterventionDialog::IDC_OTHER_NAMES)->geometry();
    EXPECT_FALSE(associating.groupsList()->isHidden());

    InterventionDialog dialog;
    dialog.setInputs({.row = {"dev", "N", "", "A", ""},
                      .availableLabels = "A,B",
                      .studyType = "Expanded Access"});
    EXPECT_EQ(in<QComboBox>(&dialog, InterventionDialog::IDC_TYPE)->currentText(), "Device");
    EXPECT_TRUE(dialog.groupsList()->isHidden());
    EXPECT_FALSE(dialog.groupsList()->isEnabled());
    EXPECT_TRUE(dialog.control(InterventionDialog::IDC_ASSOCIATION_LABEL)->isHidden());
    const QRect grown = dialog.control(InterventionDialog::IDC_OTHER_NAMES)->geometry();
    EXPECT_EQ(grown.topLeft(), normal.topLeft());
    EXPECT_EQ(grown.width(), normal.width());
    EXPECT_EQ(grown.height(), normal.height() + 127);
    EXPECT_LE(grown.bottom(), dialog.control(InterventionDialog::IDC_OK)->geometry().top());
}

TEST_F(ArmsInterventionsPageTest, LongLabelsSurviveTheRowsTheDialogAndTheStore) {
    setType("Interventional");
    const std::string longLabel(25000, 'L');
    addGroup(longLabel.c_str(), "Experimental", "");
    addGroup("short", "Experimental", "");
    addIntervention("Drug", "N", {longLabel, "short", longLabel + "2"});
    page->load(record);
    EXPECT_EQ(page->availableLabels().size(), 25000 + 6);
    page->interventions().selectRow(0);
    answerIntervention([](InterventionDialog* dialog) { dialog->accept(); });
    page->editIntervention();
    EXPECT_EQ(checked.size(), 2);
    page->store();
    ASSERT_EQ(record.intervention[0]->arm_group_label.size(), 2u);
    EXPECT_EQ(record.intervention[0]->arm_group_label[0], longLabel);
    EXPECT_EQ(record.arm_group[0]->arm_group_label, longLabel);
}
