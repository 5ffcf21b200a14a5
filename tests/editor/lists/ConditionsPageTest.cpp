#include "editor/lists/ConditionsPage.h"

#include "controls/CHyperLink.h"
#include "editor/EditorTestSupport.h"
#include "editor/ProtocolEditor.h"
#include "names/NamesAndAddresses.h"
#include "model/StudyRecord.h"
#include "platform/TestPlatform.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class ConditionsPageTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.resize(600, 700);
        page = new ConditionsPage(&window);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    QPlainTextEdit* box(int id) { return page->control<QPlainTextEdit>(id); }
    std::vector<std::string> texts(const std::vector<FieldValue>& items) {
        std::vector<std::string> all;
        for (const FieldValue& item : items) {
            all.push_back(item.displayText());
        }
        return all;
    }

    TestPlatform platform;
    QWidget window;
    ConditionsPage* page = nullptr;
    StudyRecord record;
};

using Texts = std::vector<std::string>;

} // namespace

TEST_F(ConditionsPageTest, LoadShowsOneItemPerLine) {
    record.condition.emplace_back("Asthma");
    record.condition.emplace_back("COPD");
    record.keyword.emplace_back("lung&#xd;breath"); // read with a line break inside
    page->load(record);
    EXPECT_EQ(box(ConditionsPage::IDC_CONDITIONS)->toPlainText(), "Asthma\nCOPD");
    EXPECT_EQ(box(ConditionsPage::IDC_KEYWORDS)->toPlainText(), "lung\nbreath");

    page->store();
    EXPECT_EQ(texts(record.condition), (Texts{"Asthma", "COPD"}));
    EXPECT_EQ(texts(record.keyword), (Texts{"lung\r\nbreath"})) << "a box left alone";

    box(ConditionsPage::IDC_KEYWORDS)->appendPlainText("air");
    page->store();
    EXPECT_EQ(texts(record.keyword), (Texts{"lung", "breath", "air"}));

    record.condition.clear();
    page->load(record);
    EXPECT_EQ(box(ConditionsPage::IDC_CONDITIONS)->toPlainText(), "");
}

TEST_F(ConditionsPageTest, StoreSkipsEmptyLinesAndKeepsTheItemsOfLinesLeftAlone) {
    for (const char* text : {"old", "gone", "twice", "twice"}) {
        FieldValue& item = record.condition.emplace_back(text);
        item.setDeleteFlag(true);
    }
    record.keyword.emplace_back("kept");
    page->load(record);
    box(ConditionsPage::IDC_CONDITIONS)
        ->setPlainText("new\nold\n\nDiabetes\ntwice\ntwice\ntwice\n");
    box(ConditionsPage::IDC_KEYWORDS)->setPlainText("");
    page->store();
    EXPECT_EQ(texts(record.condition),
              (Texts{"new", "old", "Diabetes", "twice", "twice", "twice"}));
    const bool flags[] = {false, true, false, true, true, false};
    for (std::size_t i = 0; i < std::size(flags); ++i) {
        EXPECT_EQ(record.condition[i].deleteFlag(), flags[i]) << i;
    }
    EXPECT_TRUE(record.keyword.empty());

    box(ConditionsPage::IDC_KEYWORDS)->setPlainText("  padded \n   ");
    page->store();
    EXPECT_EQ(texts(record.keyword), (Texts{"  padded ", "   "})) << "blanks stay";
}

TEST_F(ConditionsPageTest, EnterInTheBoxesStartsANewLine) {
    auto* keywords = box(ConditionsPage::IDC_KEYWORDS);
    keywords->setFocus();
    QTest::keyClicks(keywords, "a");
    QTest::keyClick(keywords, Qt::Key_Return);
    QTest::keyClicks(keywords, "b");
    EXPECT_EQ(keywords->toPlainText(), "a\nb");
    EXPECT_TRUE(keywords->hasFocus());
    auto* conditions = box(ConditionsPage::IDC_CONDITIONS);
    conditions->setFocus();
    QTest::keyClick(conditions, Qt::Key_Enter);
    EXPECT_EQ(conditions->toPlainText(), "\n");
    // Escape is never exempt: it moves on.
    QTest::keyClick(conditions, Qt::Key_Escape);
    EXPECT_FALSE(conditions->hasFocus());
}

TEST_F(ConditionsPageTest, TheMeshLinkOpensTheBrowserPage) {
    auto* link = page->control<CHyperLink>(ConditionsPage::IDC_MESH_LINK);
    ASSERT_NE(link, nullptr);
    EXPECT_EQ(link->text(), "Search MeSH for conditions");
    link->setFocus();
    QTest::keyClick(link, Qt::Key_Space);
    ASSERT_EQ(platform.shell().opened().size(), 1);
    EXPECT_EQ(platform.shell().opened().front().toStdString(), names::kMeshBrowser);
}

TEST(ConditionsPageInEditorTest, EnterInTheKeywordsBoxDoesNotCloseTheEditor) {
    TestPlatform platform;
    StudyRecord record;
    ProtocolEditor editor;
    editor.setRecord(&record);
    bool stillOpen = false;
    whenModal<ProtocolEditor>([&](ProtocolEditor* e) {
        e->showSection("Conditions");
        auto* page = qobject_cast<ConditionsPage*>(e->page(9));
        ASSERT_NE(page, nullptr);
        auto* keywords = page->control<QPlainTextEdit>(ConditionsPage::IDC_KEYWORDS);
        keywords->setFocus();
        QTest::keyClicks(keywords, "first");
        QTest::keyClick(keywords, Qt::Key_Return);
        QTest::keyClicks(keywords, "second");
        stillOpen = e->isVisible();
        QTest::mouseClick(e->control(ProtocolEditor::IDC_OK), Qt::LeftButton);
    });
    EXPECT_EQ(editor.exec(), QDialog::Accepted);
    EXPECT_TRUE(stillOpen);
    ASSERT_EQ(record.keyword.size(), 2u);
    EXPECT_EQ(record.keyword[1].displayText(), "second");
}
