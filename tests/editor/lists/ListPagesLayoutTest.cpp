#include "editor/EditorSection.h"
#include "editor/ProtocolEditor.h"
#include "editor/lists/ArmsInterventionsPage.h"
#include "editor/lists/ConditionsPage.h"
#include "editor/lists/ContactsPage.h"
#include "editor/lists/IpdSharingPage.h"
#include "editor/lists/LocationsPage.h"
#include "editor/lists/OutcomesPage.h"
#include "editor/lists/ReferencesPage.h"
#include "editor/lists/StudyDocumentsPage.h"
#include "platform/TestPlatform.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

struct LayoutCase {
    const char* section;
    int grows;   // the lowest list or box: grows both ways
    int follows; // below it: moves down with it, keeps its height (0: none)
    int widens;  // above it: widens only (0: none)
};

const LayoutCase kLayouts[] = {
    {"Outcome Measures", OutcomesPage::IDC_OTHER_LIST, OutcomesPage::IDC_OTHER_ADD,
     OutcomesPage::IDC_PRIMARY_LIST},
    {"Conditions", ConditionsPage::IDC_KEYWORDS, 0, ConditionsPage::IDC_CONDITIONS},
    {"Interventions", ArmsInterventionsPage::IDC_ARMS, ArmsInterventionsPage::IDC_ARM_REMOVE,
     ArmsInterventionsPage::IDC_INTERVENTIONS},
    {"Contacts", ContactsPage::IDC_OFFICIALS, ContactsPage::IDC_ADD,
     int{ContactsPage::IDC_BACKUP_FIRST} + ContactsPage::Email},
    {"Locations", LocationsPage::IDC_LOCATIONS, LocationsPage::IDC_EDIT, 0},
    {"IPD Sharing", IpdSharingPage::IDC_ACCESS_CRITERIA, IpdSharingPage::IDC_URL,
     IpdSharingPage::IDC_DESCRIPTION},
    {"References", ReferencesPage::IDC_LINKS, ReferencesPage::IDC_LINK_ADD,
     ReferencesPage::IDC_CITATIONS},
    {"Study Documents", StudyDocumentsPage::IDC_DOCUMENTS, StudyDocumentsPage::IDC_REMOVE, 0},
};

} // namespace

// A taller, wider page gives the extra room to the lowest list; what stands
// below it moves down, what stands above only widens.
TEST(ListPagesLayout, TheLowestListTakesTheRoomAPageGains) {
    TestPlatform platform;
    const QSize more(60, 40);
    for (const LayoutCase& c : kLayouts) {
        QWidget window;
        window.resize(900, 900);
        const int section = ProtocolEditor::sectionIndex(QString::fromLatin1(c.section));
        ASSERT_GE(section, 0) << c.section;
        EditorPage* page = editorSections()[static_cast<std::size_t>(section)].makePage(&window);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        const auto place = [page](int id) {
            return id == 0 ? QRect() : page->control(id)->geometry();
        };
        const QRect grows = place(c.grows);
        const QRect follows = place(c.follows);
        const QRect widens = place(c.widens);
        page->resize(page->size() + more);
        EXPECT_EQ(place(c.grows), grows.adjusted(0, 0, more.width(), more.height())) << c.section;
        if (c.follows != 0) {
            EXPECT_EQ(place(c.follows).top(), follows.top() + more.height()) << c.section;
            EXPECT_EQ(place(c.follows).height(), follows.height()) << c.section;
        }
        if (c.widens != 0) {
            EXPECT_EQ(place(c.widens), widens.adjusted(0, 0, more.width(), 0)) << c.section;
        }
    }
}
