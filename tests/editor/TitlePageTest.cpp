#include "editor/TitlePage.h"

#include "EditorTestSupport.h"
#include "editor/SecondaryIdDialog.h"
#include "model/StudyRecord.h"
#include "platform/TestPlatform.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeView>
#include <gtest/gtest.h>

namespace {

class TitlePageTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.resize(600, 700);
        page = new TitlePage(&window);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    template <class T> T* get(int id) { return page->control<T>(id); }
    QString combo(int id) { return get<QComboBox>(id)->currentText(); }
    QStringList secondaryRow(int row) {
        return shownRow(get<QTreeView>(TitlePage::IDC_SECONDARY_IDS), row);
    }
    void addSecondary(const char* id, const char* type, const char* domain, bool deleted = false) {
        SecondaryId& secondary = appendNew(record.id_info.secondary_id);
        secondary.id = id;
        secondary.id_type = type;
        secondary.id_domain = domain;
        secondary.deleteFlag = deleted;
    }
    // Answers the next secondary ID dialog: fills it and presses OK, or cancels.
    void answerDialog(const QString& id, int type, const QString& domain, bool ok = true) {
        whenModal<SecondaryIdDialog>([=, this](SecondaryIdDialog* dialog) {
            seenLabel = dialog->domainLabel();
            seenType = qobject_cast<QComboBox*>(dialog->control(SecondaryIdDialog::IDC_ID_TYPE))
                           ->currentText();
            seenId = qobject_cast<QLineEdit*>(dialog->control(SecondaryIdDialog::IDC_ID))->text();
            qobject_cast<QLineEdit*>(dialog->control(SecondaryIdDialog::IDC_ID))->setText(id);
            qobject_cast<QComboBox*>(dialog->control(SecondaryIdDialog::IDC_ID_TYPE))
                ->setCurrentIndex(type);
            qobject_cast<QLineEdit*>(dialog->control(SecondaryIdDialog::IDC_DOMAIN))
                ->setText(domain);
            if (ok) {
                dialog->accept();
            } else {
                dialog->reject();
            }
        });
    }

    TestPlatform platform;
    QWidget window;
    TitlePage* page = nullptr;
    StudyRecord record;
    QString seenLabel, seenType, seenId;
};

} // namespace

TEST_F(TitlePageTest, LoadShowsTheRecordsOwnTexts) {
    record.id_info.org_study_id = "ABC-1";
    record.brief_title.setText("Brief");
    record.acronym = "ACR";
    record.official_title.setText("Line one\r\nLine two");
    record.study_design.study_type.setText("observational");
    record.is_ind_study.setText("n");
    addSecondary("S1", "Registry Identifier", "Reg");
    addSecondary("S2", "", "");
    page->load(record);

    EXPECT_EQ(get<QLineEdit>(TitlePage::IDC_UNIQUE_ID)->text(), "ABC-1");
    EXPECT_EQ(get<QLineEdit>(TitlePage::IDC_BRIEF_TITLE)->text(), "Brief");
    EXPECT_EQ(get<QLineEdit>(TitlePage::IDC_ACRONYM)->text(), "ACR");
    EXPECT_EQ(get<QPlainTextEdit>(TitlePage::IDC_OFFICIAL_TITLE)->toPlainText(),
              "Line one\nLine two");
    EXPECT_EQ(combo(TitlePage::IDC_STUDY_TYPE), "observational");
    EXPECT_EQ(combo(TitlePage::IDC_IND_PROTOCOL), "n");
    ASSERT_EQ(page->secondaryIds().rowCount(), 2);
    EXPECT_EQ(secondaryRow(0), (QStringList{"S1", "Registry Identifier", "Reg"}));
    EXPECT_EQ(secondaryRow(1), (QStringList{"S2", "", ""}));
    auto* list = get<QTreeView>(TitlePage::IDC_SECONDARY_IDS);
    EXPECT_EQ(secondaryRow(-1), (QStringList{"ID", "ID Type", "ID Domain"}));
    EXPECT_EQ(list->columnWidth(0), 200);
    EXPECT_EQ(list->columnWidth(1), 150);

    // A second load replaces the rows.
    record.id_info.clearSecondaryIds();
    page->load(record);
    EXPECT_EQ(page->secondaryIds().rowCount(), 0);
}

