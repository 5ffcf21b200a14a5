#include "editor/lists/OutcomesPage.h"

#include "editor/EditorTestSupport.h"
#include "editor/lists/OutcomeDialog.h"
#include "model/StudyRecord.h"
#include "platform/TestPlatform.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTest>
#include <QTreeView>
#include <gtest/gtest.h>

namespace {

struct OutcomeTexts {
    QString title, timeFrame, description, safety;
};

OutcomeTexts shownIn(OutcomeDialog* dialog) {
    return {
        qobject_cast<QLineEdit*>(dialog->control(OutcomeDialog::IDC_TITLE))->text(),
        qobject_cast<QLineEdit*>(dialog->control(OutcomeDialog::IDC_TIME_FRAME))->text(),
        qobject_cast<QPlainTextEdit*>(dialog->control(OutcomeDialog::IDC_DESCRIPTION))
            ->toPlainText(),
        qobject_cast<QComboBox*>(dialog->control(OutcomeDialog::IDC_SAFETY_ISSUE))->currentText()};
}

void fillIn(OutcomeDialog* dialog, const OutcomeTexts& texts, int safetyIndex) {
    qobject_cast<QLineEdit*>(dialog->control(OutcomeDialog::IDC_TITLE))->setText(texts.title);
    qobject_cast<QLineEdit*>(dialog->control(OutcomeDialog::IDC_TIME_FRAME))
        ->setText(texts.timeFrame);
    qobject_cast<QPlainTextEdit*>(dialog->control(OutcomeDialog::IDC_DESCRIPTION))
        ->setPlainText(texts.description);
    if (safetyIndex >= 0) { // otherwise the list is left alone
        qobject_cast<QComboBox*>(dialog->control(OutcomeDialog::IDC_SAFETY_ISSUE))
            ->setCurrentIndex(safetyIndex);
    }
}

class OutcomesPageTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.resize(600, 700);
        page = new OutcomesPage(&window);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    Outcome& addOutcome(OwningList<Outcome>& list, const char* title, const char* safety = "") {
        Outcome& outcome = appendNew(list);
        outcome.outcome_measure = title;
        outcome.outcome_safety_issue = safety;
        return outcome;
    }
    // Answers the next outcome dialog with `texts` and OK, or changes it and cancels.
    void answer(const OutcomeTexts& texts, int safetyIndex, bool ok = true) {
        whenModal<OutcomeDialog>([=, this](OutcomeDialog* dialog) {
            seen = shownIn(dialog);
            fillIn(dialog, texts, safetyIndex);
            if (ok) {
                QTest::mouseClick(dialog->control(OutcomeDialog::IDC_OK), Qt::LeftButton);
            } else {
                QTest::mouseClick(dialog->control(OutcomeDialog::IDC_CANCEL), Qt::LeftButton);
            }
        });
    }

    QTreeView* view(int id) { return page->control<QTreeView>(id); }
    QStringList primaryRow(int row) { return shownRow(view(OutcomesPage::IDC_PRIMARY_LIST), row); }
    QStringList secondaryRow(int row) {
        return shownRow(view(OutcomesPage::IDC_SECONDARY_LIST), row);
    }

    TestPlatform platform;
    QWidget window;
    OutcomesPage* page = nullptr;
    StudyRecord record;
    OutcomeTexts seen;
};

} // namespace

