#include "editor/lists/LocationsPage.h"

#include "editor/EditorTestSupport.h"
#include "editor/lists/LocationDialog.h"
#include "editor/lists/OfficialDialog.h"
#include "model/StudyRecord.h"
#include "platform/TestPlatform.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QTreeView>
#include <gtest/gtest.h>

namespace {

using Page = LocationsPage;
using Dialog = LocationDialog;

QLineEdit* edit(QWidget* dialog, int id) {
    return dialog->findChild<QLineEdit*>(QStringLiteral("control%1").arg(id));
}

// The seven required entries filled.
void fillRequired(QWidget* dialog) {
    for (int id :
         {Dialog::IDC_FACILITY_NAME, Dialog::IDC_LAST_NAME, Dialog::IDC_PHONE, Dialog::IDC_EMAIL,
          Dialog::IDC_BACKUP_LAST_NAME, Dialog::IDC_BACKUP_PHONE, Dialog::IDC_BACKUP_EMAIL}) {
        edit(dialog, id)->setText(QStringLiteral("v%1").arg(id));
    }
}

// Adds an investigator through the nested official dialog in investigator mode.
void addInvestigator(LocationDialog* dialog, const QString& first, int role) {
    whenModal<OfficialDialog>([first, role](OfficialDialog* official) {
        EXPECT_TRUE(official->investigatorMode());
        edit(official, OfficialDialog::IDC_FIRST_NAME)->setText(first);
        edit(official, OfficialDialog::IDC_LAST_NAME)->setText("Last");
        official
            ->findChild<QComboBox*>(
                QStringLiteral("control%1").arg(OfficialDialog::IDC_INVESTIGATOR_ROLE))
            ->setCurrentIndex(role);
        official->accept();
    });
    QTest::mouseClick(dialog->control(Dialog::IDC_ADD), Qt::LeftButton);
}

class LocationsPageTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.resize(600, 700);
        page = new Page(&window);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    Location& addLocation(const char* name, std::vector<const char*> investigators) {
        Location& location = appendNew(record.location);
        location.facility.name = name;
        for (const char* first : investigators) {
            appendNew(location.investigator).first_name = first;
        }
        return location;
    }
    std::vector<std::string> investigatorsOf(std::size_t location) {
        std::vector<std::string> names;
        for (const auto& investigator : record.location[location]->investigator) {
            names.push_back(investigator->first_name);
        }
        return names;
    }
    QStringList locationRow(int row) {
        return shownRow(page->control<QTreeView>(Page::IDC_LOCATIONS), row);
    }
    std::size_t investigatorCount(int row) {
        return page->locations().item(row).investigator.size();
    }

    TestPlatform platform;
    QWidget window;
    Page* page = nullptr;
    StudyRecord record;
};

} // namespace

TEST_F(LocationsPageTest, TwentyColumnsCarryTheLocationFields) {
    Location& location = addLocation("Clinic", {"Ivy"});
    location.facility.address = {.city = "C", .state = "S", .country = "K", .zip = "Z"};
    location.status = "Recruiting";
    location.contact.email = "e@x";
    location.contact_backup.phone_ext = "9";
    location.deleteFlag = true;
    page->load(record);
    auto* list = page->control<QTreeView>(Page::IDC_LOCATIONS);
    ASSERT_EQ(locationRow(-1).size(), 20);
    EXPECT_EQ(locationRow(-1).value(14), "Middle Initial Backup");
    EXPECT_EQ(list->columnWidth(5), shownColumnWidth(list, 5, 125));
    const QStringList row = locationRow(0);
    EXPECT_EQ(row.mid(0, 6), (QStringList{"Clinic", "C", "S", "Z", "K", "Recruiting"}));
    EXPECT_EQ(row.value(12), "e@x");
    EXPECT_EQ(row.value(18), "9");

    page->store();
    ASSERT_EQ(record.location.size(), 1u);
    const Location& stored = *record.location[0];
    EXPECT_TRUE(stored.deleteFlag);
    EXPECT_EQ(stored.facility.address.zip, "Z");
    EXPECT_EQ(stored.facility.address.country, "K");
    EXPECT_EQ(stored.contact_backup.phone_ext, "9");
    EXPECT_EQ(investigatorsOf(0), std::vector<std::string>{"Ivy"});
}

