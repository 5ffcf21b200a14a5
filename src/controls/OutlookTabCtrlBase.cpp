#include "controls/OutlookTabCtrlBase.h"

#include <QApplication>
#include <QCursor>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimerEvent>

namespace {

QFont boldFont(QFont font) {
    font.setWeight(QFont::Bold);
    return font;
}

int letterHeight(const QFont& font) {
    return QFontMetrics(font).size(Qt::TextSingleLine, QStringLiteral("H")).height();
}

} // namespace

OutlookTabCtrlBase::OutlookTabCtrlBase(QWidget* parent)
    : QWidget(parent), m_captionFont(boldFont(QFontDatabase::systemFont(QFontDatabase::TitleFont))),
      m_itemFont(boldFont(QApplication::font("QMenu"))) {
    setMouseTracking(true);
    setCursor(Qt::ArrowCursor);
    // Reached with Tab; a click gives the focus to the chosen item's window.
    setFocusPolicy(Qt::TabFocus);
}

OutlookTabCtrlBase::~OutlookTabCtrlBase() = default;

void OutlookTabCtrlBase::setBorder(bool border) {
    m_border = border;
}

void OutlookTabCtrlBase::setOptions(const OutlookTabOptions& options) {
    m_options = options;
}

void OutlookTabCtrlBase::setImageLists(const OutlookTabImageList* large,
                                       const OutlookTabImageList* small,
                                       const OutlookTabImageList* largeDisabled,
                                       const OutlookTabImageList* smallDisabled) {
    if (large) {
        m_large = *large;
    }
    if (small) {
        m_small = *small;
    }
    if (largeDisabled) {
        m_largeDisabled = *largeDisabled;
    }
    if (smallDisabled) {
        m_smallDisabled = *smallDisabled;
    }
}

const OutlookTabImageList& OutlookTabCtrlBase::imageList(OutlookTabImageKind kind) const {
    switch (kind) {
    case OutlookTabImageKind::Small:
        return m_small;
    case OutlookTabImageKind::LargeDisabled:
        return m_largeDisabled;
    case OutlookTabImageKind::SmallDisabled:
        return m_smallDisabled;
    case OutlookTabImageKind::Large:
        break;
    }
    return m_large;
}

void OutlookTabCtrlBase::setFonts(const QFont& captionFont, const QFont& itemFont) {
    m_captionFont = captionFont;
    m_itemFont = itemFont;
}

OutlookTabItem* OutlookTabCtrlBase::addItem(QWidget* window, const QString& label, int largeImage,
                                            int smallImage) {
    m_items.push_back(std::make_unique<OutlookTabItem>(window, label, largeImage, smallImage));
    OutlookTabItem* item = m_items.back().get();
    if (!m_selected) {
        m_selected = firstSelectableItem();
        showSelectedWindow(nullptr);
    }
    if (item != m_selected && window) {
        window->hide();
    }
    return item;
}

void OutlookTabCtrlBase::removeAllItems() {
    cancelMouseTracking();
    m_selected = nullptr;
    m_keyboardItem = nullptr;
    m_items.clear();
    updateLayout();
}

OutlookTabItem* OutlookTabCtrlBase::itemAt(int index) const {
    if (index < 0 || index >= itemCount()) {
        return nullptr;
    }
    return m_items[static_cast<std::size_t>(index)].get();
}

int OutlookTabCtrlBase::itemIndex(const OutlookTabItem* item) const {
    for (int i = 0; i < itemCount(); ++i) {
        if (m_items[static_cast<std::size_t>(i)].get() == item) {
            return i;
        }
    }
    return -1;
}

void OutlookTabCtrlBase::setItemVisible(OutlookTabItem* item, bool visible) {
    if (itemIndex(item) < 0) {
        return;
    }
    item->m_visible = visible;
    if (!visible) {
        forgetTargetsOf(item);
    }
}

