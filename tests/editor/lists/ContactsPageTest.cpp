#include "editor/lists/ContactsPage.h"

#include "editor/EditorTestSupport.h"
#include "editor/lists/OfficialDialog.h"
#include "model/StudyRecord.h"
#include "platform/TestPlatform.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QTest>
#include <QTreeView>
#include <gtest/gtest.h>

namespace {

using Page = ContactsPage;

QLineEdit* edit(QWidget* dialog, int id) {
    return dialog->findChild<QLineEdit*>(QStringLiteral("control%1").arg(id));
}
QComboBox* combo(QWidget* dialog, int id) {
    return dialog->findChild<QComboBox*>(QStringLiteral("control%1").arg(id));
}

class ContactsPageTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.resize(600, 700);
        page = new Page(&window);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    Official& addOfficial(const char* first, const char* role, const char* affiliation) {
        Official& official = appendNew(record.overall_official);
        official.first_name = first;
        official.last_name = "Last";
        official.role = role;
        official.affiliation = affiliation;
        return official;
    }
    QLineEdit* contactEdit(int first, int field) { return page->control<QLineEdit>(first + field); }
    QStringList officialRow(int row) {
        return shownRow(page->control<QTreeView>(Page::IDC_OFFICIALS), row);
    }

    TestPlatform platform;
    QWidget window;
    Page* page = nullptr;
    StudyRecord record;
};

} // namespace

TEST_F(ContactsPageTest, ContactsAreEditedInPlaceAndOfficialsKeepTheirFlags) {
    record.overall_contact.first_name = "Ann";
    record.overall_contact.email = "ann@example.org";
    record.overall_contact.deleteFlag = true;
    record.overall_contact_backup.phone_ext = "12";
    addOfficial("Bo", "Study Chair", "Uni").deleteFlag = true;
    page->load(record);
    EXPECT_EQ(contactEdit(Page::IDC_CONTACT_FIRST, Page::FirstName)->text(), "Ann");
    EXPECT_EQ(contactEdit(Page::IDC_CONTACT_FIRST, Page::Email)->text(), "ann@example.org");
    EXPECT_EQ(contactEdit(Page::IDC_BACKUP_FIRST, Page::Extension)->text(), "12");
    EXPECT_EQ(officialRow(0), (QStringList{"Bo", "", "Last", "", "Study Chair", "Uni"}));
    auto* list = page->control<QTreeView>(Page::IDC_OFFICIALS);
    EXPECT_EQ(officialRow(-1), (QStringList{"First Name", "Middle Initial", "Last Name", "Degree",
                                            "Role", "Affiliation"}));
    EXPECT_EQ(list->columnWidth(1), shownColumnWidth(list, 1, 75));

    contactEdit(Page::IDC_BACKUP_FIRST, Page::LastName)->setText(" Backup ");
    contactEdit(Page::IDC_CONTACT_FIRST, Page::Phone)->setText("555");
    page->store();
    EXPECT_TRUE(record.overall_contact.deleteFlag) << "the contact record itself stays";
    EXPECT_EQ(record.overall_contact.phone, "555");
    EXPECT_EQ(record.overall_contact.first_name, "Ann");
    EXPECT_EQ(record.overall_contact_backup.last_name, " Backup ");
    ASSERT_EQ(record.overall_official.size(), 1u);
    EXPECT_TRUE(record.overall_official[0]->deleteFlag);
    EXPECT_EQ(record.overall_official[0]->affiliation, "Uni");
}

