#include "platform/AnchorLayout.h"

#include "platform/DialogTemplate.h"

#include <QWidget>

AnchorLayout::AnchorLayout(QWidget* widget) : QLayout(widget), m_laidOut(widget->size()) {
    setContentsMargins(0, 0, 0, 0);
    // A window keeps the minimum size it chose itself.
    setSizeConstraint(QLayout::SetNoConstraint);
}

AnchorLayout::~AnchorLayout() = default;

void AnchorLayout::addAnchored(QWidget* control, unsigned flags) {
    if (control == nullptr || flags == 0) {
        return;
    }
    // One entry a control: a second would move it twice.
    for (Anchored& anchored : m_items) {
        if (anchored.item->widget() == control) {
            anchored.flags = flags;
            return;
        }
    }
    m_items.push_back({std::make_unique<QWidgetItem>(control), flags, {}, {}});
    invalidate();
}

unsigned AnchorLayout::flags(const QWidget* control) const {
    for (const Anchored& anchored : m_items) {
        if (anchored.item->widget() == control) {
            return anchored.flags;
        }
    }
    return 0;
}

QRect AnchorLayout::applyAnchor(const QRect& rect, unsigned flags, int dx, int dy) {
    QRect result = rect;
    if ((flags & AnchorStretchRight) != 0) {
        result.setRight(result.right() + dx);
    } else if ((flags & AnchorMoveRight) != 0) {
        result.translate(dx, 0);
    }
    const int upper = dy / 2;
    int down = dy;
    if ((flags & AnchorLowerHalf) != 0) {
        result.translate(0, upper);
        down = dy - upper;
    } else if ((flags & AnchorUpperHalf) != 0) {
        down = upper;
    }
    if ((flags & AnchorStretchDown) != 0) {
        result.setBottom(result.bottom() + down);
    } else if ((flags & AnchorMoveDown) != 0) {
        result.translate(0, down);
    }
    return result;
}

void AnchorLayout::addItem(QLayoutItem* item) {
    m_items.push_back({std::unique_ptr<QLayoutItem>(item), 0, {}, {}});
    invalidate();
}

QLayoutItem* AnchorLayout::itemAt(int index) const {
    if (index < 0 || index >= count()) {
        return nullptr;
    }
    return m_items[static_cast<std::size_t>(index)].item.get();
}

QLayoutItem* AnchorLayout::takeAt(int index) {
    if (index < 0 || index >= count()) {
        return nullptr;
    }
    const auto at = m_items.begin() + index;
    QLayoutItem* item = at->item.release();
    m_items.erase(at);
    invalidate();
    return item;
}

int AnchorLayout::count() const {
    return static_cast<int>(m_items.size());
}

QSize AnchorLayout::sizeHint() const {
    return {};
}

QSize AnchorLayout::minimumSize() const {
    return {0, 0};
}

void AnchorLayout::setGeometry(const QRect& rect) {
    QLayout::setGeometry(rect);
    const QWidget* widget = parentWidget();
    if (widget != nullptr && widget->isMinimized()) {
        return;
    }
    const QSize now = rect.size();
    if (now != m_laidOut) {
        const int dx = now.width() - m_laidOut.width();
        const int dy = now.height() - m_laidOut.height();
        for (Anchored& anchored : m_items) {
            follow(anchored, dx, dy);
        }
    }
    m_laidOut = now;
}

// From the place the anchors chose unless code moved the control since.
void AnchorLayout::follow(Anchored& anchored, int dx, int dy) {
    QWidget* control = anchored.item->widget();
    if (control == nullptr) {
        return;
    }
    const QRect current = control->geometry();
    const QRect from =
        current == anchored.applied && !anchored.wanted.isNull() ? anchored.wanted : current;
    anchored.wanted = applyAnchor(from, anchored.flags, dx, dy);
    control->setGeometry(
        QRect(anchored.wanted.topLeft(), anchored.wanted.size().expandedTo(QSize(0, 0))));
    anchored.applied = control->geometry();
    control->update();
}