void OutlookTabCtrlBase::setItemDisabled(OutlookTabItem* item, bool disabled) {
    if (itemIndex(item) < 0) {
        return;
    }
    item->m_disabled = disabled;
    if (disabled) {
        forgetTargetsOf(item);
    }
}

void OutlookTabCtrlBase::setItemCollapsed(OutlookTabItem* item, bool collapsed) {
    if (itemIndex(item) >= 0) {
        item->m_collapsed = collapsed;
    }
}

void OutlookTabCtrlBase::setItemImages(OutlookTabItem* item, int largeImage, int smallImage) {
    if (itemIndex(item) < 0) {
        return;
    }
    item->m_largeImage = largeImage;
    item->m_smallImage = smallImage;
    update();
}

OutlookTabMetrics OutlookTabCtrlBase::metrics() const {
    return outlookTabMetrics(letterHeight(m_captionFont), letterHeight(m_itemFont),
                             m_large.iconSize(), m_largeDisabled.iconSize(), m_small.iconSize(),
                             m_smallDisabled.iconSize());
}

void OutlookTabCtrlBase::updateLayout() {
    std::vector<OutlookTabLayoutItem> inputs;
    inputs.reserve(m_items.size());
    for (const auto& item : m_items) {
        inputs.push_back({item->m_visible, item->m_collapsed});
    }
    m_layout = layOutOutlookTab(size(), m_border, m_options, metrics(), inputs);
    for (std::size_t i = 0; i < m_items.size(); ++i) {
        m_items[i]->m_rect = m_layout.itemRects[i];
    }
    OutlookTabItem* previous = m_selected;
    if (!m_selected || !m_selected->isSelectable()) {
        m_selected = firstSelectableItem();
    }
    showSelectedWindow(previous);
    layoutChanged();
    update();
}

void OutlookTabCtrlBase::selectItem(OutlookTabItem* item) {
    if (!item || item == m_selected || !item->isSelectable() || itemIndex(item) < 0) {
        return;
    }
    OutlookTabItem* previous = m_selected;
    m_selected = item;
    showSelectedWindow(previous);
    update();
}

OutlookTabTarget OutlookTabCtrlBase::hitTest(QPoint point) const {
    for (const auto& item : m_items) {
        if (item->m_visible && item->m_rect.contains(point)) {
            return item->m_disabled ? OutlookTabTarget::none()
                                    : OutlookTabTarget::forItem(item.get());
        }
    }
    if (m_layout.separator.contains(point)) {
        return OutlookTabTarget::separator();
    }
    return OutlookTabTarget::none();
}

bool OutlookTabCtrlBase::canSelect(OutlookTabItem*) {
    return true;
}

void OutlookTabCtrlBase::selected(OutlookTabItem*) {}

QPoint OutlookTabCtrlBase::cursorPosition() const {
    return mapFromGlobal(QCursor::pos());
}

void OutlookTabCtrlBase::cancelMouseTracking() {
    m_hoverTimer.stop();
    if (!m_hovered.isNone() || !m_pressed.isNone()) {
        m_hovered = OutlookTabTarget::none();
        m_pressed = OutlookTabTarget::none();
        update();
    }
}

void OutlookTabCtrlBase::mouseMoveEvent(QMouseEvent* event) {
    const OutlookTabTarget hit = hitTest(event->position().toPoint());
    if (hit.isNone()) {
        return;
    }
    const bool wasHovering = !m_hovered.isNone();
    if (hit != m_hovered) {
        m_hovered = hit;
        update();
    }
    if (!wasHovering) {
        m_hoverTimer.start(kHoverIntervalMs, this);
    }
}

void OutlookTabCtrlBase::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    const OutlookTabTarget hit = hitTest(event->position().toPoint());
    if (!hit.isNone()) {
        m_pressed = hit;
        update();
    }
}

void OutlookTabCtrlBase::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || m_pressed.isNone()) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    const OutlookTabTarget hit = hitTest(event->position().toPoint());
    const bool counted = hit == m_pressed && hit.isItem() && hit.item != m_selected;
    m_pressed = OutlookTabTarget::none();
    if (counted) {
        chooseItem(hit.item);
    }
    update();
}