TEST_F(ContactsPageTest, AddingAnOfficialWithoutAffiliationMakesItUnaffiliated) {
    addOfficial("First", "Study Director", "X");
    page->load(record);
    page->officials().selectRow(0);
    whenModal<OfficialDialog>([](OfficialDialog* dialog) {
        EXPECT_EQ(dialog->windowTitle(), "Add Study Official");
        EXPECT_EQ(edit(dialog, OfficialDialog::IDC_FIRST_NAME)->text(), "");
        edit(dialog, OfficialDialog::IDC_FIRST_NAME)->setText("Cy");
        edit(dialog, OfficialDialog::IDC_LAST_NAME)->setText("Dee");
        combo(dialog, OfficialDialog::IDC_ROLE)->setCurrentIndex(2);
        dialog->accept();
        EXPECT_EQ(edit(dialog, OfficialDialog::IDC_AFFILIATION)->text(), "Unaffiliated");
    });
    page->addOfficial();
    ASSERT_EQ(page->officials().rowCount(), 2);
    EXPECT_EQ(officialRow(1),
              (QStringList{"Cy", "", "Dee", "", "Principal Investigator", "Unaffiliated"}));
    EXPECT_EQ(page->officials().firstSelectedRow(), 0);
    page->store();
    EXPECT_EQ(record.overall_official[1]->affiliation, "Unaffiliated");
}

// "Unaffiliated" fills an empty affiliation when the user changed something, not otherwise.
TEST_F(ContactsPageTest, AnUnchangedEditKeepsAnEmptyAffiliation) {
    addOfficial("A", "Study Chair", "");
    addOfficial("B", "Study Chair", "");
    page->load(record);
    for (const bool change : {false, true}) {
        page->officials().selectRow(change ? 1 : 0);
        whenModal<OfficialDialog>([change](OfficialDialog* dialog) {
            if (change) {
                edit(dialog, OfficialDialog::IDC_MIDDLE_NAME)->setText("M");
            }
            dialog->accept();
        });
        page->editOfficial();
    }
    page->store();
    EXPECT_EQ(record.overall_official[0]->affiliation, "");
    EXPECT_EQ(record.overall_official[1]->affiliation, "Unaffiliated");
}

TEST_F(ContactsPageTest, EditShowsTheRoleAsWrittenAndCancelKeepsTheRow) {
    addOfficial("A", "study chair", "U");
    addOfficial("B", "Principal Investigator", "U");
    page->load(record);
    platform.prompts().answerMessage(MessageAnswer::Ok);
    page->editOfficial();
    EXPECT_EQ(platform.prompts().last().text, "Please select an item to edit.");

    QString role;
    page->officials().selectRow(0);
    whenModal<OfficialDialog>([&](OfficialDialog* dialog) {
        role = combo(dialog, OfficialDialog::IDC_ROLE)->currentText();
        edit(dialog, OfficialDialog::IDC_FIRST_NAME)->setText("changed");
        dialog->reject();
    });
    page->editOfficial();
    EXPECT_EQ(role, "study chair");
    EXPECT_EQ(officialRow(0).value(0), "A");

    page->officials().selectRow(1);
    whenModal<OfficialDialog>([&](OfficialDialog* dialog) {
        role = combo(dialog, OfficialDialog::IDC_ROLE)->currentText();
        edit(dialog, OfficialDialog::IDC_DEGREE)->setText("MD, PhD");
        dialog->accept();
    });
    doubleClickRow(page->officials().view(), 1);
    EXPECT_EQ(role, "Principal Investigator");
    EXPECT_EQ(officialRow(1),
              (QStringList{"B", "", "Last", "MD, PhD", "Principal Investigator", "U"}));
    EXPECT_EQ(page->officials().firstSelectedRow(), 1);
}

TEST_F(ContactsPageTest, OfficialDialogChecksFirstNameLastNameThenRole) {
    OfficialDialog dialog;
    for (int i = 0; i < 3; ++i) {
        platform.prompts().answerMessage(MessageAnswer::Ok);
    }
    whenModal<OfficialDialog>([&](OfficialDialog* d) {
        d->accept();
        EXPECT_EQ(platform.prompts().last().text, "Please enter a First Name.");
        EXPECT_EQ(d->focusWidget(), edit(d, OfficialDialog::IDC_FIRST_NAME));
        edit(d, OfficialDialog::IDC_FIRST_NAME)->setText("F");
        d->accept();
        EXPECT_EQ(platform.prompts().last().text, "Please enter a Last Name.");
        EXPECT_EQ(d->focusWidget(), edit(d, OfficialDialog::IDC_LAST_NAME));
        edit(d, OfficialDialog::IDC_LAST_NAME)->setText("L");
        d->accept();
        EXPECT_EQ(platform.prompts().last().text, "Please select a Role.");
        EXPECT_EQ(d->focusWidget(), combo(d, OfficialDialog::IDC_ROLE));
        d->reject();
    });
    EXPECT_EQ(dialog.exec(), QDialog::Rejected);
    EXPECT_EQ(dialog.item().first_name, "") << "Cancel keeps the item";
}

