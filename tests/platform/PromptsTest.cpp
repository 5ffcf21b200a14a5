#include "platform/CredentialsDialog.h"
#include "platform/Platform.h"
#include "platform/QtPrompts.h"
#include "platform/ScriptedPrompts.h"
#include "platform/TestPlatform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// Collects what the scripted prompts report instead of failing the test.
class CapturedFailures {
public:
    CapturedFailures() {
        ScriptedPrompts::setFailureHandler(
            [this](const QString& description) { m_failures.append(description); });
    }
    ~CapturedFailures() {
        ScriptedPrompts::setFailureHandler(
            [](const QString& description) { ADD_FAILURE() << description.toStdString(); });
    }
    const QStringList& failures() const { return m_failures; }

private:
    QStringList m_failures;
};

// Runs `action` on the modal widget once the nested loop shows one.
template <typename Widget> void whenModal(std::function<void(Widget*)> action) {
    QTimer::singleShot(0, [action] {
        auto* widget = qobject_cast<Widget*>(QApplication::activeModalWidget());
        if (widget == nullptr) {
            ADD_FAILURE() << "no modal dialog of the expected kind";
            return;
        }
        action(widget);
    });
}

} // namespace

TEST(ScriptedPrompts, RecordsEveryPromptAndAnswersInOrder) {
    ScriptedPrompts prompts;
    prompts.answerMessage(MessageAnswer::Yes);
    prompts.answerSaveFile(QStringLiteral("/tmp/out.xml"));
    prompts.answerCredentials(Credentials{QStringLiteral("ann"), QStringLiteral("secret")});

    EXPECT_TRUE(prompts.askYesNo(nullptr, QStringLiteral("Protoscribe"),
                                 QStringLiteral("Do you want to save changes?")));
    FileDialogRequest save;
    save.filters = {{QStringLiteral("Registry XML (*.xml)"), QStringLiteral("*.xml")}};
    save.initialPath = QStringLiteral("/data/old.xml");
    save.defaultExtension = QStringLiteral("xml");
    EXPECT_EQ(prompts.saveFile(nullptr, save), QStringLiteral("/tmp/out.xml"));
    const auto credentials = prompts.credentials(
        nullptr, {QStringLiteral("Sign in"), QStringLiteral("example.org"), QString()});
    ASSERT_TRUE(credentials.has_value());
    EXPECT_EQ(credentials->password, QStringLiteral("secret"));

    ASSERT_EQ(prompts.shown().size(), 3u);
    const auto& question = prompts.shown()[0];
    EXPECT_EQ(question.kind, PromptKind::Message);
    EXPECT_EQ(question.caption, QStringLiteral("Protoscribe"));
    EXPECT_EQ(question.text, QStringLiteral("Do you want to save changes?"));
    EXPECT_EQ(question.icon, MessageIcon::Question);
    EXPECT_EQ(question.buttons, MessageButtons::YesNo);
    EXPECT_EQ(prompts.shown()[1].kind, PromptKind::SaveFile);
    EXPECT_EQ(prompts.shown()[1].file.initialPath, QStringLiteral("/data/old.xml"));
    EXPECT_EQ(prompts.shown()[1].file.defaultExtension, QStringLiteral("xml"));
    EXPECT_EQ(prompts.last().kind, PromptKind::Credentials);
    EXPECT_EQ(prompts.last().text, QStringLiteral("example.org"));
    EXPECT_EQ(prompts.unusedAnswers(), 0u);
}

TEST(ScriptedPrompts, ErrorHelperUsesErrorIconAndOk) {
    ScriptedPrompts prompts;
    prompts.answerMessage(MessageAnswer::Ok);
    prompts.showError(nullptr, QStringLiteral("Protoscribe"),
                      QStringLiteral("Please select a study to edit."));
    EXPECT_EQ(prompts.last().icon, MessageIcon::Error);
    EXPECT_EQ(prompts.last().buttons, MessageButtons::Ok);
}

TEST(ScriptedPrompts, UnexpectedPromptFailsAndIsDismissed) {
    CapturedFailures captured;
    ScriptedPrompts prompts;
    EXPECT_FALSE(prompts.askYesNo(nullptr, QStringLiteral("c"), QStringLiteral("Quit?")));
    EXPECT_EQ(prompts.message(nullptr, {QStringLiteral("c"), QStringLiteral("t"),
                                        MessageIcon::Warning, MessageButtons::OkCancel}),
              MessageAnswer::Cancel);
    EXPECT_FALSE(prompts.saveFile(nullptr, {}).has_value());
    ASSERT_EQ(captured.failures().size(), 3);
    EXPECT_TRUE(captured.failures()[0].contains(QStringLiteral("Quit?")));
    EXPECT_EQ(prompts.shown().size(), 3u);
}

TEST(ScriptedPrompts, AnswerOfAnotherKindFailsAndStaysQueued) {
    CapturedFailures captured;
    ScriptedPrompts prompts;
    prompts.answerOpenFile(QStringLiteral("/x.xml"));
    EXPECT_FALSE(prompts.saveFile(nullptr, {}).has_value());
    EXPECT_EQ(captured.failures().size(), 1);
    EXPECT_EQ(prompts.openFile(nullptr, {}), QStringLiteral("/x.xml"));
}

