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
#include <QTreeView>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

using Page = ArmsInterventionsPage;

ArmGroup arm(const char* label, const char* type, bool deleted = false) {
    ArmGroup group;
    group.arm_group_label = label;
    group.arm_type = type;
    group.deleteFlag = deleted;
    return group;
}

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
    QStringList row(int listId, int row) { return shownRow(page->control<QTreeView>(listId), row); }
    // Answers the next arm or group dialog with a new label and OK.
    template <class Dialog> void relabel(const char* label) {
        whenModal<Dialog>([label](Dialog* dialog) {
            in<QLineEdit>(dialog, Dialog::IDC_LABEL)->setText(label);
            QTest::mouseClick(dialog->control(Dialog::IDC_OK), Qt::LeftButton);
        });
    }
    std::vector<std::string> labelsOf(int intervention) {
        return page->interventions().item(intervention).arm_group_label;
    }
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
    auto* interventions = page->control<QTreeView>(Page::IDC_INTERVENTIONS);
    EXPECT_EQ(row(Page::IDC_INTERVENTIONS, -1),
              (QStringList{"Intervention Type", "Intervention Name", "Intervention Description",
                           "Groups", "Other Names"}));
    EXPECT_EQ(interventions->columnWidth(0), 125);
    EXPECT_EQ(row(Page::IDC_ARMS, 0), (QStringList{"A", "Experimental", "line 1\r\nline 2"}));
    EXPECT_EQ(row(Page::IDC_GROUPS, 0), (QStringList{"A", "line 1\r\nline 2"}));
    EXPECT_EQ(row(Page::IDC_GROUPS, -1),
              (QStringList{"Group/Cohort Label", "Group/Cohort Description"}));
    EXPECT_EQ(row(Page::IDC_INTERVENTIONS, 0),
              (QStringList{"Drug", "Aspirin", "", "A,B", "ASA\r\nacetyl"}));
}

TEST_F(ArmsInterventionsPageTest, ObservationalAddsGroupsAndKeepsTheArmTypeItDoesNotShow) {
    setType("Interventional");
    addGroup("A", "Placebo Comparator", "d");
    page->load(record);
    page->store();
    ASSERT_EQ(record.arm_group.size(), 1u);
    EXPECT_EQ(record.arm_group[0]->arm_type, "Placebo Comparator");

    // Switching to observational shows the same arm groups as groups.
    setType("Observational");
    page->load(record);
    EXPECT_EQ(row(Page::IDC_GROUPS, 0), (QStringList{"A", "d"}));
    whenModal<GroupDialog>([](GroupDialog* dialog) {
        in<QLineEdit>(dialog, GroupDialog::IDC_LABEL)->setText("Cohort 2");
        in<QPlainTextEdit>(dialog, GroupDialog::IDC_DESCRIPTION)->setPlainText("x\ny");
        dialog->accept();
    });
    QTest::mouseClick(page->control(Page::IDC_ARM_ADD), Qt::LeftButton);
    ASSERT_EQ(page->groups().rowCount(), 2);
    EXPECT_EQ(row(Page::IDC_GROUPS, 1), (QStringList{"Cohort 2", "x\r\ny"}));
    EXPECT_EQ(page->arms().rowCount(), 1) << "the hidden arms list is left alone";
    page->groups().selectRow(0);
    whenModal<GroupDialog>([](GroupDialog* dialog) {
        in<QPlainTextEdit>(dialog, GroupDialog::IDC_DESCRIPTION)->setPlainText("changed");
        dialog->accept();
    });
    page->editArm();
    page->store();
    ASSERT_EQ(record.arm_group.size(), 2u);
    EXPECT_EQ(record.arm_group[0]->arm_type, "Placebo Comparator");
    EXPECT_EQ(record.arm_group[0]->arm_group_description.text(), "changed");
    EXPECT_EQ(record.arm_group[1]->arm_type, "");
    EXPECT_EQ(record.arm_group[1]->arm_group_label, "Cohort 2");
    EXPECT_EQ(record.arm_group[1]->arm_group_description.text(), "x\r\ny");
}