TEST_F(TitlePageTest, StoreWritesControlsAndKeepsTheSecondaryIds) {
    record.id_info.org_name = "Org";
    record.id_info.provider_name = "Provider";
    addSecondary("S1", "EudraCT Number", "", true);
    page->load(record);
    get<QLineEdit>(TitlePage::IDC_UNIQUE_ID)->setText("  spaced  ");
    get<QPlainTextEdit>(TitlePage::IDC_OFFICIAL_TITLE)->setPlainText("a\nb");
    get<QComboBox>(TitlePage::IDC_STUDY_TYPE)->setCurrentIndex(2);
    page->secondaryIds().model().append(
        {.id = "S2", .id_type = "Other Identifier", .id_domain = "Issuer"});
    page->store();

    EXPECT_EQ(record.id_info.org_study_id, "  spaced  ");
    EXPECT_EQ(record.official_title.displayText(), "a\r\nb");
    EXPECT_EQ(record.study_design.study_type.displayText(), "Expanded Access");
    EXPECT_EQ(record.id_info.org_name, "Org");
    EXPECT_EQ(record.id_info.provider_name, "Provider");
    ASSERT_EQ(record.id_info.secondary_id.size(), 2u);
    EXPECT_EQ(record.id_info.secondary_id[0]->id, "S1");
    EXPECT_TRUE(record.id_info.secondary_id[0]->deleteFlag) << "the item keeps its flag";
    EXPECT_EQ(record.id_info.secondary_id[1]->id_type, "Other Identifier");
    EXPECT_EQ(record.id_info.secondary_id[1]->id_domain, "Issuer");
}

TEST_F(TitlePageTest, AddAppendsAnUnselectedRowAndCancelAddsNothing) {
    page->load(record);
    page->secondaryIds().model().append({.id = "first", .id_type = "", .id_domain = ""});
    page->secondaryIds().selectRow(0);
    answerDialog("new", 5, "Org");
    page->addSecondaryId();
    EXPECT_EQ(seenId, QString()) << "Add starts empty";
    EXPECT_EQ(seenLabel, "ID Domain");
    ASSERT_EQ(page->secondaryIds().rowCount(), 2);
    EXPECT_EQ(secondaryRow(1), (QStringList{"new", "Other Identifier", "Org"}));
    EXPECT_EQ(page->secondaryIds().firstSelectedRow(), 0);

    answerDialog("dropped", 0, "", false);
    QTest::mouseClick(get<QPushButton>(TitlePage::IDC_ADD), Qt::LeftButton);
    EXPECT_EQ(page->secondaryIds().rowCount(), 2);
}

TEST_F(TitlePageTest, TheItemDialogKeepsItsOwnEnterAndEscape) {
    page->load(record);
    whenModal<SecondaryIdDialog>([](SecondaryIdDialog* dialog) {
        auto* id = dialog->control(SecondaryIdDialog::IDC_ID);
        QTest::keyClicks(id, "typed");
        QTest::keyClick(id, Qt::Key_Return);
    });
    page->addSecondaryId();
    ASSERT_EQ(page->secondaryIds().rowCount(), 1);
    EXPECT_EQ(secondaryRow(0).value(0), "typed");

    whenModal<SecondaryIdDialog>([](SecondaryIdDialog* dialog) {
        QTest::keyClick(dialog->control(SecondaryIdDialog::IDC_DOMAIN), Qt::Key_Escape);
    });
    page->addSecondaryId();
    EXPECT_EQ(page->secondaryIds().rowCount(), 1);
}

