// The editor on the screen the tests run on. CTest also runs these on a
// 1366 x 768 screen at 100, 125 and 200 % scaling (screen-1366x768.json).

#include "EditorTestSupport.h"
#include "controls/CXPGroupBox.h"
#include "editor/EditorPage.h"
#include "editor/EditorSection.h"
#include "editor/ProtocolEditor.h"
#include "platform/AnchorLayout.h"
#include "platform/TestPlatform.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// A box that grows never reaches over another visible control of its page.
void expectNoOverlap(const EditorPage& page, int section) {
    const auto controls = page.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (const QPlainTextEdit* box : page.findChildren<QPlainTextEdit*>()) {
        for (const QWidget* other : controls) {
            if (other == box || !box->isVisible() || !other->isVisible() ||
                qobject_cast<const CXPGroupBox*>(other) != nullptr) {
                continue;
            }
            EXPECT_FALSE(box->geometry().intersects(other->geometry()))
                << section << " " << other->metaObject()->className();
        }
    }
}

class EditorFit : public ::testing::Test {
protected:
    void SetUp() override {
        editor.show();
        editor.activateWindow(); // focus changes reach only the active window
        ASSERT_TRUE(QTest::qWaitForWindowActive(&editor));
    }

    QScrollArea& scroller() { return *editor.pageScroller(); }
    // Scroll bars show or hide once the events are processed.
    bool scrolls() {
        QApplication::processEvents();
        return scroller().verticalScrollBar()->isVisible();
    }
    // Makes the page area `extra` pixels taller than the pages were built; a
    // second pass makes up for a horizontal scroll bar that came or went.
    void setPageAreaExtra(int extra) {
        const int wanted = editor.panel()->minimumHeight() + extra;
        for (int pass = 0; pass < 2; ++pass) {
            editor.resize(editor.width(),
                          editor.height() + wanted - scroller().viewport()->height());
            QApplication::processEvents();
        }
        ASSERT_EQ(scroller().viewport()->height(), wanted);
    }
    void showSection(int section) {
        const EditorSection& shown = editorSections()[static_cast<std::size_t>(section)];
        editor.showSection(QString::fromLatin1(shown.label));
        ASSERT_EQ(editor.visiblePage(), editor.page(section));
    }
    // The page's lowest (or highest) control that takes the focus.
    static QWidget* outermostField(EditorPage& page, bool lowest) {
        QWidget* found = nullptr;
        int foundY = 0;
        for (QWidget* w : page.findChildren<QWidget*>()) {
            if (!w->isVisibleTo(&page) || !w->isEnabled() || !(w->focusPolicy() & Qt::TabFocus) ||
                w->focusProxy() != nullptr) {
                continue;
            }
            const int y = w->mapTo(&page, QPoint(0, lowest ? w->height() : 0)).y();
            if (found == nullptr || (lowest ? y > foundY : y < foundY)) {
                found = w;
                foundY = y;
            }
        }
        return found;
    }
    // Whole in the view, or from its left or top edge where it is larger.
    bool inView(QWidget* w) {
        const QRect place(w->mapTo(scroller().viewport(), QPoint(0, 0)), w->size());
        const QSize view = scroller().viewport()->size();
        const auto shown = [](int start, int length, int room) {
            return length <= room ? start >= 0 && start + length <= room : start == 0;
        };
        return shown(place.x(), place.width(), view.width()) &&
               shown(place.y(), place.height(), view.height());
    }

    TestPlatform platform;
    ProtocolEditor editor;
};

} // namespace

TEST_F(EditorFit, OpensWithinTheAvailableArea) {
    const QRect room = editor.screen()->availableGeometry();
    EXPECT_LE(editor.frameGeometry().width(), room.width());
    EXPECT_LE(editor.frameGeometry().height(), room.height());
    EXPECT_LE(editor.minimumHeight(), room.height());
    // A page needs no scrolling unless the screen is smaller than the editor.
    const bool cut = scroller().viewport()->height() < editor.panel()->minimumHeight();
    EXPECT_EQ(scrolls(), cut);
}

// In a page area shorter than the pages, every page scrolls, and the focus
// moving to a field out of view brings the field into view.
TEST_F(EditorFit, ShortPageAreaScrollsToTheFocusedField) {
    setPageAreaExtra(-40); // the editor refuses 43 pixels less
    for (int section = 0; section < sectionCount(); ++section) {
        showSection(section);
        EditorPage& page = *editor.page(section);
        EXPECT_GE(page.height(), editor.panel()->minimumHeight()) << section;
        EXPECT_TRUE(scrolls()) << section;
        EXPECT_EQ(scroller().verticalScrollBar()->value(), 0) << "a page shows from its top";
        // Down to the lowest field, then back up to the highest.
        for (bool lowest : {true, false}) {
            QWidget* field = outermostField(page, lowest);
            ASSERT_NE(field, nullptr) << section;
            field->setFocus(Qt::TabFocusReason);
            EXPECT_TRUE(inView(field)) << section << " " << field->metaObject()->className();
        }
    }
}

// In a page area taller than the pages, the boxes anchored to grow take all
// of the extra height between them, and none overlaps the next.
TEST_F(EditorFit, GrowingBoxesTakeTheExtraHeight) {
    constexpr int kExtra = 120;
    int growing = 0;
    for (int section = 0; section < sectionCount(); ++section) {
        showSection(section);
        setPageAreaExtra(0);
        EditorPage& page = *editor.page(section);
        const auto* anchors = qobject_cast<AnchorLayout*>(page.layout());
        ASSERT_NE(anchors, nullptr);
        std::vector<std::pair<QPlainTextEdit*, int>> boxes;
        for (QPlainTextEdit* box : page.findChildren<QPlainTextEdit*>()) {
            if ((anchors->flags(box) & AnchorStretchDown) != 0) {
                boxes.emplace_back(box, box->height());
            }
        }
        setPageAreaExtra(kExtra);
        EXPECT_FALSE(scrolls()) << section;
        int grown = 0;
        for (const auto& [box, height] : boxes) {
            EXPECT_GT(box->height(), height) << section;
            grown += box->height() - height;
            ++growing;
        }
        EXPECT_EQ(grown, boxes.empty() ? 0 : kExtra) << section;
        expectNoOverlap(page, section);
    }
    EXPECT_GE(growing, 4) << "the criteria, population, summary and description boxes at least";
}