TEST_F(ContactsPageTest, InvestigatorModeSwapsTheRoleListAndHidesTheAffiliation) {
    OfficialDialog dialog;
    Investigator given;
    given.first_name = "I";
    given.last_name = "N";
    given.role = "sub";
    dialog.setItem(given);
    EXPECT_EQ(dialog.windowTitle(), "Add Investigator");
    EXPECT_EQ(
        dialog.findChild<QGroupBox*>(QStringLiteral("control%1").arg(OfficialDialog::IDC_GROUP))
            ->title(),
        "Investigator");
    EXPECT_TRUE(dialog.control(OfficialDialog::IDC_ROLE)->isHidden());
    EXPECT_TRUE(dialog.control(OfficialDialog::IDC_AFFILIATION)->isHidden());
    EXPECT_TRUE(dialog.control(OfficialDialog::IDC_AFFILIATION_LABEL)->isHidden());
    EXPECT_FALSE(dialog.control(OfficialDialog::IDC_INVESTIGATOR_ROLE)->isHidden());
    EXPECT_EQ(combo(&dialog, OfficialDialog::IDC_INVESTIGATOR_ROLE)->currentText(), "sub");
    EXPECT_EQ(combo(&dialog, OfficialDialog::IDC_ROLE)->currentIndex(), -1);
    whenModal<OfficialDialog>([](OfficialDialog* d) {
        edit(d, OfficialDialog::IDC_DEGREE)->setText("MD");
        d->accept();
    });
    ASSERT_EQ(dialog.exec(), QDialog::Accepted);
    const Investigator investigator = dialog.investigator();
    EXPECT_EQ(investigator.first_name, "I");
    EXPECT_EQ(investigator.last_name, "N");
    EXPECT_EQ(investigator.degrees, "MD");
    EXPECT_EQ(investigator.role, "sub") << "the role list was left alone";

    // Official mode keeps its own role list: an investigator role there is no entry.
    OfficialDialog official;
    Official investigatorRole;
    investigatorRole.role = "Sub-Investigator";
    official.setItem(investigatorRole);
    auto* officialRole = combo(&official, OfficialDialog::IDC_ROLE);
    EXPECT_EQ(officialRole->currentText(), "Sub-Investigator");
    EXPECT_EQ(officialRole->currentIndex(), officialRole->count() - 1) << "after the entries";
    EXPECT_FALSE(official.control(OfficialDialog::IDC_AFFILIATION)->isHidden());
}

TEST_F(ContactsPageTest, ASecondLoadReplacesTheRowsAndSelectsNothing) {
    addOfficial("A", "Study Chair", "U");
    addOfficial("B", "Study Chair", "U");
    addOfficial("C", "Study Chair", "U");
    page->load(record);
    page->officials().selectRow(1);
    Official edited;
    edited.first_name = "edited";
    page->officials().model().replace(0, edited);
    record.overall_official.erase(record.overall_official.begin() + 1);
    page->load(record);
    ASSERT_EQ(page->officials().rowCount(), 2);
    EXPECT_EQ(officialRow(0), (QStringList{"A", "", "Last", "", "Study Chair", "U"}));
    EXPECT_EQ(officialRow(1).value(0), "C");
    EXPECT_EQ(page->officials().firstSelectedRow(), -1);
    record.overall_official.clear();
    page->load(record);
    EXPECT_EQ(page->officials().rowCount(), 0);
    addOfficial("D", "", "");
    page->load(record);
    EXPECT_EQ(officialRow(0).value(0), "D");
}