TEST_F(LocationsPageTest, AddedLocationStoresItsInvestigatorsInOrder) {
    addLocation("First", {});
    page->load(record);
    page->locations().selectRow(0);
    whenModal<Dialog>([](Dialog* dialog) {
        EXPECT_EQ(dialog->windowTitle(), "Add Location");
        EXPECT_EQ(dialog->investigators().rowCount(), 0);
        fillRequired(dialog);
        addInvestigator(dialog, "P", 0);
        addInvestigator(dialog, "S", 1);
        dialog->accept();
    });
    page->addLocation();
    ASSERT_EQ(page->locations().rowCount(), 2);
    EXPECT_EQ(page->locations().firstSelectedRow(), 0);
    page->store();
    EXPECT_EQ(record.location[1]->facility.name,
              QString("v%1").arg(Dialog::IDC_FACILITY_NAME).toStdString());
    ASSERT_EQ(record.location[1]->investigator.size(), 2u);
    EXPECT_EQ(record.location[1]->investigator[0]->first_name, "P");
    EXPECT_EQ(record.location[1]->investigator[0]->role, "Principal Investigator");
    EXPECT_EQ(record.location[1]->investigator[1]->role, "Sub-Investigator");
    EXPECT_TRUE(record.location[0]->investigator.empty());

    // A cancelled Add adds nothing.
    whenModal<Dialog>([](Dialog* dialog) {
        fillRequired(dialog);
        addInvestigator(dialog, "X", 0);
        dialog->reject();
    });
    page->addLocation();
    EXPECT_EQ(page->locations().rowCount(), 2);
    EXPECT_EQ(investigatorCount(0), 0u);
    EXPECT_EQ(investigatorCount(1), 2u);
}

TEST_F(LocationsPageTest, EditRewritesInvestigatorsOnlyOnOk) {
    addLocation("Site", {"A", "B"});
    page->load(record);
    page->locations().selectRow(0);
    whenModal<Dialog>([](Dialog* dialog) {
        EXPECT_EQ(dialog->investigators().rowCount(), 2);
        dialog->investigators().selectRow(0);
        QTest::mouseClick(dialog->control(Dialog::IDC_REMOVE), Qt::LeftButton);
        addInvestigator(dialog, "C", 0);
        dialog->reject();
    });
    page->editLocation();
    ASSERT_EQ(investigatorCount(0), 2u);
    EXPECT_EQ(page->locations().item(0).investigator[0]->first_name, "A");

    platform.prompts().answerMessage(MessageAnswer::Ok);
    whenModal<Dialog>([&](Dialog* dialog) {
        dialog->investigators().selectRow(1);
        dialog->removeInvestigator();
        dialog->accept(); // refused: the contacts are empty
        EXPECT_EQ(platform.prompts().last().text, "Please enter a Last Name.");
        fillRequired(dialog);
        dialog->accept();
    });
    page->editLocation();
    ASSERT_EQ(investigatorCount(0), 1u);
    EXPECT_EQ(locationRow(0).value(0), QString("v%1").arg(Dialog::IDC_FACILITY_NAME));
    EXPECT_EQ(page->locations().firstSelectedRow(), 0);
    page->store();
    EXPECT_EQ(investigatorsOf(0), std::vector<std::string>{"A"});
}

TEST_F(LocationsPageTest, RemoveKeepsTheOtherLocationsInvestigators) {
    addLocation("One", {"1a", "1b"});
    addLocation("Two", {"2a"});
    addLocation("Three", {"3a", "3b"});
    page->load(record);
    platform.prompts().answerMessage(MessageAnswer::Ok);
    page->removeLocation();
    EXPECT_EQ(platform.prompts().last().text, "Please select an item to remove.");
    EXPECT_EQ(page->locations().rowCount(), 3);

    page->locations().selectRow(1);
    QTest::mouseClick(page->control(Page::IDC_REMOVE), Qt::LeftButton);
    EXPECT_EQ(page->locations().firstSelectedRow(), 1);
    page->store();
    ASSERT_EQ(record.location.size(), 2u);
    EXPECT_EQ(record.location[1]->facility.name, "Three");
    EXPECT_EQ(investigatorsOf(0), (std::vector<std::string>{"1a", "1b"}));
    EXPECT_EQ(investigatorsOf(1), (std::vector<std::string>{"3a", "3b"}));

    // Editing the row now at index 1 opens the third location's investigators.
    page->load(record);
    page->locations().selectRow(1);
    int seen = -1;
    whenModal<Dialog>([&](Dialog* dialog) {
        seen = dialog->investigators().rowCount();
        EXPECT_EQ(shownRow(dialog->investigators().view(), 0).value(0), "3a");
        dialog->reject();
    });
    page->editLocation();
    EXPECT_EQ(seen, 2);
}

