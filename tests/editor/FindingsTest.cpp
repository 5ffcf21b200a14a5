// The registry's findings in the editor: a frame and tooltip on the field, a
// badge on the section, the Check list that goes to the field, a fix that
// clears the frame once the user leaves the field, and OK with errors left.
#include "EditorTestSupport.h"
#include "editor/EditorIcons.h"
#include "editor/EditorNavigationBar.h"
#include "editor/EditorPage.h"
#include "editor/FindingFrame.h"
#include "editor/FindingPlace.h"
#include "editor/FindingsDialog.h"
#include "editor/InterventionalDesignPage.h"
#include "editor/ProtocolEditor.h"
#include "editor/StatusPage.h"
#include "editor/TitlePage.h"
#include "editor/lists/LocationsPage.h"
#include "model/CollectionFile.h"
#include "model/RegistryRules.h"
#include "model/StudyCollection.h"
#include "platform/TestPlatform.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

struct FindingCase {
    const char* name;
    void (*spoil)(StudyRecord&);
    std::string_view rule;
    const char* section;
    int control;
    // What the field's tooltip starts with; a list names the entry.
    const char* tooltip;
    // A text that mends the field, typed into it; null for lists.
    const char* fix;
    // The record's text behind the field, to see that checking never writes it.
    std::string (*stored)(const StudyRecord&);
};

const FindingCase kCases[] = {
    {"LongBriefTitle",
     [](StudyRecord& r) { r.brief_title.setText(std::string(301, 't')); }, "brief_title.length",
     "Title", TitlePage::IDC_BRIEF_TITLE, "Brief Title", "A short title",
     [](const StudyRecord& r) { return r.brief_title.displayText(); }},
    {"TerminatedWithoutReason",
     [](StudyRecord& r) {
         r.overall_status.setText("Terminated");
         r.why_stopped.setText("");
     },
     "why_stopped.required", "Status", StatusPage::IDC_WHY_STOPPED, "Why Study Stopped",
     "Funding ended", [](const StudyRecord& r) { return r.why_stopped.displayText(); }},
    {"NoMaskingYetMasked",
     [](StudyRecord& r) { r.study_design.interventional_design.no_masking = "true"; },
     "masking.none", "Interventional Design", InterventionalDesignPage::IDC_NO_MASKING,
     "Masking says no one is masked", nullptr,
     [](const StudyRecord& r) { return r.study_design.interventional_design.no_masking; }},
    {"LocationWithoutFacility", [](StudyRecord& r) { r.location[1]->facility.name.clear(); },
     "location.facility.name.required", "Locations", LocationsPage::IDC_LOCATIONS,
     "Location 2: Facility Name", nullptr,
     [](const StudyRecord& r) { return r.location[1]->facility.name; }},
};

void PrintTo(const FindingCase& c, std::ostream* out) {
    *out << c.name;
}

class FindingsTest : public ::testing::TestWithParam<FindingCase> {
protected:
    void SetUp() override {
        ASSERT_TRUE(CollectionFile::load(PROTOSCRIBE_SAMPLE, collection).ok);
        record = collection.records[0].get(); // interventional, three locations
        GetParam().spoil(*record);
        editor = std::make_unique<ProtocolEditor>();
        editor->setRecord(record);
    }

    int sectionOf() const { return ProtocolEditor::sectionIndex(GetParam().section); }
    EditorPage& page() const { return *editor->page(sectionOf()); }
    QWidget* field() const { return page().control(GetParam().control); }
    bool found() const {
        const auto& all = editor->findings();
        return std::any_of(all.begin(), all.end(),
                           [](const RuleFinding& f) { return f.rule == GetParam().rule; });
    }
    int badgeImage(EditorIcons::Badge badge) const {
        return EditorIcons::imageIndex(
            editorSections()[static_cast<std::size_t>(sectionOf())].icon, badge);
    }