TEST_F(OutcomesPageTest, LoadFillsBothListsWithTheTextsUnchanged) {
    Outcome& first = addOutcome(record.primary_outcome, "Survival", "yes");
    first.outcome_time_frame = "5 years";
    first.outcome_description.setText("line one\r\nline two");
    addOutcome(record.secondary_outcome, "Pain", "No");
    addOutcome(record.secondary_outcome, "Sleep");
    page->load(record);

    ASSERT_EQ(page->primaryOutcomes().rowCount(), 1);
    EXPECT_EQ(primaryRow(0), (QStringList{"Survival", "5 years", "line one\r\nline two", "yes"}));
    ASSERT_EQ(page->secondaryOutcomes().rowCount(), 2);
    EXPECT_EQ(secondaryRow(1).value(0), "Sleep");
    QTreeView* list = view(OutcomesPage::IDC_SECONDARY_LIST);
    EXPECT_EQ(shownRow(list, -1),
              (QStringList{"Title", "Time Frame", "Description", "Safety Issue"}));
    const int widths[] = {200, 150, 200, 75};
    for (int column = 0; column < 4; ++column) {
        EXPECT_EQ(list->columnWidth(column), shownColumnWidth(list, column, widths[column]));
    }
    EXPECT_EQ(list->selectionMode(), QAbstractItemView::SingleSelection);
    EXPECT_EQ(list->selectionBehavior(), QAbstractItemView::SelectRows);
    EXPECT_FALSE(list->rootIsDecorated());

    record.primary_outcome.clear();
    page->load(record);
    EXPECT_EQ(page->primaryOutcomes().rowCount(), 0) << "a second load replaces the rows";
}

// A row keeps the description's line breaks but shows it on one line, as
// tall as any other row.
TEST_F(OutcomesPageTest, MultiLineDescriptionsShowOnOneLine) {
    addOutcome(record.secondary_outcome, "Pain").outcome_description.setText("one\r\ntwo\r\nthree");
    addOutcome(record.secondary_outcome, "Sleep").outcome_description.setText("single");
    page->load(record);
    QTreeView* list = view(OutcomesPage::IDC_SECONDARY_LIST);
    const QModelIndex multi = list->model()->index(0, 2);
    const QModelIndex single = list->model()->index(1, 2);
    ASSERT_TRUE(single.isValid());
    EXPECT_EQ(multi.data().toString(), "one\r\ntwo\r\nthree");
    auto* delegate = qobject_cast<QStyledItemDelegate*>(list->itemDelegate());
    ASSERT_NE(delegate, nullptr);
    EXPECT_EQ(delegate->displayText(multi.data(), QLocale()), "one two three");
    QApplication::processEvents();
    EXPECT_EQ(list->visualRect(multi).height(), list->visualRect(single).height());
}

TEST_F(OutcomesPageTest, StoreGivesBackTheItemsWithTheirFlagsAndAddedOnesAfterThem) {
    addOutcome(record.primary_outcome, "Old", "Yes").deleteFlag = true;
    Outcome& kept = addOutcome(record.secondary_outcome, "Two lines");
    kept.outcome_description.setText("a\r\nb");
    page->load(record);
    Outcome added;
    added.outcome_measure = "New";
    added.outcome_time_frame = "1 week";
    added.outcome_safety_issue = "No";
    page->primaryOutcomes().model().append(added);
    page->store();

    ASSERT_EQ(record.primary_outcome.size(), 2u);
    EXPECT_EQ(record.primary_outcome[0]->outcome_measure, "Old");
    EXPECT_TRUE(record.primary_outcome[0]->deleteFlag);
    EXPECT_EQ(record.primary_outcome[1]->outcome_time_frame, "1 week");
    EXPECT_EQ(record.primary_outcome[1]->outcome_safety_issue, "No");
    EXPECT_FALSE(record.primary_outcome[1]->deleteFlag);
    ASSERT_EQ(record.secondary_outcome.size(), 1u);
    EXPECT_EQ(record.secondary_outcome[0]->outcome_description.text(), "a\r\nb");
}

// Dropping what a study type has no place for is the editor's business, not the page's.
TEST_F(OutcomesPageTest, ExpandedAccessStoresTheOutcomesItHolds) {
    addOutcome(record.primary_outcome, "P");
    addOutcome(record.secondary_outcome, "S");
    record.study_design.study_type.setText("Expanded Access");
    page->load(record);
    EXPECT_EQ(page->primaryOutcomes().rowCount(), 1) << "the page shows them";
    page->store();
    EXPECT_EQ(record.primary_outcome.size(), 1u);
    EXPECT_EQ(record.secondary_outcome.size(), 1u);
}

