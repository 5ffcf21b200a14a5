// The Validate command: a collection file on disk checked against the schema.

#include "app/AppTestSupport.h"
#include "app/MainWindow.h"
#include "platform/TestPlatform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

const QString kSample = QStringLiteral(PROTOSCRIBE_SAMPLE_COLLECTION);

class ValidateTest : public ::testing::Test {
protected:
    void SetUp() override {
        current = writeCollection(folder.filePath("current.xml"), {{"A", "Alpha"}});
        ASSERT_TRUE(window.openPath(current));
        // The copy the build puts beside the program.
        useSchema(QDir(QStringLiteral(PROTOSCRIBE_PROGRAM_DIR))
                      .filePath(QStringLiteral("ProtocolRecordSchema.xsd")));
    }

    void useSchema(const QString& path) {
        SchemaLocation location;
        location.explicitPath = path.toStdString();
        window.setSchemaLocation(location);
    }

    void runOn(const QString& path) {
        platform.prompts().answerOpenFile(path);
        platform.prompts().answerMessage(MessageAnswer::Ok);
        window.control<QPushButton>(MainWindow::kValidateId)->click();
    }

    TestPlatform platform;
    QTemporaryDir folder;
    QString current;
    MainWindow window;
};

TEST_F(ValidateTest, AsksForACollectionFileAndCancelStops) {
    platform.prompts().answerOpenFile(std::nullopt);
    window.control<QPushButton>(MainWindow::kValidateId)->click();
    ASSERT_EQ(platform.prompts().shown().size(), 1u);
    const auto& dialog = platform.prompts().last();
    EXPECT_EQ(dialog.kind, PromptKind::OpenFile);
    ASSERT_EQ(dialog.file.filters.size(), 1u);
    EXPECT_EQ(dialog.file.filters[0].label, "ClinicalTrials.gov PRS XML (*.xml)");
    EXPECT_EQ(dialog.file.filters[0].pattern, "*.xml");
    EXPECT_EQ(dialog.file.initialPath, current);
    EXPECT_TRUE(dialog.file.hideReadOnly);
    EXPECT_EQ(window.currentPath(), current);
}

TEST_F(ValidateTest, ReportsTheVerdictInTheSchemaCacheBox) {
    runOn(kSample);
    ASSERT_EQ(platform.prompts().shown().size(), 2u);
    const auto& valid = platform.prompts().last();
    EXPECT_EQ(valid.caption, "schemaCache");
    EXPECT_EQ(valid.buttons, MessageButtons::Ok);
    EXPECT_TRUE(valid.text.startsWith("Validation succeeded for " + kSample + "\n" +
                                      QString(22, '=') + "\n"))
        << valid.text.toStdString();
    EXPECT_TRUE(valid.text.contains("<org_study_id>HCI-HTN-2026-01</org_study_id>"));

    // The file on disk is judged, not the collection in memory.
    const QString invalid = folder.filePath("invalid.xml");
    writeBytes(invalid, "<?xml version=\"1.0\"?>\n<prs:study_collection "
                        "xmlns:prs=\"http://clinicaltrials.gov/prs\">\n<no_such_element/>\n"
                        "</prs:study_collection>\n");
    platform.prompts().clear();
    runOn(invalid);
    const auto& failed = platform.prompts().last();
    EXPECT_EQ(failed.caption, "schemaCache");
    EXPECT_TRUE(failed.text.startsWith("Validation failed on " + invalid + "\n" + QString(21, '=') +
                                       "\nReason: "))
        << failed.text.toStdString();
    EXPECT_TRUE(failed.text.contains("\nLine: 3"));
    EXPECT_EQ(window.list()->topLevelItemCount(), 1);
    EXPECT_FALSE(window.isModified());
}

TEST_F(ValidateTest, MissingSchemaShowsTheErrorReportUnderTheProgramsName) {
    useSchema(folder.filePath("missing.xsd"));
    runOn(kSample);
    const auto& report = platform.prompts().last();
    EXPECT_EQ(report.caption, QFileInfo(QCoreApplication::applicationFilePath()).baseName());
    EXPECT_EQ(report.caption, "app_tests");
    EXPECT_EQ(report.buttons, MessageButtons::Ok);
    EXPECT_TRUE(report.text.startsWith("Error\nCode = ")) << report.text.toStdString();
    EXPECT_TRUE(report.text.contains("missing.xsd")) << report.text.toStdString();
}

// The schema built beside the program wins over one in the working directory,
// which is used only when the program has none.
TEST(ValidateSchemaLookupTest, TheProgramsSchemaComesBeforeTheWorkingDirectorys) {
    TestPlatform platform;
    QTemporaryDir folder;
    const QDir top(folder.path());
    ASSERT_TRUE(top.mkpath("empty") && top.mkpath("work"));
    writeBytes(top.filePath("work/ProtocolRecordSchema.xsd"), "<not a schema");
    const QString previous = QDir::currentPath();
    QDir::setCurrent(top.filePath("work"));
    const auto verdict = [&](const QStringList& folders) {
        ScopedProgramFiles files(folders);
        MainWindow window;
        platform.prompts().clear();
        platform.prompts().answerOpenFile(kSample);
        platform.prompts().answerMessage(MessageAnswer::Ok);
        window.validate();
        return platform.prompts().last().text;
    };
    const QString bundled =
        verdict({top.filePath("empty"), QStringLiteral(PROTOSCRIBE_PROGRAM_DIR)});
    const QString fromWork = verdict({top.filePath("empty")});
    QDir::setCurrent(previous);

    EXPECT_TRUE(bundled.startsWith("Validation succeeded for " + kSample)) << bundled.toStdString();
    EXPECT_TRUE(fromWork.startsWith("Error\n")) << fromWork.toStdString();
    EXPECT_TRUE(fromWork.contains(top.filePath("work/ProtocolRecordSchema.xsd")))
        << fromWork.toStdString();
}

} // namespace