TEST(ScriptedPrompts, OnShowRunsWhileThePromptIsOpen) {
    ScriptedPrompts prompts;
    QString seen;
    prompts.setOnShow([&seen](const ScriptedPrompts::Record& record) { seen = record.text; });
    prompts.answerMessage(MessageAnswer::Ok);
    prompts.showInformation(nullptr, QStringLiteral("Protoscribe"), QStringLiteral("Saved."));
    EXPECT_EQ(seen, QStringLiteral("Saved."));
    EXPECT_EQ(prompts.last().icon, MessageIcon::Information);
}

TEST(TestPlatform, InstallsStandInsAndRestoresThePrevious) {
    Prompts* outer = &Platform::prompts();
    {
        TestPlatform platform;
        EXPECT_EQ(&Platform::prompts(), &platform.prompts());
        EXPECT_EQ(&Platform::settings(), &platform.settings());
        EXPECT_EQ(&Platform::shell(), &platform.shell());
        Platform::shell().open(QStringLiteral("https://example.org/"));
        EXPECT_EQ(platform.shell().opened(), QStringList{QStringLiteral("https://example.org/")});
    }
    EXPECT_EQ(&Platform::prompts(), outer);
}

TEST(TestPlatform, ReportsAnswersThatWereNeverUsed) {
    CapturedFailures captured;
    {
        TestPlatform platform;
        platform.prompts().answerMessage(MessageAnswer::Yes);
    }
    ASSERT_EQ(captured.failures().size(), 1);
    EXPECT_TRUE(captured.failures()[0].contains(QStringLiteral("never used")));
}

TEST(QtPrompts, FilterLabelsGetTheirPatternOnce) {
    const QStringList filters =
        QtPrompts::nameFilters({{QStringLiteral("Registry XML (*.xml)"), QStringLiteral("*.xml")},
                                {QStringLiteral("All files"), QStringLiteral("*")}});
    EXPECT_EQ(filters, (QStringList{QStringLiteral("Registry XML (*.xml)"),
                                    QStringLiteral("All files (*)")}));
}

TEST(QtPrompts, MessageBoxShowsPlainTextAndMapsTheButtons) {
    QtPrompts prompts;
    whenModal<QMessageBox>([](QMessageBox* box) {
        EXPECT_EQ(box->windowTitle(), QStringLiteral("Protoscribe"));
        EXPECT_EQ(box->text(), QStringLiteral("<b>not bold</b>"));
        EXPECT_EQ(box->textFormat(), Qt::PlainText);
        EXPECT_EQ(box->icon(), QMessageBox::Question);
        EXPECT_NE(box->button(QMessageBox::Cancel), nullptr);
        box->button(QMessageBox::No)->click();
    });
    EXPECT_EQ(
        prompts.message(nullptr, {QStringLiteral("Protoscribe"), QStringLiteral("<b>not bold</b>"),
                                  MessageIcon::Question, MessageButtons::YesNoCancel}),
        MessageAnswer::No);
}

TEST(QtPrompts, SaveDialogAppendsTheDefaultExtension) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QtPrompts prompts;
    whenModal<QFileDialog>([](QFileDialog* dialog) {
        dialog->selectFile(QStringLiteral("protocols"));
        static_cast<QDialog*>(dialog)->accept();
    });
    FileDialogRequest request;
    request.filters = {{QStringLiteral("Registry XML (*.xml)"), QStringLiteral("*.xml")}};
    request.initialPath = dir.filePath(QStringLiteral("start.xml"));
    request.defaultExtension = QStringLiteral("xml");
    const auto chosen = prompts.saveFile(nullptr, request);
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(*chosen, dir.filePath(QStringLiteral("protocols.xml")));
}

TEST(QtPrompts, CancelledOpenDialogAnswersNone) {
    QtPrompts prompts;
    whenModal<QFileDialog>([](QFileDialog* dialog) { dialog->reject(); });
    EXPECT_FALSE(prompts.openFile(nullptr, {}).has_value());
}

TEST(CredentialsDialog, HidesThePasswordAndReturnsWhatWasTyped) {
    CredentialsDialog dialog(
        {QStringLiteral("Sign in"), QStringLiteral("example.org"), QStringLiteral("ann")});
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Sign in"));
    EXPECT_EQ(dialog.passwordEdit()->echoMode(), QLineEdit::Password);
    dialog.passwordEdit()->setText(QStringLiteral("pw"));
    EXPECT_EQ(dialog.credentials().userName, QStringLiteral("ann"));
    EXPECT_EQ(dialog.credentials().password, QStringLiteral("pw"));

    QtPrompts prompts;
    whenModal<CredentialsDialog>([](CredentialsDialog* shown) { shown->reject(); });
    EXPECT_FALSE(prompts.credentials(nullptr, {}).has_value());
}
