// The help window with its real browser. Starting a web engine is slow, so
// this is the only test that does it, in a program of its own.

#include "app/HelpWindow.h"
#include "app/MainWindow.h"
#include "app/WebEngineHelpView.h"
#include "platform/TestPlatform.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <QWebEnginePage>
#include <gtest/gtest.h>

namespace {

TEST(WebEngineHelpTest, NavigatesToTheAddressAndShowsThePage) {
    TestPlatform platform;
    QTemporaryDir folder;
    const QString page = folder.filePath("definitions.html");
    QFile file(page);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<html><head><title>Definitions</title></head><body>"
               "<h1 id=\"PrimaryId\">Unique Protocol ID</h1></body></html>");
    file.close();

    QWidget owner;
    HelpWindow window(&owner);
    const QUrl address = QUrl::fromLocalFile(page).toString() + "#PrimaryId";
    window.navigateTo(address.toString());
    auto* view = dynamic_cast<WebEngineHelpView*>(window.view());
    ASSERT_NE(view, nullptr);
    QSignalSpy loaded(view, &QWebEngineView::loadFinished);
    window.showAndFocus();
    ASSERT_TRUE(loaded.wait(60000) || loaded.count() > 0);
    EXPECT_TRUE(loaded.front().front().toBool());
    EXPECT_EQ(view->url().fragment(), "PrimaryId");
    EXPECT_TRUE(QTest::qWaitFor([&] { return view->title() == "Definitions"; }, 10000));
    EXPECT_EQ(view->geometry(), window.rect());
}

// The text as the page shows it, once the page has loaded.
QString pageText(WebEngineHelpView& view) {
    QString text;
    bool done = false;
    view.page()->toPlainText([&](const QString& result) {
        text = result;
        done = true;
    });
    EXPECT_TRUE(QTest::qWaitFor([&] { return done; }, 10000));
    return text;
}

TEST(WebEngineHelpTest, HelpShowsHelpTxtReadOnlyInTheHelpWindow) {
    TestPlatform platform;
    const QString program = QStringLiteral(PROTOSCRIBE_PROGRAM_DIR);
    QFile help(QDir(program).filePath("HELP.TXT"));
    ASSERT_TRUE(help.open(QIODevice::ReadOnly));
    const QString expected = QString::fromUtf8(help.readAll());
    MainWindow::setProgramFiles(ProgramFiles({program}));
    MainWindow window;
    MainWindow::setProgramFiles(std::nullopt);

    window.control<QPushButton>(MainWindow::kHelpId)->click();
    ASSERT_NE(window.helpWindow(), nullptr);
    auto* view = dynamic_cast<WebEngineHelpView*>(window.helpWindow()->view());
    ASSERT_NE(view, nullptr);
    QSignalSpy loaded(view, &QWebEngineView::loadFinished);
    ASSERT_TRUE(loaded.wait(60000) || loaded.count() > 0);
    EXPECT_TRUE(loaded.front().front().toBool());
    EXPECT_TRUE(window.helpWindow()->isVisible());
    EXPECT_EQ(view->url(), QUrl::fromLocalFile(help.fileName()));
    // Shown as the text it is, not handed to a download or an editor.
    EXPECT_EQ(pageText(*view).trimmed(), expected.trimmed());
    EXPECT_TRUE(platform.shell().opened().isEmpty());
    EXPECT_TRUE(platform.prompts().shown().empty());

    // Escape in the page closes the window, though the browser has the focus.
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.helpWindow()));
    QWidget* page = view->focusProxy() != nullptr ? view->focusProxy() : view;
    QTest::keyClick(page, Qt::Key_Escape);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window.helpWindow()->isVisible(); }, 5000));
}

} // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // The engine refuses to start its sandbox as root; tests do not need one.
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
