#include "editor/lists/StudyDocumentsPage.h"

#include "editor/EditorTestSupport.h"
#include "editor/lists/StudyDocumentDialog.h"
#include "model/StudyRecord.h"
#include "platform/TestPlatform.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QTreeView>
#include <gtest/gtest.h>

namespace {

using Dialog = StudyDocumentDialog;

QComboBox* typeBox(Dialog* dialog) {
    return qobject_cast<QComboBox*>(dialog->control(Dialog::IDC_TYPE));
}

QLineEdit* edit(Dialog* dialog, int id) {
    return qobject_cast<QLineEdit*>(dialog->control(id));
}

// Picks `entry` with the keyboard, as the user does.
void chooseType(Dialog* dialog, const QString& entry) {
    QComboBox* box = typeBox(dialog);
    box->setFocus();
    const int target = box->findText(entry);
    while (box->currentIndex() < target) {
        QTest::keyClick(box, Qt::Key_Down);
    }
    while (box->currentIndex() > target) {
        QTest::keyClick(box, Qt::Key_Up);
    }
}

bool otherTypeOpen(Dialog* dialog) {
    return dialog->control(Dialog::IDC_OTHER_TYPE)->isEnabled() &&
           dialog->control(Dialog::IDC_OTHER_TYPE_LABEL)->isEnabled();
}

class StudyDocumentsPageTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.resize(600, 700);
        page = new StudyDocumentsPage(&window);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    QTreeView* list() { return page->control<QTreeView>(StudyDocumentsPage::IDC_DOCUMENTS); }

    TestPlatform platform;
    QWidget window;
    StudyDocumentsPage* page = nullptr;
    StudyRecord record;
};

} // namespace

TEST_F(StudyDocumentsPageTest, AddEditAndStoreThroughTheDialog) {
    StudyDocument& kept = appendNew(record.study_document);
    kept.study_document_type = "Study Protocol";
    kept.url = "https://a.example/protocol";
    kept.study_document_comments.setText("v2\r\nfinal");
    kept.deleteFlag = true;
    page->load(record);
    EXPECT_EQ(shownRow(list(), -1),
              (QStringList{"Type", "Other Type", "URL", "Identifier", "Comments"}));
    EXPECT_EQ(shownRow(list(), 0),
              (QStringList{"Study Protocol", "", "https://a.example/protocol", "", "v2\r\nfinal"}));

    QString title;
    bool openBefore = true;
    bool openAfter = false;
    whenModal<Dialog>([&](Dialog* dialog) {
        title = dialog->windowTitle();
        openBefore = otherTypeOpen(dialog);
        chooseType(dialog, "Other");
        openAfter = otherTypeOpen(dialog);
        edit(dialog, Dialog::IDC_OTHER_TYPE)->setText("Data Dictionary");
        edit(dialog, Dialog::IDC_IDENTIFIER)->setText("DD-1");
        QTest::mouseClick(dialog->control(Dialog::kOk), Qt::LeftButton);
    });
    QTest::mouseClick(page->control(StudyDocumentsPage::IDC_ADD), Qt::LeftButton);
    EXPECT_EQ(title, "Add Study Document");
    EXPECT_FALSE(openBefore) << "closed until the type is Other";
    EXPECT_TRUE(openAfter);

    whenModal<Dialog>([&](Dialog* dialog) {
        title = dialog->windowTitle();
        edit(dialog, Dialog::IDC_URL)->setText("https://a.example/p3");
        QTest::mouseClick(dialog->control(Dialog::kOk), Qt::LeftButton);
    });
    doubleClickRow(list(), 0);
    EXPECT_EQ(title, "Edit Study Document");

    page->store();
    ASSERT_EQ(record.study_document.size(), 2u);
    EXPECT_EQ(record.study_document[0]->url, "https://a.example/p3");
    EXPECT_EQ(record.study_document[0]->study_document_comments.text(), "v2\r\nfinal");
    EXPECT_TRUE(record.study_document[0]->deleteFlag);
    const StudyDocument& added = *record.study_document[1];
    EXPECT_EQ(added.study_document_type, "Other");
    EXPECT_EQ(added.study_document_other_type, "Data Dictionary");
    EXPECT_EQ(added.study_document_identifier, "DD-1");
}

// Every document needs a type; an other type goes with "Other" only, but an
// item's own is never dropped unless the user changes the type.
TEST(StudyDocumentDialogTest, TypeIsRequiredAndOtherTypeGoesWithOther) {
    TestPlatform platform;
    {
        Dialog dialog;
        platform.prompts().answerMessage(MessageAnswer::Ok);
        whenModal<Dialog>([](Dialog* d) {
            QTest::mouseClick(d->control(Dialog::kOk), Qt::LeftButton);
            EXPECT_TRUE(d->isVisible()) << "refused";
            EXPECT_EQ(d->focusWidget(), typeBox(d));
            d->reject();
        });
        dialog.exec();
        EXPECT_EQ(platform.prompts().last().text, Dialog::kChooseType);
    }
    struct Case {
        const char* type;
        const char* chosen; // null: the type is left alone
        bool open;
        const char* otherAfter;
    };
    for (const Case& c :
         {Case{"Other", "Study Protocol", true, ""}, Case{"other", nullptr, true, "Kept"},
          Case{"Analytic Code", nullptr, true, "Kept"}, Case{"Other", nullptr, true, "Kept"}}) {
        Dialog dialog;
        StudyDocument given;
        given.study_document_type = c.type;
        given.study_document_other_type = "Kept";
        dialog.setItem(given);
        EXPECT_EQ(otherTypeOpen(&dialog), c.open) << c.type;
        whenModal<Dialog>([&c](Dialog* d) {
            if (c.chosen != nullptr) {
                chooseType(d, c.chosen);
                EXPECT_FALSE(otherTypeOpen(d));
            }
            QTest::mouseClick(d->control(Dialog::kOk), Qt::LeftButton);
        });
        ASSERT_EQ(dialog.exec(), QDialog::Accepted) << c.type;
        EXPECT_EQ(dialog.item().study_document_type, c.chosen ? c.chosen : c.type);
        EXPECT_EQ(dialog.item().study_document_other_type, c.otherAfter) << c.type;
    }
}
