#include "controls/CXPGroupBox.h"

#include <QPainter>

namespace {

constexpr qreal kCornerRadius = 5.0;
constexpr int kTitleIndent = 10;
constexpr int kTextFlags =
    Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextDontClip | Qt::TextShowMnemonic;

QRect innerRect(const QSize& size) {
    return QRect(QPoint(0, 0), size).adjusted(1, 1, -1, -1);
}

} // namespace

CXPGroupBox::CXPGroupBox(QWidget* parent)
    : QGroupBox(parent), m_fill(palette().color(QPalette::Button)),
      m_frame(palette().color(QPalette::Dark)), m_text(palette().color(QPalette::WindowText)) {}

CXPGroupBox::CXPGroupBox(const QString& title, QWidget* parent) : CXPGroupBox(parent) {
    setTitle(title);
}

void CXPGroupBox::setFillColour(const QColor& colour) {
    m_fill = colour;
    update();
}

void CXPGroupBox::setFrameColour(const QColor& colour) {
    m_frame = colour;
    update();
}

void CXPGroupBox::setTextColour(const QColor& colour) {
    m_text = colour;
    update();
}

void CXPGroupBox::setCentredTitle(bool centred) {
    m_centred = centred;
    update();
}

QString CXPGroupBox::paddedTitle(const QString& title) {
    if (title.isEmpty()) {
        return title;
    }
    return QLatin1Char(' ') + title + QLatin1Char(' ');
}

QRect CXPGroupBox::titleRect(const QSize& size, const QSize& titleSize) const {
    const QRect inner = innerRect(size);
    const int left = m_centred ? inner.left() + (inner.width() - titleSize.width()) / 2
                               : inner.left() + kTitleIndent;
    return QRect(QPoint(left, inner.top()), titleSize);
}

QRect CXPGroupBox::frameRect(const QSize& size, const QSize& titleSize) {
    QRect frame = innerRect(size);
    frame.setTop(frame.top() + titleSize.height() / 2);
    return frame;
}

void CXPGroupBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QString caption = displayTitle();
    const QSize titleSize =
        caption.isEmpty() ? QSize(0, 0) : fontMetrics().size(kTextFlags, caption);

    painter.setPen(QPen(m_frame, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(frameRect(size(), titleSize).adjusted(0, 0, -1, -1), kCornerRadius,
                            kCornerRadius);
    if (caption.isEmpty()) {
        return;
    }
    const QRect title = titleRect(size(), titleSize);
    painter.fillRect(title, m_fill);
    painter.setPen(m_text);
    painter.drawText(title, kTextFlags, caption);
}