TEST_F(OutcomesPageTest, AddAppendsAtTheBottomUnselectedAndCancelAddsNothing) {
    addOutcome(record.secondary_outcome, "First");
    page->load(record);
    page->secondaryOutcomes().selectRow(0);
    answer({"Added", "", "x\ny", ""}, -1);
    QTest::mouseClick(page->control(OutcomesPage::IDC_SECONDARY_ADD), Qt::LeftButton);
    EXPECT_EQ(seen.title, "") << "Add starts empty";
    EXPECT_EQ(seen.safety, "");
    ASSERT_EQ(page->secondaryOutcomes().rowCount(), 2);
    EXPECT_EQ(secondaryRow(1), (QStringList{"Added", "", "x\r\ny", ""}));
    EXPECT_EQ(page->secondaryOutcomes().firstSelectedRow(), 0);
    EXPECT_EQ(page->primaryOutcomes().rowCount(), 0) << "the other list is untouched";

    answer({"Dropped", "", "", ""}, 1, false);
    QTest::mouseClick(page->control(OutcomesPage::IDC_PRIMARY_ADD), Qt::LeftButton);
    EXPECT_EQ(page->primaryOutcomes().rowCount(), 0);
}

TEST_F(OutcomesPageTest, EditShowsTheItemAsWrittenAndReplacesTheRowInPlace) {
    addOutcome(record.primary_outcome, "A", "yes").outcome_description.setText("1\r\n2");
    addOutcome(record.primary_outcome, "B", "yes");
    page->load(record);
    platform.prompts().answerMessage(MessageAnswer::Ok);
    QTest::mouseClick(page->control(OutcomesPage::IDC_PRIMARY_EDIT), Qt::LeftButton);
    EXPECT_EQ(platform.prompts().last().text, "Please select an item to edit.");
    EXPECT_EQ(platform.prompts().last().icon, MessageIcon::Error);

    page->primaryOutcomes().selectRow(0);
    answer({"A2", "t", "1\n2", ""}, -1);
    page->editOutcome(page->primaryOutcomes());
    EXPECT_EQ(seen.title, "A");
    EXPECT_EQ(seen.description, "1\n2");
    EXPECT_EQ(seen.safety, "yes") << "no entry is chosen for the user";
    EXPECT_EQ(primaryRow(0), (QStringList{"A2", "t", "1\r\n2", "yes"}))
        << "a drop-down the user left alone keeps the item's text";
    EXPECT_EQ(page->primaryOutcomes().firstSelectedRow(), 0);
    EXPECT_EQ(primaryRow(1).value(0), "B");

    answer({"changed", "", "", ""}, 1, false);
    page->editOutcome(page->primaryOutcomes());
    EXPECT_EQ(primaryRow(0).value(0), "A2");

    page->primaryOutcomes().selectRow(1);
    answer({"B", "", "", ""}, 1);
    page->editOutcome(page->primaryOutcomes());
    page->store();
    EXPECT_EQ(record.primary_outcome[0]->outcome_description.text(), "1\r\n2");
    EXPECT_EQ(record.primary_outcome[0]->outcome_safety_issue, "yes");
    EXPECT_EQ(record.primary_outcome[1]->outcome_safety_issue, "No") << "a choice is its entry";
}

