// The help window, with a stand-in browser: a web engine is too heavy to start here.

#include "app/HelpWindow.h"

#include "app/AppTestSupport.h"
#include "platform/TestPlatform.h"

#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

class HelpWindowTest : public ::testing::Test {
protected:
    HelpWindow::ViewFactory fakeViews() {
        return [this](QWidget* parent) -> HelpView* {
            ++made;
            auto* view = new RecordingHelpView(parent);
            last = view;
            return view;
        };
    }

    TestPlatform platform;
    QWidget owner;
    int made = 0;
    QPointer<RecordingHelpView> last;
};

TEST_F(HelpWindowTest, MakesItsBrowserOnlyWhenFirstNeeded) {
    HelpWindow window(&owner, fakeViews());
    EXPECT_EQ(window.windowTitle(), "Help");
    EXPECT_EQ(window.templateNumber(), 150);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.view(), nullptr);
    EXPECT_EQ(made, 0);

    const QString address = "https://prsinfo.clinicaltrials.gov/definitions.html#PrimaryId";
    window.navigateTo(address);
    window.navigateTo(address + "2");
    EXPECT_EQ(made, 1);
    ASSERT_TRUE(last);
    EXPECT_EQ(last->addresses, QList<QUrl>({QUrl(address), QUrl(address + "2")}));
    EXPECT_EQ(window.address(), address + "2");
    EXPECT_EQ(last->addresses.front().fragment(), "PrimaryId");
    EXPECT_FALSE(window.isVisible());
}

TEST_F(HelpWindowTest, ShowAndFocusShowsTheWindowAndItsBrowserFillsIt) {
    owner.show();
    HelpWindow window(&owner, fakeViews());
    window.showAndFocus();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    ASSERT_TRUE(last);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(last->geometry(), window.rect());
    EXPECT_TRUE(last->hasFocus() || QApplication::focusWidget() == last.data() ||
                window.focusWidget() == last.data());
    window.resize(window.size() + QSize(120, 80));
    EXPECT_EQ(last->geometry(), window.rect());
}

TEST_F(HelpWindowTest, HiddenCloseButtonAndEscapeHideTheWindow) {
    HelpWindow window(&owner, fakeViews());
    auto* close = window.control<QPushButton>(HelpWindow::kCloseId);
    ASSERT_NE(close, nullptr);
    EXPECT_EQ(close->text(), "&Close");
    window.showAndFocus();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_FALSE(close->isVisible());
    close->click();
    EXPECT_FALSE(window.isVisible());

    window.showAndFocus();
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
    // Hidden, not gone: it shows the next page again.
    window.navigateTo("https://example.org/#x");
    window.showAndFocus();
    EXPECT_TRUE(window.isVisible());
    window.hideWindow();
    EXPECT_FALSE(window.isVisible());
}

TEST_F(HelpWindowTest, TheEditorsFactoryMakesHiddenWindowsOwnedByTheEditor) {
    auto editor = std::make_unique<QWidget>();
    std::unique_ptr<HelpBrowser> browser = HelpWindow::factory()(editor.get());
    auto* window = dynamic_cast<HelpWindow*>(browser.get());
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->parent(), editor.get());
    EXPECT_FALSE(window->isVisible());
    // Nothing heavy is started until a page is shown.
    EXPECT_EQ(window->view(), nullptr);
    // The editor lets go of its window before its own children are deleted.
    browser.reset();
    EXPECT_TRUE(editor->children().isEmpty());
}

} // namespace
