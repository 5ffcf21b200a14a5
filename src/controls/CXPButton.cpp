#include "controls/CXPButton.h"

#include <QPainter>
#include <algorithm>

namespace {

// Width and height of the sunken edge inside the frame.
constexpr int kEdge = 2;
// Corner ellipse of the frame, in pixels.
constexpr qreal kCornerRadius = 5.0;

int reduced(int component, int step, int divisor) {
    return std::clamp(component - step / divisor, 0, 255);
}

QPen rimPen(const CXPButton::RimPen& rim) {
    QPen pen(rim.colour, rim.width);
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

QFont buttonFont() {
    QFont font(QStringLiteral("Arial"));
    // A cell height of 14 pixels.
    font.setPixelSize(12);
    return font;
}

} // namespace

CXPButton::CXPButton(QWidget* parent) : QPushButton(parent) {
    setFont(buttonFont());
}

CXPButton::CXPButton(const QString& text, QWidget* parent) : CXPButton(parent) {
    setText(text);
}

void CXPButton::setBaseColour(bool use, int red, int green, int blue) {
    m_baseColour =
        use ? QColor(std::clamp(red, 0, 255), std::clamp(green, 0, 255), std::clamp(blue, 0, 255))
            : QColor(255, 255, 255);
    update();
}

bool CXPButton::strongGradient() const {
    return isDown() || isDefault() || hasFocus();
}

CXPButton::Gradient CXPButton::gradientColours(const QColor& base, bool hovered, bool strong) {
    // Divisors of the red, green and blue reductions per step.
    const int redGreen = hovered ? 4 : 3;
    const int blue = hovered ? (strong ? 3 : 5) : (strong ? 4 : 5);
    Gradient colours;
    for (int i = 0; i < kGradientSteps; ++i) {
        colours[static_cast<std::size_t>(i)] =
            QColor(reduced(base.red(), i, redGreen), reduced(base.green(), i, redGreen),
                   reduced(base.blue(), i, blue));
    }
    return colours;
}

int CXPButton::gradientIndex(int row, int height) {
    if (height <= 0) {
        return 0;
    }
    return std::clamp(row * (kGradientSteps - 1) / height, 0, kGradientSteps - 1);
}

CXPButton::Rim CXPButton::rimFor(bool hovered, bool focused) {
    if (hovered) {
        return Rim::Hover;
    }
    return focused ? Rim::Focus : Rim::None;
}

const CXPButton::RimPens& CXPButton::rimPens(Rim rim) {
    static const RimPens hover{{3, QColor(250, 196, 88)},
                               {2, QColor(252, 210, 121)},
                               {3, QColor(251, 202, 106)},
                               {2, QColor(229, 151, 0)}};
    static const RimPens focus{{3, QColor(153, 198, 252)},
                               {2, QColor(162, 201, 255)},
                               {3, QColor(162, 189, 252)},
                               {2, QColor(162, 201, 255)}};
    return rim == Rim::Hover ? hover : focus;
}

QString CXPButton::captionText(const QString& text) {
    QString caption = text;
    caption.remove(QLatin1Char('&'));
    return caption;
}

void CXPButton::paintEvent(QPaintEvent*) {
    // Widgets paint into Qt's back buffer, and the corners outside the rounded
    // frame show the parent's background.
    QPainter painter(this);
    paintFrame(painter);
    const QRect inner = rect().adjusted(kEdge, kEdge, -kEdge, -kEdge);
    if (inner.isEmpty()) {
        return;
    }
    paintGradient(painter, inner);
    paintRim(painter, inner);
    paintCaption(painter, inner);
}

void CXPButton::paintFrame(QPainter& painter) const {
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(rect().adjusted(0, 0, -1, -1), kCornerRadius, kCornerRadius);
}

void CXPButton::paintGradient(QPainter& painter, const QRect& inner) const {
    const Gradient colours = gradientColours(m_baseColour, m_hovered, strongGradient());
    const int height = inner.height();
    for (int row = 0; row < height; ++row) {
        painter.fillRect(QRect(inner.left(), inner.top() + row, inner.width(), 1),
                         colours[static_cast<std::size_t>(gradientIndex(row, height))]);
    }
}

void CXPButton::paintRim(QPainter& painter, const QRect& inner) const {
    const Rim shown = rim();
    if (shown == Rim::None) {
        return;
    }
    const RimPens& pens = rimPens(shown);
    // Edges of the inner rectangle, right and bottom exclusive.
    const int left = inner.left();
    const int top = inner.top();
    const int right = inner.right() + 1;
    const int bottom = inner.bottom() + 1;
    painter.setPen(rimPen(pens.left));
    painter.drawLine(left, bottom - 3, left, top + 2);
    painter.setPen(rimPen(pens.right));
    painter.drawLine(right - 1, bottom - 3, right - 1, top + 2);
    painter.setPen(rimPen(pens.top));
    painter.drawLine(left + 2, top, right - 2, top);
    painter.setPen(rimPen(pens.bottom));
    painter.drawLine(left + 2, bottom, right - 2, bottom);
}

void CXPButton::paintCaption(QPainter& painter, const QRect& inner) const {
    const QString caption = displayText();
    const QRect area = isDown() ? inner.translated(1, 1) : inner;
    const int flags = Qt::AlignCenter | Qt::TextSingleLine;
    painter.setFont(font());
    painter.setBackgroundMode(Qt::TransparentMode);
    if (!isEnabled()) {
        // Embossed grey, the look of disabled text.
        painter.setPen(Qt::white);
        painter.drawText(area.translated(1, 1), flags, caption);
        painter.setPen(QColor(128, 128, 128));
    } else {
        painter.setPen(Qt::black);
    }
    painter.drawText(area, flags, caption);
}

void CXPButton::enterEvent(QEnterEvent* event) {
    m_hovered = true;
    update();
    QPushButton::enterEvent(event);
}

void CXPButton::leaveEvent(QEvent* event) {
    m_hovered = false;
    update();
    QPushButton::leaveEvent(event);
}