TEST_F(LocationsPageTest, DialogChecksTheSevenEntriesInOrder) {
    Dialog dialog;
    const std::vector<std::pair<int, QString>> order = {
        {Dialog::IDC_FACILITY_NAME, "Please enter a Facility Name."},
        {Dialog::IDC_LAST_NAME, "Please enter a Last Name."},
        {Dialog::IDC_PHONE, "Please enter a Phone Number."},
        {Dialog::IDC_EMAIL, "Please enter an Email Address."},
        {Dialog::IDC_BACKUP_LAST_NAME, "Please enter a Last Name."},
        {Dialog::IDC_BACKUP_PHONE, "Please enter a Phone Number."},
        {Dialog::IDC_BACKUP_EMAIL, "Please enter an Email Address."},
    };
    for (std::size_t i = 0; i < order.size(); ++i) {
        platform.prompts().answerMessage(MessageAnswer::Ok);
    }
    whenModal<Dialog>([&](Dialog* d) {
        for (const auto& [id, message] : order) {
            d->accept();
            EXPECT_EQ(platform.prompts().last().text, message);
            EXPECT_EQ(d->focusWidget(), edit(d, id)) << message.toStdString();
            EXPECT_TRUE(d->isVisible());
            edit(d, id)->setText(" ");
        }
        d->accept();
    });
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    EXPECT_EQ(dialog.item().facility.name, " ");
    EXPECT_EQ(dialog.item().contact_backup.email, " ") << "texts as typed";
}

TEST_F(LocationsPageTest, AnUnknownStatusIsShownAsWrittenAndStaysUntilOneIsChosen) {
    addLocation("Site", {}).status = "Closed";
    addLocation("Other", {}).status = "active";
    page->load(record);
    QString status = "unset";
    const auto editRow = [&](int row, int choice) {
        page->locations().selectRow(row);
        whenModal<Dialog>([&](Dialog* dialog) {
            auto* box =
                dialog->findChild<QComboBox*>(QStringLiteral("control%1").arg(Dialog::IDC_STATUS));
            status = box->currentText();
            fillRequired(dialog);
            if (choice >= 0) {
                box->setCurrentIndex(choice);
            }
            dialog->accept();
        });
        page->editLocation();
    };
    editRow(0, -1);
    EXPECT_EQ(status, "Closed");
    page->store();
    EXPECT_EQ(record.location[0]->status, "Closed") << "the user left it alone";
    editRow(0, int(Dialog::recruitmentStatuses().indexOf("No longer recruiting")));
    editRow(1, -1);
    EXPECT_EQ(status, "active");
    page->store();
    EXPECT_EQ(record.location[0]->status, "No longer recruiting");
    EXPECT_EQ(record.location[1]->status, "active");
}

TEST_F(LocationsPageTest, ASecondLoadShowsChangedCellsAndDropsSurplusRows) {
    addLocation("One", {"a"});
    addLocation("Two", {"b"});
    page->load(record);
    page->locations().selectRow(1);
    record.location[0]->facility.name = "Caf\xC3\xA9";
    record.location[0]->contact.email = "";
    record.location.pop_back();
    page->load(record);
    ASSERT_EQ(page->locations().rowCount(), 1);
    EXPECT_EQ(locationRow(0).value(0), QString::fromUtf8("Caf\xC3\xA9"));
    EXPECT_EQ(page->locations().firstSelectedRow(), -1);
    ASSERT_EQ(investigatorCount(0), 1u);
    page->store();
    EXPECT_EQ(record.location[0]->facility.name, "Caf\xC3\xA9");
    EXPECT_EQ(investigatorsOf(0), std::vector<std::string>{"a"});
}