// Dropping what a study type has no place for is the editor's business, not the page's.
TEST_F(ArmsInterventionsPageTest, EveryStudyTypeStoresTheArmGroupsAndLabelsItHolds) {
    for (const char* type : {"Expanded Access", ""}) {
        record.arm_group.clear();
        record.intervention.clear();
        setType(type);
        addGroup("A", "Experimental", "");
        Intervention& drug = addIntervention("Drug", "Name", {"A"}, {"other"});
        drug.intervention_description.setText("desc");
        page->load(record);
        page->store();
        ASSERT_EQ(record.arm_group.size(), 1u) << type;
        EXPECT_EQ(record.arm_group[0]->arm_type, "Experimental");
        ASSERT_EQ(record.intervention.size(), 1u);
        EXPECT_EQ(record.intervention[0]->arm_group_label, std::vector<std::string>{"A"});
        EXPECT_EQ(record.intervention[0]->intervention_description.text(), "desc");
        EXPECT_EQ(record.intervention[0]->intervention_other_name,
                  std::vector<std::string>{"other"});
    }
}

TEST_F(ArmsInterventionsPageTest, StoreKeepsTheItemsWithTheirFlagsInRowOrder) {
    setType("Interventional");
    addGroup("A", "Experimental", "").deleteFlag = true;
    addIntervention("Drug", "N", {}).deleteFlag = true;
    page->load(record);
    page->arms().model().append(arm("B", "Other"));
    Intervention device;
    device.intervention_name = "M";
    device.arm_group_label = {"X,Y", "Z"};
    device.intervention_other_name = {"", "two\r\nlines"};
    page->interventions().model().append(device);
    page->store();
    ASSERT_EQ(record.arm_group.size(), 2u);
    EXPECT_TRUE(record.arm_group[0]->deleteFlag);
    EXPECT_EQ(record.arm_group[1]->arm_group_label, "B");
    EXPECT_FALSE(record.arm_group[1]->deleteFlag);
    ASSERT_EQ(record.intervention.size(), 2u);
    EXPECT_TRUE(record.intervention[0]->deleteFlag);
    EXPECT_EQ(record.intervention[1]->arm_group_label, (std::vector<std::string>{"X,Y", "Z"}))
        << "a label with a comma stays one label";
    EXPECT_EQ(record.intervention[1]->intervention_other_name,
              (std::vector<std::string>{"", "two\r\nlines"}));
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
    EXPECT_EQ(page->arms().item(0).arm_group_label, "B");
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
    EXPECT_EQ(row(Page::IDC_ARMS, 1), (QStringList{" New ", "Sham Comparator", ""}));
    EXPECT_EQ(page->arms().firstSelectedRow(), 0);

    whenModal<ArmDialog>([](ArmDialog* dialog) {
        in<QLineEdit>(dialog, ArmDialog::IDC_LABEL)->setText("changed");
        dialog->reject();
    });
    page->editArm();
    EXPECT_EQ(row(Page::IDC_ARMS, 0), (QStringList{"A", "Experimental", ""}));
    whenModal<ArmDialog>([](ArmDialog* dialog) { dialog->reject(); });
    page->addArm();
    EXPECT_EQ(page->arms().rowCount(), 2);
}

TEST_F(ArmsInterventionsPageTest, ArmDialogShowsTypesAsWrittenAndChecksInOrder) {
    ArmDialog dialog;
    EXPECT_EQ(dialog.windowTitle(), "Add Study Arm");
    auto* type = in<QComboBox>(&dialog, ArmDialog::IDC_TYPE);
    auto* label = in<QLineEdit>(&dialog, ArmDialog::IDC_LABEL);
    dialog.setItem(arm("", "Active Comparator"));
    EXPECT_EQ(type->currentText(), "Active Comparator");
    dialog.setItem(arm("", "active"));
    EXPECT_EQ(type->currentText(), "active") << "no prefix stands for an entry";
    EXPECT_EQ(type->count(), 7);
    dialog.setItem(arm("", ""));
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
    EXPECT_EQ(dialog.item().arm_group_label, "L");
    EXPECT_EQ(dialog.item().arm_type, "Experimental");

    // A type the list does not have counts while the user leaves the list alone.
    ArmDialog other;
    other.setItem(arm("X", "Nothing like it", true));
    EXPECT_EQ(in<QComboBox>(&other, ArmDialog::IDC_TYPE)->currentText(), "Nothing like it");
    whenModal<ArmDialog>([](ArmDialog* d) { d->accept(); });
    EXPECT_EQ(other.exec(), QDialog::Accepted);
    EXPECT_EQ(other.item().arm_type, "Nothing like it");
    EXPECT_TRUE(other.item().deleteFlag);

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
    page->arms().model().append(arm("C", "Other"));
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
    EXPECT_EQ(row(Page::IDC_INTERVENTIONS, 0).value(3), "B,C");
    EXPECT_EQ(page->interventions().firstSelectedRow(), 0);
}