TEST_F(OutcomesPageTest, DoubleClickEditsAndRemoveReselects) {
    addOutcome(record.secondary_outcome, "A");
    addOutcome(record.secondary_outcome, "B");
    addOutcome(record.secondary_outcome, "C");
    page->load(record);
    answer({"B2", "", "", ""}, -1);
    doubleClickRow(view(OutcomesPage::IDC_SECONDARY_LIST), 1);
    EXPECT_EQ(secondaryRow(1).value(0), "B2");

    platform.prompts().answerMessage(MessageAnswer::Ok);
    page->secondaryOutcomes().selectRow(-1);
    QTest::mouseClick(page->control(OutcomesPage::IDC_SECONDARY_REMOVE), Qt::LeftButton);
    EXPECT_EQ(platform.prompts().last().text, "Please select an item to remove.");
    EXPECT_EQ(page->secondaryOutcomes().rowCount(), 3);

    page->secondaryOutcomes().selectRow(2);
    QTest::mouseClick(page->control(OutcomesPage::IDC_SECONDARY_REMOVE), Qt::LeftButton);
    EXPECT_EQ(page->secondaryOutcomes().rowCount(), 2);
    EXPECT_EQ(page->secondaryOutcomes().firstSelectedRow(), 1) << "the row before";
    page->secondaryOutcomes().selectRow(0);
    page->removeOutcome(page->secondaryOutcomes());
    EXPECT_EQ(secondaryRow(0).value(0), "B2");
    EXPECT_EQ(page->secondaryOutcomes().firstSelectedRow(), 0) << "the row now at its place";
    page->removeOutcome(page->secondaryOutcomes());
    EXPECT_EQ(page->secondaryOutcomes().rowCount(), 0);
    EXPECT_EQ(page->secondaryOutcomes().firstSelectedRow(), -1);
}

// The third list: other pre-specified outcomes, loaded, stored and edited
// like the others, in a dialog that says which kind it adds.
TEST_F(OutcomesPageTest, OtherOutcomesAreAListOfTheirOwn) {
    addOutcome(record.primary_outcome, "P");
    addOutcome(record.other_outcome, "O1").outcome_time_frame = "1 year";
    addOutcome(record.other_outcome, "O2");
    page->load(record);
    ASSERT_EQ(page->otherOutcomes().rowCount(), 2);
    EXPECT_EQ(shownRow(view(OutcomesPage::IDC_OTHER_LIST), 0),
              (QStringList{"O1", "1 year", "", ""}));

    QString title;
    whenModal<OutcomeDialog>([&title](OutcomeDialog* dialog) {
        title = dialog->windowTitle();
        qobject_cast<QLineEdit*>(dialog->control(OutcomeDialog::IDC_TITLE))->setText("O3");
        QTest::mouseClick(dialog->control(OutcomeDialog::IDC_OK), Qt::LeftButton);
    });
    QTest::mouseClick(page->control(OutcomesPage::IDC_OTHER_ADD), Qt::LeftButton);
    EXPECT_EQ(title, "Add Other Outcome Measure");
    page->otherOutcomes().selectRow(0);
    answer({"O1 changed", "1 year", "", ""}, -1);
    doubleClickRow(view(OutcomesPage::IDC_OTHER_LIST), 0);
    page->otherOutcomes().selectRow(1);
    QTest::mouseClick(page->control(OutcomesPage::IDC_OTHER_REMOVE), Qt::LeftButton);

    whenModal<OutcomeDialog>([&title](OutcomeDialog* dialog) {
        title = dialog->windowTitle();
        dialog->reject();
    });
    QTest::mouseClick(page->control(OutcomesPage::IDC_PRIMARY_ADD), Qt::LeftButton);
    EXPECT_EQ(title, "Add Outcome Measure") << "the primary list's dialog keeps its name";

    page->store();
    ASSERT_EQ(record.other_outcome.size(), 2u);
    EXPECT_EQ(record.other_outcome[0]->outcome_measure, "O1 changed");
    EXPECT_EQ(record.other_outcome[1]->outcome_measure, "O3");
    EXPECT_EQ(record.primary_outcome.size(), 1u);
    EXPECT_EQ(record.secondary_outcome.size(), 0u) << "nothing strays into another list";
}