TEST_F(TitlePageTest, EditOpensTheRowAndReplacesItInPlace) {
    addSecondary("R1", "Registry Identifier", "Reg");
    addSecondary("R2", "", "");
    page->load(record);
    platform.prompts().answerMessage(MessageAnswer::Ok);
    page->editSecondaryId();
    EXPECT_EQ(platform.prompts().last().text, "Please select an item to edit.");
    EXPECT_EQ(platform.prompts().last().icon, MessageIcon::Error);
    EXPECT_EQ(platform.prompts().last().caption, "Protoscribe");

    page->secondaryIds().selectRow(0);
    answerDialog("R1b", 4, "EU");
    page->editSecondaryId();
    EXPECT_EQ(seenId, "R1");
    EXPECT_EQ(seenType, "Registry Identifier");
    EXPECT_EQ(seenLabel, "Registry");
    EXPECT_EQ(secondaryRow(0), (QStringList{"R1b", "EudraCT Number", "EU"}));
    EXPECT_EQ(secondaryRow(1), (QStringList{"R2", "", ""}));

    answerDialog("ignored", 1, "x", false);
    page->editSecondaryId();
    EXPECT_EQ(secondaryRow(0), (QStringList{"R1b", "EudraCT Number", "EU"}));
}

TEST_F(TitlePageTest, DoubleClickEdits) {
    addSecondary("D1", "", "");
    page->load(record);
    page->secondaryIds().selectRow(0);
    answerDialog("D2", 0, "");
    doubleClickRow(get<QTreeView>(TitlePage::IDC_SECONDARY_IDS), 0);
    EXPECT_EQ(secondaryRow(0).value(0), "D2");
}

TEST_F(TitlePageTest, RemoveReselectsTheRowAtItsPlaceOrTheOneBefore) {
    addSecondary("A", "", "");
    addSecondary("B", "", "");
    addSecondary("C", "", "");
    page->load(record);
    platform.prompts().answerMessage(MessageAnswer::Ok);
    page->removeSecondaryId();
    EXPECT_EQ(platform.prompts().last().text, "Please select an item to remove.");
    EXPECT_EQ(page->secondaryIds().rowCount(), 3);

    page->secondaryIds().selectRow(0);
    page->removeSecondaryId();
    EXPECT_EQ(secondaryRow(0).value(0), "B");
    EXPECT_EQ(page->secondaryIds().firstSelectedRow(), 0);
    page->secondaryIds().selectRow(1);
    page->removeSecondaryId();
    EXPECT_EQ(page->secondaryIds().rowCount(), 1);
    EXPECT_EQ(page->secondaryIds().firstSelectedRow(), 0);
    page->removeSecondaryId();
    EXPECT_EQ(page->secondaryIds().rowCount(), 0);
    EXPECT_EQ(page->secondaryIds().firstSelectedRow(), -1);
    EXPECT_EQ(platform.prompts().shown().size(), 1u);
}

TEST(SecondaryIdDialogTest, DomainLabelFollowsTheType) {
    TestPlatform platform;
    SecondaryIdDialog dialog;
    EXPECT_EQ(dialog.windowTitle(), "Add Secondary ID");
    auto* types = qobject_cast<QComboBox*>(dialog.control(SecondaryIdDialog::IDC_ID_TYPE));
    EXPECT_EQ(types->count(), 6);
    EXPECT_EQ(types->currentIndex(), -1);
    EXPECT_EQ(dialog.domainLabel(), "ID Domain");
    const std::pair<const char*, const char*> expected[] = {
        {"NIH Grant Number", "ID Domain"},           {"Other Grant/Funding Number", "Grant or Funder"},
        {"Registry Identifier", "Registry"},         {"EU Trial (CTIS) Number", "ID Domain"},
        {"EudraCT Number", "ID Domain"},             {"Other Identifier", "Issuing Organization"}};
    types->setCurrentIndex(5);
    EXPECT_EQ(dialog.domainLabel(), "Issuing Organization");
    for (int i = 0; i < 6; ++i) {
        types->setCurrentIndex(i);
        EXPECT_EQ(types->currentText(), expected[i].first);
        EXPECT_EQ(dialog.domainLabel(), expected[i].second) << expected[i].first;
    }
    // The older NIH type is not offered, but a record's is shown and kept.
    SecondaryIdDialog older;
    older.setItem({.id = "R01", .id_type = "US NIH Grant Number", .id_domain = ""});
    auto* olderTypes = qobject_cast<QComboBox*>(older.control(SecondaryIdDialog::IDC_ID_TYPE));
    EXPECT_EQ(olderTypes->currentText(), "US NIH Grant Number");
    EXPECT_EQ(olderTypes->currentIndex(), 6);
    whenModal<SecondaryIdDialog>([](SecondaryIdDialog* d) { d->accept(); });
    EXPECT_EQ(older.exec(), QDialog::Accepted);
    EXPECT_EQ(older.item().id_type, "US NIH Grant Number");
    // A type the list does not have is shown as it is and keeps the default
    // label; no prefix stands for an entry.
    SecondaryIdDialog unknown;
    unknown.setItem({.id = "x", .id_type = "Something else", .id_domain = "d"});
    EXPECT_EQ(
        qobject_cast<QComboBox*>(unknown.control(SecondaryIdDialog::IDC_ID_TYPE))->currentText(),
        "Something else");
    EXPECT_EQ(unknown.domainLabel(), "ID Domain");
    SecondaryIdDialog prefixed;
    prefixed.setItem({.id = "x", .id_type = "other g", .id_domain = "d"});
    EXPECT_EQ(prefixed.domainLabel(), "ID Domain");
}