// Through the real buttons and dialogs: the new label replaces the old one
// wherever an intervention had it, once.
TEST_F(ArmsInterventionsPageTest, RenamingAnArmOrGroupRenamesItInTheInterventions) {
    setType("Interventional");
    addGroup("A", "Experimental", "");
    addGroup("B", "Experimental", "");
    addIntervention("Drug", "N", {"A"});
    addIntervention("Device", "D", {"B", "A"});
    addIntervention("Other", "O", {"B"});
    page->load(record);
    page->arms().selectRow(0);
    whenModal<ArmDialog>([](ArmDialog* dialog) {
        in<QLineEdit>(dialog, ArmDialog::IDC_LABEL)->setText("A2");
        dialog->reject();
    });
    QTest::mouseClick(page->control(Page::IDC_ARM_EDIT), Qt::LeftButton);
    EXPECT_EQ(labelsOf(0), std::vector<std::string>{"A"}) << "Cancel renames nothing";

    relabel<ArmDialog>("A2");
    QTest::mouseClick(page->control(Page::IDC_ARM_EDIT), Qt::LeftButton);
    EXPECT_EQ(labelsOf(0), std::vector<std::string>{"A2"});
    EXPECT_EQ(labelsOf(1), (std::vector<std::string>{"B", "A2"}));
    EXPECT_EQ(labelsOf(2), std::vector<std::string>{"B"});
    EXPECT_EQ(row(Page::IDC_INTERVENTIONS, 1).value(3), "B,A2");

    // Two arms with one label: the intervention refers to it once.
    relabel<ArmDialog>("B");
    QTest::mouseClick(page->control(Page::IDC_ARM_EDIT), Qt::LeftButton);
    EXPECT_EQ(labelsOf(1), std::vector<std::string>{"B"});
    // While another arm still has the old label, the references stay with it.
    page->arms().selectRow(1);
    relabel<ArmDialog>("C");
    QTest::mouseClick(page->control(Page::IDC_ARM_EDIT), Qt::LeftButton);
    EXPECT_EQ(labelsOf(2), std::vector<std::string>{"B"});
    page->store();
    EXPECT_EQ(record.intervention[0]->arm_group_label, std::vector<std::string>{"B"});

    // The same for the groups of an observational protocol, by double click.
    setType("Observational");
    page->load(record);
    relabel<GroupDialog>("Cohort");
    doubleClickRow(page->control<QTreeView>(Page::IDC_GROUPS), 0);
    EXPECT_EQ(labelsOf(0), std::vector<std::string>{"Cohort"});
    EXPECT_EQ(labelsOf(2), std::vector<std::string>{"Cohort"});
}

TEST_F(ArmsInterventionsPageTest, ALabelNoArmHasIsOfferedCheckedUntilUnchecked) {
    setType("Interventional");
    addGroup("A", "Experimental", "");
    addIntervention("Drug", "N", {"gone", "A"});
    page->load(record);
    page->interventions().selectRow(0);
    answerIntervention([](InterventionDialog* dialog) {
        in<QLineEdit>(dialog, InterventionDialog::IDC_NAME)->setText("N2");
        dialog->accept();
    });
    page->editIntervention();
    EXPECT_EQ(offered, (QStringList{"A", "gone"}));
    EXPECT_EQ(checked, (QStringList{"A", "gone"}));
    EXPECT_EQ(labelsOf(0), (std::vector<std::string>{"gone", "A"})) << "in the item's order";

    answerIntervention([](InterventionDialog* dialog) {
        dialog->groupsList()->topLevelItem(1)->setCheckState(0, Qt::Unchecked);
        dialog->accept();
    });
    page->editIntervention();
    EXPECT_EQ(labelsOf(0), std::vector<std::string>{"A"});
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
    EXPECT_EQ(row(Page::IDC_INTERVENTIONS, 0),
              (QStringList{"Biological/Vaccine", "Vaccine X", "", "G1", "first\r\nsecond"}));
    page->store();
    EXPECT_EQ(record.intervention[0]->intervention_other_name,
              (std::vector<std::string>{"first", "second"}));
    EXPECT_EQ(record.intervention[0]->arm_group_label, std::vector<std::string>{"G1"});
}

