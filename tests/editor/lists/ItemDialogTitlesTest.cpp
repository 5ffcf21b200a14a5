#include "editor/EditorTestSupport.h"
#include "editor/ItemDialog.h"
#include "editor/lists/ArmsInterventionsPage.h"
#include "editor/lists/GroupDialog.h"
#include "editor/lists/LocationDialog.h"
#include "editor/lists/OfficialDialog.h"
#include "editor/lists/ReferencesPage.h"
#include "model/StudyRecord.h"
#include "platform/TestPlatform.h"

#include <QGroupBox>
#include <QLabel>
#include <QTest>
#include <QTreeView>
#include <gtest/gtest.h>

namespace {

// Clicks a list's row, then `button`, and returns the title of the item
// dialog that opens (cancelled at once).
QString titleAfter(QWidget* host, QTreeView* list, int button) {
    if (list != nullptr) {
        QApplication::processEvents(); // lays the rows out
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualRect(list->model()->index(0, 0)).center());
    }
    // Registered last: a dialog already running must not be taken for the new one.
    QString title = QStringLiteral("(no dialog)");
    whenModal<ItemDialog>([&title](ItemDialog* dialog) {
        title = dialog->windowTitle();
        dialog->reject();
    });
    QTest::mouseClick(host->findChild<QWidget*>(QStringLiteral("control%1").arg(button)),
                      Qt::LeftButton);
    return title;
}

} // namespace

TEST(ItemDialogTitles, AddAndEditSayWhatTheyDo) {
    TestPlatform platform;
    StudyRecord record;
    appendNew(record.reference).citation = "C";
    appendNew(record.link).url = "http://a.org";
    appendNew(record.intervention).intervention_name = "I";
    QWidget window;
    window.resize(600, 700);
    auto* references = new ReferencesPage(&window);
    auto* arms = new ArmsInterventionsPage(&window);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    references->load(record);
    arms->load(record);

    using R = ReferencesPage;
    using A = ArmsInterventionsPage;
    struct Case {
        EditorPage* page;
        int list, add, edit;
        QString item;
    };
    for (const Case& c : {
             Case{references, R::IDC_CITATIONS, R::IDC_CITATION_ADD, R::IDC_CITATION_EDIT,
                  "Citation"},
             Case{references, R::IDC_LINKS, R::IDC_LINK_ADD, R::IDC_LINK_EDIT, "Link"},
             Case{arms, A::IDC_INTERVENTIONS, A::IDC_INTERVENTION_ADD, A::IDC_INTERVENTION_EDIT,
                  "Intervention"},
         }) {
        QTreeView* list = c.page->control<QTreeView>(c.list);
        EXPECT_EQ(titleAfter(c.page, nullptr, c.add), "Add " + c.item);
        EXPECT_EQ(titleAfter(c.page, list, c.edit), "Edit " + c.item);
    }
}

TEST(ItemDialogTitles, InvestigatorsAndGroupsAreNamedAsSuch) {
    TestPlatform platform;
    Location location;
    appendNew(location.investigator).first_name = "P";
    LocationDialog dialog;
    dialog.setItem(location);
    QStringList titles;
    whenModal<LocationDialog>([&titles](LocationDialog* d) {
        auto* list = qobject_cast<QTreeView*>(d->control(LocationDialog::IDC_INVESTIGATORS));
        titles << titleAfter(d, nullptr, LocationDialog::IDC_ADD);
        titles << titleAfter(d, list, LocationDialog::IDC_EDIT);
        d->reject();
    });
    dialog.exec();
    EXPECT_EQ(titles, (QStringList{"Add Investigator", "Edit Investigator"}));

    OfficialDialog investigator;
    investigator.setItem(Investigator());
    EXPECT_EQ(investigator.findChild<QLabel*>(
                  QStringLiteral("control%1").arg(OfficialDialog::IDC_ROLE_LABEL))->text(),
              "Investigator's Role");

    GroupDialog group;
    QStringList frames;
    for (const QGroupBox* frame : group.findChildren<QGroupBox*>()) {
        frames << frame->title();
    }
    EXPECT_EQ(frames, QStringList{"Study Group / Cohort"});
}