void OutlookTabCtrlBase::chooseItem(OutlookTabItem* item) {
    if (itemIndex(item) < 0 || item == m_selected || !canSelect(item)) {
        return;
    }
    // The answer may have changed the items; only a still selectable item is taken.
    if (itemIndex(item) < 0) {
        return;
    }
    selectItem(item);
    if (m_selected != item) {
        return;
    }
    if (QWidget* window = item->window()) {
        window->setFocus(Qt::MouseFocusReason);
    }
    selected(item);
}

void OutlookTabCtrlBase::timerEvent(QTimerEvent* event) {
    if (event->timerId() != m_hoverTimer.timerId()) {
        QWidget::timerEvent(event);
        return;
    }
    if (!hitTest(cursorPosition()).isItem()) {
        m_hoverTimer.stop();
        m_hovered = OutlookTabTarget::none();
        update();
    }
}

void OutlookTabCtrlBase::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    updateLayout();
}

void OutlookTabCtrlBase::hideEvent(QHideEvent* event) {
    cancelMouseTracking();
    QWidget::hideEvent(event);
}

void OutlookTabCtrlBase::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && !isActiveWindow()) {
        cancelMouseTracking();
    }
    QWidget::changeEvent(event);
}

OutlookTabItem* OutlookTabCtrlBase::firstSelectableItem() const {
    for (const auto& item : m_items) {
        if (item->isSelectable()) {
            return item.get();
        }
    }
    return nullptr;
}

void OutlookTabCtrlBase::showSelectedWindow(OutlookTabItem* previous) {
    if (previous && previous != m_selected && previous->window()) {
        previous->window()->hide();
    }
    if (m_selected && m_selected->window()) {
        m_selected->window()->setGeometry(m_layout.content);
        m_selected->window()->show();
    }
}

void OutlookTabCtrlBase::forgetTargetsOf(const OutlookTabItem* item) {
    if (m_hovered.item == item) {
        m_hovered = OutlookTabTarget::none();
    }
    if (m_pressed.item == item) {
        m_pressed = OutlookTabTarget::none();
    }
    if (m_keyboardItem == item) {
        m_keyboardItem = nullptr;
    }
}

OutlookTabItem* OutlookTabCtrlBase::selectableNeighbour(const OutlookTabItem* from,
                                                        bool forward) const {
    const int count = itemCount();
    const int step = forward ? 1 : count - 1;
    // Without a starting item the walk starts just outside the bar's ends.
    int index = itemIndex(from);
    if (index < 0) {
        index = forward ? count - 1 : 0;
    }
    for (int visited = 0; visited < count; ++visited) {
        index = (index + step) % count;
        if (itemAt(index)->isSelectable()) {
            return itemAt(index);
        }
    }
    return nullptr;
}

OutlookTabItem* OutlookTabCtrlBase::keyboardItem() const {
    if (m_keyboardItem != nullptr && m_keyboardItem->isSelectable()) {
        return m_keyboardItem;
    }
    return m_selected;
}

void OutlookTabCtrlBase::moveKeyboardItem(bool forward) {
    if (OutlookTabItem* next = selectableNeighbour(keyboardItem(), forward)) {
        m_keyboardItem = next;
        update();
    }
}

void OutlookTabCtrlBase::keyPressEvent(QKeyEvent* event) {
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        QWidget::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Left:
        moveKeyboardItem(false);
        break;
    case Qt::Key_Down:
    case Qt::Key_Right:
        moveKeyboardItem(true);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        // Taken even on the selected item, so Enter never reaches a default button.
        chooseItem(keyboardItem());
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void OutlookTabCtrlBase::focusInEvent(QFocusEvent* event) {
    m_keyboardItem = m_selected;
    update();
    QWidget::focusInEvent(event);
}

void OutlookTabCtrlBase::focusOutEvent(QFocusEvent* event) {
    update();
    QWidget::focusOutEvent(event);
}