TEST_F(ArmsInterventionsPageTest, WithoutArmsTheDialogHidesTheListAndGrowsOtherNames) {
    InterventionDialog associating;
    associating.setAssociations({"A"}, "Interventional");
    const QRect normal = associating.control(InterventionDialog::IDC_OTHER_NAMES)->geometry();
    EXPECT_FALSE(associating.groupsList()->isHidden());

    InterventionDialog dialog;
    dialog.setAssociations({"A", "B"}, "Expanded Access");
    Intervention device;
    device.intervention_type = "Device";
    device.intervention_name = "N";
    device.arm_group_label = {"A"};
    dialog.setItem(device);
    EXPECT_EQ(in<QComboBox>(&dialog, InterventionDialog::IDC_TYPE)->currentText(), "Device");
    EXPECT_TRUE(dialog.groupsList()->isHidden());
    EXPECT_FALSE(dialog.groupsList()->isEnabled());
    EXPECT_TRUE(dialog.control(InterventionDialog::IDC_ASSOCIATION_LABEL)->isHidden());
    const QRect grown = dialog.control(InterventionDialog::IDC_OTHER_NAMES)->geometry();
    EXPECT_EQ(grown.topLeft(), normal.topLeft());
    EXPECT_EQ(grown.width(), normal.width());
    EXPECT_EQ(grown.height(), normal.height() + 127);
    EXPECT_LE(grown.bottom(), dialog.control(InterventionDialog::IDC_OK)->geometry().top());

    whenModal<InterventionDialog>([](InterventionDialog* d) {
        in<QLineEdit>(d, InterventionDialog::IDC_NAME)->setText("N2");
        d->accept();
    });
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    EXPECT_EQ(dialog.item().arm_group_label, std::vector<std::string>{"A"})
        << "labels the dialog does not show stay";
    EXPECT_EQ(dialog.item().intervention_type, "Device");
}

TEST_F(ArmsInterventionsPageTest, LongLabelsSurviveTheRowsTheDialogAndTheStore) {
    setType("Interventional");
    const std::string longLabel(25000, 'L');
    addGroup(longLabel.c_str(), "Experimental", "");
    addGroup("short", "Experimental", "");
    addIntervention("Drug", "N", {longLabel, "short", longLabel + "2"});
    page->load(record);
    EXPECT_EQ(page->availableLabels(), (QStringList{QString::fromStdString(longLabel), "short"}));
    page->interventions().selectRow(0);
    answerIntervention([](InterventionDialog* dialog) { dialog->accept(); });
    page->editIntervention();
    EXPECT_EQ(checked.size(), 3);
    page->store();
    ASSERT_EQ(record.intervention[0]->arm_group_label.size(), 3u);
    EXPECT_EQ(record.intervention[0]->arm_group_label[0], longLabel);
    EXPECT_EQ(record.intervention[0]->arm_group_label[2], longLabel + "2");
    EXPECT_EQ(record.arm_group[0]->arm_group_label, longLabel);
}

TEST_F(ArmsInterventionsPageTest, InterventionDialogOffersTheTypesTheRegistryAdded) {
    setType("Interventional");
    page->load(record);
    for (const char* added : {"Combination Product", "Diagnostic Test"}) {
        answerIntervention([added](InterventionDialog* dialog) {
            auto* type = in<QComboBox>(dialog, InterventionDialog::IDC_TYPE);
            type->setCurrentIndex(type->findText(added));
            if (type->currentIndex() < 0) {
                ADD_FAILURE() << added << " is not offered";
                dialog->reject();
                return;
            }
            in<QLineEdit>(dialog, InterventionDialog::IDC_NAME)->setText(added);
            dialog->accept();
        });
        page->addIntervention();
    }
    page->store();
    ASSERT_EQ(record.intervention.size(), 2u);
    EXPECT_EQ(record.intervention[0]->intervention_type, "Combination Product");
    EXPECT_EQ(record.intervention[1]->intervention_type, "Diagnostic Test");
}
