#pragma once

#include <QLayout>
#include <QRect>
#include <QSize>
#include <memory>
#include <vector>

// Moves and stretches a widget's controls by their anchor flags (AnchorFlag
// in DialogTemplate.h) when the widget's size changes: a control follows the
// right or bottom edge by as much as the edge moved. Pages and dialogs use it
// alike; controls without flags are never touched.
//
// The layout measures each change from the size it last laid out, starting
// with the size the widget has when the layout is made, so make it once the
// widget has its built size. A control that code moved since the last change
// follows from its new place. Hidden controls are moved too, so that they
// stand right when they are shown.
//
// It asks nothing of the widget's size: no size hint, no minimum, so windows
// and scroll areas keep the sizes their owners give them.
class AnchorLayout : public QLayout {
    Q_OBJECT
public:
    // Installs itself as `widget`'s layout.
    explicit AnchorLayout(QWidget* widget);
    ~AnchorLayout() override;

    // Follows `control`, a child of the widget, by `flags`; 0 adds nothing.
    void addAnchored(QWidget* control, unsigned flags);
    // The flags `control` follows by; 0 for a control it does not hold.
    unsigned flags(const QWidget* control) const;

    // `rect` after the area grew by dx, dy, for anchor `flags`; it may come out
    // narrower or lower than nothing.
    static QRect applyAnchor(const QRect& rect, unsigned flags, int dx, int dy);

    void addItem(QLayoutItem* item) override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    int count() const override;
    QSize sizeHint() const override;
    QSize minimumSize() const override;
    void setGeometry(const QRect& rect) override;

private:
    struct Anchored {
        std::unique_ptr<QLayoutItem> item;
        unsigned flags = 0;
        QRect wanted;  // where the anchors put it, even when that is smaller than nothing
        QRect applied; // the geometry it was given then
    };

    void follow(Anchored& anchored, int dx, int dy);

    std::vector<Anchored> m_items;
    QSize m_laidOut; // the size of the last layout
};
