#include "controls/OutlookTabCtrl.h"

#include <QHelpEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPixmap>
#include <QToolTip>

namespace {

constexpr int kLabelGap = 10;
constexpr int kLabelRightGap = 2;
constexpr int kRaise = 2;

QPixmap silhouette(const QPixmap& icon, QColor colour) {
    QPixmap shadow(icon.size());
    shadow.fill(Qt::transparent);
    QPainter p(&shadow);
    p.drawPixmap(0, 0, icon);
    p.setCompositionMode(QPainter::CompositionMode_SourceIn);
    p.fillRect(shadow.rect(), colour);
    return shadow;
}

void drawElided(QPainter& painter, const QRect& rect, const QString& text, const QFont& font,
                QColor colour) {
    if (rect.width() <= 0) {
        return;
    }
    painter.setFont(font);
    painter.setPen(colour);
    const QString shown = QFontMetrics(font).elidedText(text, Qt::ElideRight, rect.width());
    painter.drawText(rect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, shown);
}

} // namespace

OutlookTabCtrl::OutlookTabCtrl(QWidget* parent) : OutlookTabCtrlBase(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    updateColours();
}

void OutlookTabCtrl::updateColours() {
    m_system = OutlookTabSystemColours::fromPalette(palette());
    m_accent = outlookTabAccentColours(m_system.window, m_system.buttonFace, m_system.highlight);
}

QString OutlookTabCtrl::toolTipAt(QPoint point) const {
    for (const Tool& tool : m_tools) {
        if (tool.rect.contains(point)) {
            return tool.text;
        }
    }
    return {};
}

OutlookTabButtonState OutlookTabCtrl::buttonState(const OutlookTabItem* item) const {
    OutlookTabButtonState state;
    state.selected = item == selectedItem();
    // The keyboard's item looks hovered while the bar has the focus.
    state.hovered = (hoveredTarget().isItem() && hoveredTarget().item == item) ||
                    (hasFocus() && keyboardItem() == item);
    state.anyPressed = !pressedTarget().isNone();
    state.pressed = pressedTarget().isItem() && pressedTarget().item == item;
    state.disabled = item->isDisabled();
    return state;
}

void OutlookTabCtrl::layoutChanged() {
    m_tools.clear();
    for (int i = 0; i < itemCount(); ++i) {
        const OutlookTabItem* item = itemAt(i);
        if (item->isVisible() && item->isCollapsed()) {
            m_tools.push_back({item->rect(), item->label()});
        }
    }
}

bool OutlookTabCtrl::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip) {
        return OutlookTabCtrlBase::event(event);
    }
    const auto* help = static_cast<QHelpEvent*>(event);
    for (const Tool& tool : m_tools) {
        if (tool.rect.contains(help->pos())) {
            QToolTip::showText(help->globalPos(), tool.text, this, tool.rect);
            return true;
        }
    }
    QToolTip::hideText();
    event->ignore();
    return true;
}

void OutlookTabCtrl::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange) {
        updateColours();
        update();
    }
    OutlookTabCtrlBase::changeEvent(event);
}

void OutlookTabCtrl::paintEvent(QPaintEvent*) {
    const qreal ratio = devicePixelRatioF();
    QPixmap buffer(size() * ratio);
    buffer.setDevicePixelRatio(ratio);
    {
        QPainter painter(&buffer);
        paintBar(painter);
    }
    QPainter(this).drawPixmap(0, 0, buffer);
}

void OutlookTabCtrl::paintBar(QPainter& painter) {
    const OutlookTabLayout& layout = currentLayout();
    painter.fillRect(rect(), m_system.buttonFace);
    paintBorder(painter);
    if (options().showCaption) {
        paintCaption(painter);
    }
    paintSeparator(painter);
    painter.fillRect(layout.strip, m_system.buttonFace);
    for (int i = 0; i < itemCount(); ++i) {
        const OutlookTabItem* item = itemAt(i);
        if (item->isVisible() && !item->rect().isEmpty()) {
            paintItem(painter, *item);
        }
    }
    if (!selectedItem()) {
        painter.fillRect(layout.content, m_system.window);
    }
}

