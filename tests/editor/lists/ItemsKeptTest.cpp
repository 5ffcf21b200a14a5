// Every list page, loaded from a record whose every field is filled and
// whose delete flags alternate, gives the record back byte for byte when it
// stores, and so does each item after an Edit the user confirms unchanged.
// The title page holds more than its list, so its secondary IDs are compared
// field by field; the conditions page has no dialog, only its boxes.
#include "editor/EditorTestSupport.h"
#include "editor/TitlePage.h"
#include "editor/lists/ArmsInterventionsPage.h"
#include "editor/lists/ConditionsPage.h"
#include "editor/lists/ContactsPage.h"
#include "editor/lists/LocationsPage.h"
#include "editor/lists/OutcomesPage.h"
#include "editor/lists/ReferencesPage.h"
#include "model/CollectionFile.h"
#include "model/RecordFixtures.h"
#include "model/StudyRecord.h"
#include "platform/TestPlatform.h"

#include <cctype>
#include <gtest/gtest.h>
#include <memory>

namespace {

// One list of one page: how to make the page, find the list and edit its
// selected item; the study type the record gets (none keeps the filler's).
struct ListCase {
    std::string name;
    std::function<std::unique_ptr<EditorPage>()> make;
    std::function<ListSection&(EditorPage&)> list;
    std::function<void(EditorPage&)> edit;
    const char* studyType = nullptr;
};

template <class Page>
ListCase listCase(std::string name, std::function<ListSection&(Page&)> list,
                  std::function<void(Page&)> edit, const char* studyType = nullptr) {
    return {std::move(name), [] { return std::make_unique<Page>(); },
            [list](EditorPage& page) -> ListSection& { return list(static_cast<Page&>(page)); },
            [edit](EditorPage& page) { edit(static_cast<Page&>(page)); }, studyType};
}

std::vector<ListCase> listCases() {
    using Outcomes = OutcomesPage;
    using Arms = ArmsInterventionsPage;
    using References = ReferencesPage;
    std::vector<ListCase> cases = {
        listCase<Outcomes>(
            "primary outcomes", [](Outcomes& p) -> ListSection& { return p.primaryOutcomes(); },
            [](Outcomes& p) { p.editOutcome(p.primaryOutcomes()); }),
        listCase<Outcomes>(
            "secondary outcomes", [](Outcomes& p) -> ListSection& { return p.secondaryOutcomes(); },
            [](Outcomes& p) { p.editOutcome(p.secondaryOutcomes()); }),
        listCase<References>(
            "citations", [](References& p) -> ListSection& { return p.citations(); },
            [](References& p) { p.editCitation(); }),
        listCase<References>(
            "links", [](References& p) -> ListSection& { return p.links(); },
            [](References& p) { p.editLink(); }),
        listCase<ContactsPage>(
            "officials", [](ContactsPage& p) -> ListSection& { return p.officials(); },
            [](ContactsPage& p) { p.editOfficial(); }),
        listCase<LocationsPage>(
            "locations", [](LocationsPage& p) -> ListSection& { return p.locations(); },
            [](LocationsPage& p) { p.editLocation(); }),
    };
    // The arm groups in the arm dialog, in the group dialog (which has no arm
    // type) and with neither shown.
    for (const char* type :
         {"Interventional", "Observational", static_cast<const char*>(nullptr)}) {
        const std::string suffix = type == nullptr ? " of another type" : std::string(" ") + type;
        cases.push_back(listCase<Arms>(
            "arm groups" + suffix,
            [observational = type != nullptr && std::string_view(type) == "Observational"](
                Arms& p) -> ListSection& { return observational ? p.groups() : p.arms(); },
            [](Arms& p) { p.editArm(); }, type));
        cases.push_back(listCase<Arms>(
            "interventions" + suffix, [](Arms& p) -> ListSection& { return p.interventions(); },
            [](Arms& p) { p.editIntervention(); }, type));
    }
    return cases;
}

void PrintTo(const ListCase& listCase, std::ostream* out) {
    *out << listCase.name;
}

class ItemsKeptTest : public ::testing::TestWithParam<ListCase> {
protected:
    void SetUp() override {
        RecordFiller("k").fill(record);
        if (GetParam().studyType != nullptr) {
            record.study_design.study_type.setText(GetParam().studyType);
        }
        before = CollectionFile::recordText(record);
        page = GetParam().make();
        page->load(record);
    }

    TestPlatform platform;
    StudyRecord record;
    std::string before;
    std::unique_ptr<EditorPage> page;
};

std::string caseName(const ::testing::TestParamInfo<ListCase>& info) {
    std::string name;
    for (char c : info.param.name) {
        name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    }
    return name;
}

} // namespace

TEST_P(ItemsKeptTest, StoreAndUnchangedEditsGiveTheItemsBackAsTheyWere) {
    ASSERT_GT(countOf(before, "delete=\"true\""), 0) << "the flags to keep";
    ListSection& list = GetParam().list(*page);
    ASSERT_EQ(list.rowCount(), 2);
    const auto kept = [this] {
        page->store();
        return CollectionFile::recordText(record);
    };
    EXPECT_EQ(kept(), before);
    for (int row = 0; row < list.rowCount(); ++row) {
        list.selectRow(row);
        int shown = 0;
        whenModal<QDialog>([&shown](QDialog* dialog) {
            ++shown;
            dialog->accept();
        });
        GetParam().edit(*page);
        EXPECT_EQ(shown, 1);
        EXPECT_TRUE(platform.prompts().shown().empty()) << "nothing refused";
        EXPECT_EQ(kept(), before) << "row " << row;
    }
}

INSTANTIATE_TEST_SUITE_P(ListPages, ItemsKeptTest, ::testing::ValuesIn(listCases()), caseName);

TEST(ItemsKeptTitleTest, SecondaryIdsKeepTheirFlagsThroughStoreAndUnchangedEdits) {
    TestPlatform platform;
    StudyRecord record;
    RecordFiller("t").fill(record);
    ASSERT_EQ(record.id_info.secondary_id.size(), 2u);
    const OwningList<SecondaryId> original = record.id_info.secondary_id;
    TitlePage page;
    page.load(record);
    page.secondaryIds().selectRow(1);
    whenModal<QDialog>([](QDialog* dialog) { dialog->accept(); });
    page.editSecondaryId();
    page.store();
    ASSERT_EQ(record.id_info.secondary_id.size(), 2u);
    for (std::size_t i = 0; i < 2; ++i) {
        const SecondaryId& stored = *record.id_info.secondary_id[i];
        EXPECT_EQ(stored.id, original[i]->id);
        EXPECT_EQ(stored.id_type, original[i]->id_type) << "a type the drop-down does not list";
        EXPECT_EQ(stored.id_domain, original[i]->id_domain);
        EXPECT_EQ(stored.deleteFlag, original[i]->deleteFlag);
    }
    EXPECT_NE(original[0]->deleteFlag, original[1]->deleteFlag);
}

TEST(ItemsKeptConditionsTest, BoxesLeftAloneGiveTheItemsBackAsTheyWere) {
    TestPlatform platform;
    StudyRecord record;
    RecordFiller("c").fill(record);
    record.keyword.front().setText("two\r\nlines");
    const std::string before = CollectionFile::recordText(record);
    ConditionsPage page;
    page.load(record);
    page.store();
    EXPECT_EQ(CollectionFile::recordText(record), before);
}