    // Opens Check and chooses the case's finding.
    void chooseInCheckList() {
        whenModal<FindingsDialog>([](FindingsDialog* dialog) {
            QTreeWidget* list = dialog->list();
            for (int row = 0; row < list->topLevelItemCount(); ++row) {
                if (list->topLevelItem(row)->text(0).startsWith(GetParam().tooltip)) {
                    EXPECT_EQ(list->topLevelItem(row)->text(1), GetParam().section);
                    list->setCurrentItem(list->topLevelItem(row));
                    QTest::mouseClick(dialog->control(FindingsDialog::IDC_GO_TO), Qt::LeftButton);
                    return;
                }
            }
            ADD_FAILURE() << "the Check list lacks the finding";
            dialog->reject();
        });
        QTest::mouseClick(editor->control(ProtocolEditor::IDC_CHECK), Qt::LeftButton);
    }

    TestPlatform platform;
    StudyCollection collection;
    StudyRecord* record = nullptr;
    std::unique_ptr<ProtocolEditor> editor;
};

TEST_P(FindingsTest, MarkedListedMendedAndNeverBlockingOk) {
    const FindingCase& c = GetParam();
    const std::string spoilt = c.stored(*record);
    whenModal<ProtocolEditor>([&](ProtocolEditor* e) {
        e->activateWindow(); // focus moves, and is left, only in the active window
        ASSERT_TRUE(QTest::qWaitForWindowActive(e));
        ASSERT_TRUE(found());
        // The frame and the tooltip sit on the field, the badge on its section.
        FindingFrame* frame = page().findingFrame(c.control);
        ASSERT_NE(frame, nullptr);
        EXPECT_EQ(frame->severity(), RuleSeverity::Error);
        EXPECT_TRUE(field()->toolTip().startsWith(c.tooltip)) << field()->toolTip().toStdString();
        const OutlookTabItem* item = e->navigationBar()->itemAt(sectionOf());
        EXPECT_EQ(item->largeImage(), badgeImage(EditorIcons::ErrorBadge));

        chooseInCheckList();
        EXPECT_EQ(e->visiblePage(), &page());
        EXPECT_EQ(e->navigationBar()->selectedItem(), item);
        EXPECT_EQ(e->focusWidget(), field());
        if (auto* list = qobject_cast<QTreeView*>(field())) {
            EXPECT_EQ(list->currentIndex().row(), 1);
        }

        if (c.fix != nullptr) {
            auto* edit = qobject_cast<QLineEdit*>(field());
            ASSERT_NE(edit, nullptr);
            e->activateWindow(); // back from the Check list
            ASSERT_TRUE(QTest::qWaitForWindowActive(e));
            ASSERT_TRUE(edit->hasFocus());
            edit->selectAll();
            QTest::keyClicks(edit, c.fix);
            QTest::keyClick(edit, Qt::Key_Tab); // leaves the field
            EXPECT_FALSE(found());
            EXPECT_EQ(page().findingFrame(c.control), nullptr);
            EXPECT_FALSE(field()->toolTip().startsWith(c.tooltip));
            // Checked through a copy: the record waits for OK.
            EXPECT_EQ(c.stored(*record), spoilt);
        }
        QTest::mouseClick(e->control(ProtocolEditor::IDC_OK), Qt::LeftButton);
    });
    EXPECT_EQ(editor->exec(), QDialog::Accepted);
    EXPECT_EQ(c.stored(*record), c.fix != nullptr ? std::string(c.fix) : spoilt);
}

INSTANTIATE_TEST_SUITE_P(Editor, FindingsTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace

namespace {

// Every rule's element has a place with a control the page really has, except
// the modules the editor has no page for.
TEST(FindingPlaces, EveryRuleReachesAControlOfItsPage) {
    TestPlatform platform;
    ProtocolEditor editor;
    for (const RegistryRule& rule : RegistryRules::table()) {
        if (rule.section == "ipd") {
            continue;
        }
        RuleFinding finding;
        finding.rule = rule.id;
        finding.section = rule.section;
        finding.path = rule.path;
        const std::vector<FindingPlace> places = FindingPlace::candidates(finding);
        ASSERT_FALSE(places.empty()) << rule.id;
        for (const FindingPlace& place : places) {
            EditorPage* page = editor.page(place.section);
            ASSERT_NE(page, nullptr) << rule.id;
            if (place.control != 0) {
                EXPECT_NE(page->control(place.control), nullptr) << rule.id;
            }
        }
    }
}

} // namespace