// The registry dropped the safety question: new items never see it, items
// that answered it still show and keep their answer.
TEST(OutcomeDialogTest, SafetyIssueOnlyForItemsThatHoldOne) {
    TestPlatform platform;
    for (const auto& [safety, shown] :
         {std::pair{"", false}, std::pair{"No", true}, std::pair{"yes", true}}) {
        OutcomeDialog dialog;
        Outcome given;
        given.outcome_measure = "T";
        given.outcome_safety_issue = safety;
        dialog.setItem(given);
        for (const int id :
             {OutcomeDialog::IDC_SAFETY_ISSUE, OutcomeDialog::IDC_SAFETY_ISSUE_LABEL}) {
            EXPECT_EQ(dialog.control(id)->isVisibleTo(&dialog), shown) << safety << " " << id;
        }
    }
}

TEST(OutcomeDialogTest, OkWantsATitleAndKeepsTheTextsAsTyped) {
    TestPlatform platform;
    OutcomeDialog dialog;
    EXPECT_EQ(dialog.windowTitle(), "Add Outcome Measure");
    auto* title = qobject_cast<QLineEdit*>(dialog.control(OutcomeDialog::IDC_TITLE));
    auto* safety = qobject_cast<QComboBox*>(dialog.control(OutcomeDialog::IDC_SAFETY_ISSUE));
    EXPECT_EQ(safety->count(), 2);
    Outcome given;
    given.outcome_time_frame = " frame ";
    given.outcome_description.setText("d1\r\nd2");
    given.outcome_safety_issue = "nonsense";
    given.deleteFlag = true;
    dialog.setItem(given);
    EXPECT_EQ(safety->currentText(), "nonsense") << "shown as written, after the entries";
    EXPECT_EQ(safety->currentIndex(), 2);
    platform.prompts().answerMessage(MessageAnswer::Ok);
    whenModal<OutcomeDialog>([&](OutcomeDialog* d) {
        d->control(OutcomeDialog::IDC_TIME_FRAME)->setFocus();
        QTest::mouseClick(d->control(OutcomeDialog::IDC_OK), Qt::LeftButton);
        EXPECT_TRUE(d->isVisible()) << "stays open";
        EXPECT_EQ(d->focusWidget(), title);
        title->setText(" ");
        QTest::mouseClick(d->control(OutcomeDialog::IDC_OK), Qt::LeftButton);
    });
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    ASSERT_EQ(platform.prompts().shown().size(), 1u);
    EXPECT_EQ(platform.prompts().last().text, "Please enter a Title.");
    EXPECT_EQ(platform.prompts().last().caption, "Protoscribe");
    EXPECT_EQ(dialog.item().outcome_measure, " ");
    EXPECT_EQ(dialog.item().outcome_time_frame, " frame ");
    EXPECT_EQ(dialog.item().outcome_description.text(), "d1\r\nd2");
    EXPECT_EQ(dialog.item().outcome_safety_issue, "nonsense") << "left alone";
    EXPECT_TRUE(dialog.item().deleteFlag);
}

TEST(OutcomeDialogTest, EnterInTheDescriptionStartsANewLineAndEscapeCancels) {
    TestPlatform platform;
    OutcomeDialog dialog;
    Outcome given;
    given.outcome_measure = "T";
    given.outcome_safety_issue = "n";
    dialog.setItem(given);
    auto* description =
        qobject_cast<QPlainTextEdit*>(dialog.control(OutcomeDialog::IDC_DESCRIPTION));
    whenModal<OutcomeDialog>([&](OutcomeDialog* d) {
        EXPECT_EQ(
            qobject_cast<QComboBox*>(d->control(OutcomeDialog::IDC_SAFETY_ISSUE))->currentText(),
            "n");
        description->setFocus();
        QTest::keyClicks(description, "a");
        QTest::keyClick(description, Qt::Key_Return);
        QTest::keyClicks(description, "b");
        EXPECT_TRUE(d->isVisible());
        QTest::keyClick(description, Qt::Key_Escape);
    });
    EXPECT_EQ(dialog.exec(), QDialog::Rejected);
    EXPECT_EQ(description->toPlainText(), "a\nb");
    EXPECT_EQ(dialog.item().outcome_description.text(), "") << "Cancel keeps the item";
}