TEST(SecondaryIdDialogTest, OkRefusesAnEmptyIdAndReturnsTheTextsAsTyped) {
    TestPlatform platform;
    SecondaryIdDialog dialog;
    auto* id = qobject_cast<QLineEdit*>(dialog.control(SecondaryIdDialog::IDC_ID));
    auto* domain = qobject_cast<QLineEdit*>(dialog.control(SecondaryIdDialog::IDC_DOMAIN));
    EXPECT_EQ(domain->maxLength(), 119);
    platform.prompts().answerMessage(MessageAnswer::Ok);
    int result = -1;
    whenModal<SecondaryIdDialog>([&](SecondaryIdDialog* d) {
        QTest::mouseClick(d->control(SecondaryIdDialog::IDC_OK), Qt::LeftButton);
        EXPECT_TRUE(d->isVisible()) << "stays open";
        EXPECT_EQ(d->focusWidget(), id);
        id->setText("  ");
        domain->setText(" dom ");
        QTest::mouseClick(d->control(SecondaryIdDialog::IDC_OK), Qt::LeftButton);
    });
    result = dialog.exec();
    EXPECT_EQ(result, QDialog::Accepted);
    ASSERT_EQ(platform.prompts().shown().size(), 1u);
    EXPECT_EQ(platform.prompts().last().text, "Please enter an ID.");
    EXPECT_EQ(platform.prompts().last().icon, MessageIcon::Error);
    EXPECT_EQ(dialog.item().id, "  ");
    EXPECT_EQ(dialog.item().id_type, "") << "no type selected";
    EXPECT_EQ(dialog.item().id_domain, " dom ");
}

TEST(SecondaryIdDialogTest, CancelKeepsTheItem) {
    TestPlatform platform;
    SecondaryIdDialog dialog;
    dialog.setItem({.id = "in", .id_type = "Registry Identifier", .id_domain = "dom"});
    whenModal<SecondaryIdDialog>([](SecondaryIdDialog* d) {
        qobject_cast<QLineEdit*>(d->control(SecondaryIdDialog::IDC_ID))->setText("typed");
        QTest::keyClick(d->control(SecondaryIdDialog::IDC_ID), Qt::Key_Escape);
    });
    EXPECT_EQ(dialog.exec(), QDialog::Rejected);
    EXPECT_EQ(dialog.item().id, "in");
}

// The domain box holds no more than the registry takes; a longer domain the
// user does not touch still comes back whole.
TEST(SecondaryIdDialogTest, ALongDomainLeftAloneStaysWhole) {
    TestPlatform platform;
    SecondaryIdDialog dialog;
    const std::string domain(300, 'd');
    dialog.setItem({.id = "in", .id_type = "", .id_domain = domain});
    whenModal<SecondaryIdDialog>([](SecondaryIdDialog* d) { d->accept(); });
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    EXPECT_EQ(dialog.item().id_domain, domain);
}
