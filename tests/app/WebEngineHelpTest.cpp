// The help window with its real browser. Starting a web engine is slow, so
// this is the only test that does it, in a program of its own.

#include "app/HelpWindow.h"
#include "app/WebEngineHelpView.h"
#include "platform/TestPlatform.h"

#include <QApplication>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
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
