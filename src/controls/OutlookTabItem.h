#pragma once

#include <QPointer>
#include <QRect>
#include <QString>
#include <QWidget>

class OutlookTabCtrlBase;

// One button of the navigation bar. The bar owns its items; an item only
// refers to its window, which may be destroyed independently.
class OutlookTabItem {
public:
    OutlookTabItem(QWidget* window, QString label, int largeImage, int smallImage)
        : m_window(window), m_label(std::move(label)), m_largeImage(largeImage),
          m_smallImage(smallImage) {}

    QWidget* window() const { return m_window.data(); }
    const QString& label() const { return m_label; }
    // -1 (or any index the list does not hold) means no icon.
    int largeImage() const { return m_largeImage; }
    int smallImage() const { return m_smallImage; }
    // The button's place from the last layout; empty while it takes no place.
    QRect rect() const { return m_rect; }
    bool isCollapsed() const { return m_collapsed; }
    bool isVisible() const { return m_visible; }
    bool isDisabled() const { return m_disabled; }
    bool isSelectable() const { return m_visible && !m_disabled; }

private:
    friend class OutlookTabCtrlBase;

    QPointer<QWidget> m_window;
    QString m_label;
    int m_largeImage = -1;
    int m_smallImage = -1;
    QRect m_rect;
    bool m_collapsed = false;
    bool m_visible = true;
    bool m_disabled = false;
};

// What the mouse is over, hovers or holds: an item, the separator, or nothing.
struct OutlookTabTarget {
    enum class Kind { None, Item, Separator };

    Kind kind = Kind::None;
    OutlookTabItem* item = nullptr;

    static OutlookTabTarget none() { return {}; }
    static OutlookTabTarget separator() { return {Kind::Separator, nullptr}; }
    static OutlookTabTarget forItem(OutlookTabItem* item) { return {Kind::Item, item}; }

    bool isNone() const { return kind == Kind::None; }
    bool isItem() const { return kind == Kind::Item; }
    bool operator==(const OutlookTabTarget&) const = default;
};