void OutlookTabCtrl::paintBorder(QPainter& painter) const {
    if (!hasBorder()) {
        return;
    }
    painter.setPen(m_system.buttonShadow);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void OutlookTabCtrl::paintCaption(QPainter& painter) const {
    const QRect caption = currentLayout().caption;
    painter.fillRect(caption, m_system.buttonShadow);
    if (const OutlookTabItem* item = selectedItem()) {
        const QRect text = caption.adjusted(OutlookTabMetrics::kCaptionIndent, 0, 0, 0);
        drawElided(painter, text, item->label(), captionFont(), m_system.captionText);
    }
}

void OutlookTabCtrl::paintSeparator(QPainter& painter) const {
    const QRect separator = currentLayout().separator;
    if (separator.isEmpty()) {
        return;
    }
    painter.fillRect(separator, m_system.buttonFace);
    painter.fillRect(QRect(separator.left(), separator.top(), separator.width(), 1),
                     m_system.buttonShadow);
    painter.fillRect(QRect(separator.left(), separator.bottom(), separator.width(), 1),
                     m_system.buttonShadow);
}

void OutlookTabCtrl::paintItem(QPainter& painter, const OutlookTabItem& item) const {
    painter.save();
    painter.setClipRect(item.rect());
    const OutlookTabButtonState state = buttonState(&item);
    if (item.isCollapsed()) {
        paintStripCell(painter, item, state);
    } else {
        paintButton(painter, item, state);
    }
    painter.restore();
}

QPixmap OutlookTabCtrl::iconFor(const OutlookTabItem& item, bool large) const {
    OutlookTabImageKind kind = large ? OutlookTabImageKind::Large : OutlookTabImageKind::Small;
    if (item.isDisabled()) {
        kind = large ? OutlookTabImageKind::LargeDisabled : OutlookTabImageKind::SmallDisabled;
    }
    return imageList(kind).pixmap(large ? item.largeImage() : item.smallImage());
}

void OutlookTabCtrl::paintButton(QPainter& painter, const OutlookTabItem& item,
                                 const OutlookTabButtonState& state) const {
    const QRect r = item.rect();
    const QRect face(r.left(), r.top(), r.width(), r.height() - 1);
    painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), m_system.buttonShadow);
    const OutlookTabButtonColours colours = outlookTabButtonColours(state, m_system, m_accent);
    painter.fillRect(face, colours.background);

    const int margin = OutlookTabMetrics::kButtonMargin;
    int textLeft = face.left() + margin;
    const QPixmap icon = iconFor(item, true);
    if (!icon.isNull()) {
        const QPoint at(face.left() + margin, face.top() + (face.height() - icon.height()) / 2);
        if (outlookTabIconRaised(state)) {
            painter.drawPixmap(at, silhouette(icon, m_system.buttonShadow));
            painter.drawPixmap(at - QPoint(kRaise, kRaise), icon);
        } else {
            painter.drawPixmap(at, icon);
        }
        textLeft = at.x() + icon.width() + kLabelGap;
    }
    const QRect text(textLeft, face.top(), face.right() - kLabelRightGap - textLeft + 1,
                     face.height());
    drawElided(painter, text, item.label(), itemFont(), colours.text);
}

void OutlookTabCtrl::paintStripCell(QPainter& painter, const OutlookTabItem& item,
                                    const OutlookTabButtonState& state) const {
    const QRect r = item.rect();
    const OutlookTabButtonColours colours = outlookTabButtonColours(state, m_system, m_accent);
    painter.fillRect(r, colours.background);
    const QPixmap icon = iconFor(item, false);
    if (!icon.isNull()) {
        painter.drawPixmap(r.left() + (r.width() - icon.width()) / 2,
                           r.top() + (r.height() - icon.height()) / 2, icon);
    }
}
