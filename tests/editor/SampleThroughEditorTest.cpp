// Opening a protocol in the editor and pressing OK, after a section switch
// through every page, changes nothing in the saved file: not for the sample a
// new user opens first, not for the test fixtures (files of other tools and of
// the registry), not for a record with every field filled and values that no
// drop-down list offers.
#include "EditorTestSupport.h"
#include "editor/EditorNavigationBar.h"
#include "editor/ProtocolEditor.h"
#include "model/CollectionFile.h"
#include "model/RecordFixtures.h"
#include "model/StudyCollection.h"
#include "platform/TestPlatform.h"

#include <QTest>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

void okAfterEverySection(StudyRecord& record) {
    ProtocolEditor editor;
    editor.setRecord(&record);
    whenModal<ProtocolEditor>([](ProtocolEditor* e) {
        for (int section = 0; section < sectionCount(); ++section) {
            e->showSection(e->navigationBar()->itemAt(section)->label());
        }
        QTest::mouseClick(e->control(ProtocolEditor::IDC_OK), Qt::LeftButton);
    });
    EXPECT_EQ(editor.exec(), QDialog::Accepted);
}

// Names the first line that differs rather than dumping two files.
void expectSameBytes(const std::string& original, const std::string& afterOk,
                     const std::string& what) {
    if (afterOk == original)
        return;
    std::size_t at = 0;
    while (at < afterOk.size() && at < original.size() && afterOk[at] == original[at])
        ++at;
    const std::size_t lineStart = original.rfind('\n', at) + 1;
    ADD_FAILURE() << what << ": first difference in line: "
                  << original.substr(lineStart, original.find('\n', at) - lineStart)
                  << "\nnow: " << afterOk.substr(lineStart, afterOk.find('\n', at) - lineStart);
}

void expectOkChangesNothing(StudyCollection& collection, const std::string& what) {
    const std::string original = CollectionFile::saveText(collection);
    for (const auto& record : collection.records)
        okAfterEverySection(*record);
    expectSameBytes(original, CollectionFile::saveText(collection), what);
}

std::vector<std::filesystem::path> fixtures() {
    std::vector<std::filesystem::path> files = {PROTOSCRIBE_SAMPLE};
    for (const char* folder : {"model/data", "validation/data"}) {
        for (const auto& entry : std::filesystem::directory_iterator(
                 std::filesystem::path(PROTOSCRIBE_TESTS) / folder)) {
            if (entry.path().extension() == ".xml")
                files.push_back(entry.path());
        }
    }
    return files;
}

} // namespace

TEST(UntouchedOk, ChangesNothingInAnyFixture) {
    TestPlatform platform;
    int loaded = 0;
    for (const auto& file : fixtures()) {
        StudyCollection collection;
        if (!CollectionFile::load(file.string(), collection).ok)
            continue; // a fixture of a broken file
        ++loaded;
        expectOkChangesNothing(collection, file.filename().string());
    }
    EXPECT_GT(loaded, 10);
}

// Every field filled with a text no list offers, every other delete flag set.
TEST(UntouchedOk, ChangesNothingInARecordWithEveryFieldAndNoListValue) {
    TestPlatform platform;
    for (const char* type : {"Interventional", "Observational", "Expanded Access", "unknown"}) {
        StudyCollection collection;
        StudyRecord& record = appendNew(collection.records);
        RecordFiller("v").fill(record);
        record.study_design.study_type.setText(type);
        expectOkChangesNothing(collection, type);
    }
}
