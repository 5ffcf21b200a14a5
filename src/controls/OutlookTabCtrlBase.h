#pragma once

#include "controls/OutlookTabImageList.h"
#include "controls/OutlookTabItem.h"
#include "controls/OutlookTabLayout.h"

#include <QBasicTimer>
#include <QFont>
#include <QWidget>
#include <memory>
#include <vector>

enum class OutlookTabImageKind { Large, Small, LargeDisabled, SmallDisabled };

// The navigation bar's items, layout, selection and mouse handling. Each item
// has a window that the bar shows in its content area while the item is
// selected and hides otherwise. The bar owns its items, not their windows.
class OutlookTabCtrlBase : public QWidget {
    Q_OBJECT

public:
    static constexpr int kHoverIntervalMs = 10;

    explicit OutlookTabCtrlBase(QWidget* parent = nullptr);
    ~OutlookTabCtrlBase() override;

    // A 1-pixel border drawn by the bar itself, inside its rectangle.
    void setBorder(bool border);
    bool hasBorder() const { return m_border; }
    void setOptions(const OutlookTabOptions& options);
    const OutlookTabOptions& options() const { return m_options; }

    // Each list given replaces the held one; a null pointer keeps it.
    void setImageLists(const OutlookTabImageList* large, const OutlookTabImageList* small,
                       const OutlookTabImageList* largeDisabled,
                       const OutlookTabImageList* smallDisabled);
    const OutlookTabImageList& imageList(OutlookTabImageKind kind) const;

    const QFont& captionFont() const { return m_captionFont; }
    const QFont& itemFont() const { return m_itemFont; }
    void setFonts(const QFont& captionFont, const QFont& itemFont);

    // Appends. The first selectable item becomes the selection when there is
    // none (without notification); every other item's window is hidden.
    OutlookTabItem* addItem(QWidget* window, const QString& label, int largeImage, int smallImage);
    void removeAllItems();

    int itemCount() const { return static_cast<int>(m_items.size()); }
    OutlookTabItem* itemAt(int index) const;
    int itemIndex(const OutlookTabItem* item) const; // -1 when absent
    OutlookTabItem* selectedItem() const { return m_selected; }

    // Flags take effect at the next updateLayout().
    void setItemVisible(OutlookTabItem* item, bool visible);
    void setItemDisabled(OutlookTabItem* item, bool disabled);
    void setItemCollapsed(OutlookTabItem* item, bool collapsed);
    // Shows other icons of the image lists for the item; repaints.
    void setItemImages(OutlookTabItem* item, int largeImage, int smallImage);

    // Recomputes the layout, repairs the selection and repaints.
    void updateLayout();
    // Does nothing for the selected, an invisible or a disabled item; never notifies.
    void selectItem(OutlookTabItem* item);
    // Selects as a click does: asks canSelect(), focuses the item's window and
    // notifies through selected().
    void chooseItem(OutlookTabItem* item);
    // The next (or previous) selectable item after `from` in bar order,
    // wrapping around; null when none is selectable.
    OutlookTabItem* selectableNeighbour(const OutlookTabItem* from, bool forward) const;
    // The item the arrow keys point at while the bar has the focus; Enter or
    // Space chooses it.
    OutlookTabItem* keyboardItem() const;

    OutlookTabMetrics metrics() const;
    const OutlookTabLayout& currentLayout() const { return m_layout; }
    // A disabled item counts as nothing.
    OutlookTabTarget hitTest(QPoint point) const;
    OutlookTabTarget hoveredTarget() const { return m_hovered; }
    OutlookTabTarget pressedTarget() const { return m_pressed; }
    bool isHoverTimerActive() const { return m_hoverTimer.isActive(); }

protected:
    // Asked before a click selects an item.
    virtual bool canSelect(OutlookTabItem* item);
    // Called after a click has selected an item.
    virtual void selected(OutlookTabItem* item);
    // Called at the end of every updateLayout().
    virtual void layoutChanged() {}
    // The cursor in widget coordinates, for the hover timer.
    virtual QPoint cursorPosition() const;

    // Forgets hover and press, as when the mouse is taken away from the bar.
    void cancelMouseTracking();

    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    OutlookTabItem* firstSelectableItem() const;
    void showSelectedWindow(OutlookTabItem* previous);
    void forgetTargetsOf(const OutlookTabItem* item);
    void moveKeyboardItem(bool forward);

    std::vector<std::unique_ptr<OutlookTabItem>> m_items;
    OutlookTabItem* m_selected = nullptr;
    OutlookTabItem* m_keyboardItem = nullptr;
    OutlookTabTarget m_hovered;
    OutlookTabTarget m_pressed;
    OutlookTabImageList m_large;
    OutlookTabImageList m_small;
    OutlookTabImageList m_largeDisabled;
    OutlookTabImageList m_smallDisabled;
    QFont m_captionFont;
    QFont m_itemFont;
    OutlookTabOptions m_options;
    OutlookTabLayout m_layout;
    QBasicTimer m_hoverTimer;
    bool m_border = false;
};
