// The sample collection is what a new user opens first: every value in it must
// be one the editor shows, so that opening a protocol and pressing OK, with a
// section switch through every page, changes nothing in the saved file.
#include "EditorTestSupport.h"
#include "editor/EditorNavigationBar.h"
#include "editor/ProtocolEditor.h"
#include "model/CollectionFile.h"
#include "model/StudyCollection.h"
#include "platform/TestPlatform.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

std::string sampleBytes() {
    StudyCollection collection;
    EXPECT_TRUE(CollectionFile::load(PROTOSCRIBE_SAMPLE, collection).ok);
    return CollectionFile::saveText(collection);
}

} // namespace

TEST(SampleThroughEditor, OkOnEveryProtocolAfterVisitingEverySectionChangesNothing) {
    TestPlatform platform;
    const std::string original = sampleBytes();
    StudyCollection collection;
    ASSERT_TRUE(CollectionFile::loadText(original, collection).ok);
    ASSERT_EQ(collection.records.size(), 4u);

    for (std::size_t i = 0; i < collection.records.size(); ++i) {
        ProtocolEditor editor;
        editor.setRecord(collection.records[i].get());
        whenModal<ProtocolEditor>([](ProtocolEditor* e) {
            for (int section = 0; section < ProtocolEditor::kSectionCount; ++section) {
                e->showSection(e->navigationBar()->itemAt(section)->label());
            }
            QTest::mouseClick(e->control(ProtocolEditor::IDC_OK), Qt::LeftButton);
        });
        EXPECT_EQ(editor.exec(), QDialog::Accepted);
    }
    const std::string afterOk = CollectionFile::saveText(collection);
    if (afterOk != original) {
        // Name the first line that differs rather than dumping two files.
        std::size_t at = 0;
        while (at < afterOk.size() && at < original.size() && afterOk[at] == original[at])
            ++at;
        const std::size_t lineStart = original.rfind('\n', at) + 1;
        ADD_FAILURE() << "first difference in line: "
                      << original.substr(lineStart, original.find('\n', at) - lineStart)
                      << "\nnow: "
                      << afterOk.substr(lineStart, afterOk.find('\n', at) - lineStart);
    }
}
