#include "app/Artwork.h"

#include "names/NamesAndAddresses.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <numbers>

namespace {

constexpr double kDegree = std::numbers::pi / 180.0;

const QColor kDeepBlue(20, 58, 104);
const QColor kSkyBlue(52, 122, 196);
const QColor kTeal(24, 150, 140);
const QColor kGold(236, 178, 58);

QString fromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QImage transparentImage(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// A point of the unit sphere at latitude and longitude, tilted towards the viewer.
struct SpherePoint {
    QPointF onScreen;
    bool front;
};

SpherePoint project(double latitude, double longitude, QPointF centre, double radius, double tilt) {
    const double x = std::cos(latitude) * std::sin(longitude);
    const double y = std::sin(latitude);
    const double z = std::cos(latitude) * std::cos(longitude);
    const double tiltedY = y * std::cos(tilt) - z * std::sin(tilt);
    const double tiltedZ = y * std::sin(tilt) + z * std::cos(tilt);
    return {QPointF(centre.x() + x * radius, centre.y() - tiltedY * radius), tiltedZ >= 0.0};
}

// Draws one line of latitude or longitude, the part facing away in `back`.
template <typename PointAt>
void drawSphereLine(QPainter& painter, PointAt pointAt, const QPen& front, const QPen& back) {
    constexpr int kSteps = 120;
    SpherePoint previous = pointAt(0.0);
    for (int step = 1; step <= kSteps; ++step) {
        const SpherePoint next = pointAt(static_cast<double>(step) / kSteps);
        painter.setPen(previous.front && next.front ? front : back);
        painter.drawLine(previous.onScreen, next.onScreen);
        previous = next;
    }
}

void drawGlobe(QPainter& painter, QPointF centre, double radius, const QColor& line,
               double rotation) {
    const double tilt = 22.0 * kDegree;
    QPen front(line, std::max(1.0, radius / 90.0));
    QColor faint = line;
    faint.setAlphaF(line.alphaF() * 0.35);
    QPen back(faint, std::max(0.8, radius / 140.0));
    for (int latitude = -60; latitude <= 60; latitude += 20) {
        drawSphereLine(
            painter,
            [&](double t) {
                return project(latitude * kDegree, t * 2.0 * std::numbers::pi, centre, radius,
                               tilt);
            },
            front, back);
    }
    for (int longitude = 0; longitude < 180; longitude += 30) {
        drawSphereLine(
            painter,
            [&](double t) {
                return project((t * 2.0 - 1.0) * std::numbers::pi, longitude * kDegree + rotation,
                               centre, radius, tilt);
            },
            front, back);
    }
    painter.setPen(front);
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, radius, radius);
}

void drawPage(QPainter& painter, const QRectF& page, double fold, const QColor& lines,
              int lineCount) {
    QPainterPath outline;
    outline.moveTo(page.topLeft());
    outline.lineTo(page.right() - fold, page.top());
    outline.lineTo(page.right(), page.top() + fold);
    outline.lineTo(page.bottomRight());
    outline.lineTo(page.bottomLeft());
    outline.closeSubpath();
    painter.setPen(QPen(QColor(90, 110, 140), std::max(1.0, page.width() / 40.0)));
    painter.setBrush(QColor(252, 253, 255));
    painter.drawPath(outline);

    QPainterPath corner;
    corner.moveTo(page.right() - fold, page.top());
    corner.lineTo(page.right() - fold, page.top() + fold);
    corner.lineTo(page.right(), page.top() + fold);
    corner.closeSubpath();
    painter.setBrush(QColor(200, 214, 232));
    painter.drawPath(corner);

    painter.setPen(QPen(lines, std::max(1.0, page.height() / 22.0), Qt::SolidLine, Qt::FlatCap));
    const double left = page.left() + page.width() * 0.16;
    const double top = page.top() + page.height() * 0.30;
    const double spacing = page.height() * 0.58 / std::max(1, lineCount);
    for (int i = 0; i < lineCount; ++i) {
        const double right = page.right() - page.width() * (i % 2 == 0 ? 0.16 : 0.34);
        painter.drawLine(QPointF(left, top + i * spacing), QPointF(right, top + i * spacing));
    }
}

void drawPen(QPainter& painter, QPointF tip, QPointF end, double width) {
    const QPointF along = end - tip;
    const double length = std::hypot(along.x(), along.y());
    painter.save();
    painter.translate(tip);
    painter.rotate(std::atan2(along.y(), along.x()) / kDegree);
    const double nib = width * 1.6;
    QPainterPath point;
    point.moveTo(0, 0);
    point.lineTo(nib, -width / 2);
    point.lineTo(nib, width / 2);
    point.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(250, 230, 190));
    painter.drawPath(point);
    painter.setBrush(QColor(40, 40, 48));
    painter.drawEllipse(QPointF(width * 0.35, 0), width * 0.22, width * 0.22);
    QLinearGradient body(0, -width / 2, 0, width / 2);
    body.setColorAt(0, kGold.lighter(125));
    body.setColorAt(1, kGold.darker(130));
    painter.setBrush(body);
    painter.drawRoundedRect(QRectF(nib, -width / 2, length - nib, width), width / 4, width / 4);
    painter.setBrush(kTeal);
    painter.drawRect(QRectF(length - width * 1.2, -width / 2, width * 0.5, width));
    painter.restore();
}

void fillBanner(QPainter& painter, const QRectF& area) {
    QLinearGradient sky(area.topLeft(), area.bottomRight());
    sky.setColorAt(0.0, QColor(12, 36, 70));
    sky.setColorAt(0.6, kDeepBlue);
    sky.setColorAt(1.0, QColor(28, 104, 150));
    painter.fillRect(area, sky);
}

QFont pixelFont(int pixels, bool bold = false) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

} // namespace

QImage Artwork::programIcon(int size) {
    QImage image = transparentImage(size, size);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const double s = size;
    const QRectF tile(s * 0.04, s * 0.04, s * 0.92, s * 0.92);
    QLinearGradient blue(tile.topLeft(), tile.bottomLeft());
    blue.setColorAt(0, kSkyBlue.lighter(115));
    blue.setColorAt(1, kDeepBlue);
    painter.setPen(QPen(kDeepBlue.darker(140), std::max(1.0, s / 48.0)));
    painter.setBrush(blue);
    painter.drawRoundedRect(tile, s * 0.18, s * 0.18);
    if (size >= 32) {
        QColor line(255, 255, 255, 70);
        drawGlobe(painter, QPointF(s * 0.70, s * 0.70), s * 0.26, line, 0.4);
    }
    drawPage(painter, QRectF(s * 0.20, s * 0.16, s * 0.46, s * 0.66), s * 0.13, kSkyBlue,
             size >= 32 ? 4 : 2);
    drawPen(painter, QPointF(s * 0.46, s * 0.74), QPointF(s * 0.88, s * 0.20),
            std::max(2.0, s * 0.11));
    return image;
}

QIcon Artwork::programIconSet() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        icon.addPixmap(QPixmap::fromImage(programIcon(size)));
    }
    return icon;
}

QImage Artwork::protocolIcon() {
    QImage image = transparentImage(16, 16);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(70, 90, 120), 1.0));
    painter.setBrush(QColor(252, 253, 255));
    QPainterPath page;
    page.moveTo(2.5, 0.5);
    page.lineTo(10.0, 0.5);
    page.lineTo(13.5, 4.0);
    page.lineTo(13.5, 15.5);
    page.lineTo(2.5, 15.5);
    page.closeSubpath();
    painter.drawPath(page);
    painter.setBrush(QColor(200, 214, 232));
    painter.drawPolygon(QPolygonF({QPointF(10.0, 0.5), QPointF(10.0, 4.0), QPointF(13.5, 4.0)}));
    painter.setPen(QPen(kSkyBlue, 1.0, Qt::SolidLine, Qt::FlatCap));
    for (double y : {5.5, 8.0}) {
        painter.drawLine(QPointF(4.5, y), QPointF(11.5, y));
    }
    painter.drawLine(QPointF(4.5, 10.5), QPointF(8.0, 10.5));
    // A small green cross: a clinical record.
    painter.setPen(Qt::NoPen);
    painter.setBrush(kTeal);
    painter.drawEllipse(QPointF(11.5, 12.0), 3.6, 3.6);
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(10.9, 9.9, 1.2, 4.2));
    painter.drawRect(QRectF(9.4, 11.4, 4.2, 1.2));
    return image;
}

QImage Artwork::splashPicture() {
    QImage image(440, 260, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QRectF area(0, 0, image.width(), image.height());
    fillBanner(painter, area);
    drawGlobe(painter, QPointF(360, 150), 150, QColor(255, 255, 255, 46), 0.9);
    painter.drawImage(QPointF(28, 40), programIcon(84));

    painter.setPen(Qt::white);
    painter.setFont(pixelFont(38, true));
    painter.drawText(QRectF(126, 44, 300, 46), Qt::AlignLeft | Qt::AlignVCenter,
                     fromView(names::kProductName));
    painter.setPen(QColor(196, 222, 246));
    painter.setFont(pixelFont(14));
    painter.drawText(QRectF(128, 92, 300, 40), Qt::AlignLeft,
                     QStringLiteral("Clinical trial protocol records,\nready for upload"));
    painter.setFont(pixelFont(13, true));
    painter.drawText(QRectF(128, 142, 300, 20), Qt::AlignLeft,
                     QStringLiteral("Version %1").arg(fromView(names::kProductVersion)));

    painter.fillRect(QRectF(0, 206, area.width(), 1), QColor(255, 255, 255, 60));
    painter.setPen(QColor(228, 238, 250));
    painter.setFont(pixelFont(13));
    painter.drawText(QRectF(28, 214, 250, 32), Qt::AlignLeft | Qt::AlignVCenter,
                     fromView(names::kMakerName));
    painter.setPen(kGold);
    painter.drawText(QRectF(260, 214, 152, 32), Qt::AlignRight | Qt::AlignVCenter,
                     QStringLiteral("Starting\u2026"));
    painter.setPen(QPen(QColor(8, 24, 48), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area.adjusted(0.5, 0.5, -0.5, -0.5));
    return image;
}

QImage Artwork::aboutPicture(const QSize& size) {
    QImage image(size.expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const double w = image.width();
    const double h = image.height();
    fillBanner(painter, QRectF(0, 0, w, h));
    drawGlobe(painter, QPointF(w - h * 0.6, h * 0.72), h, QColor(255, 255, 255, 52), 0.5);
    painter.setPen(Qt::white);
    painter.setFont(pixelFont(std::max(8, static_cast<int>(h * 0.38)), true));
    painter.drawText(QRectF(h * 0.25, h * 0.08, w, h * 0.5), Qt::AlignLeft | Qt::AlignVCenter,
                     fromView(names::kProductName));
    painter.setPen(QColor(196, 222, 246));
    painter.setFont(pixelFont(std::max(7, static_cast<int>(h * 0.17))));
    painter.drawText(QRectF(h * 0.27, h * 0.56, w, h * 0.32), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Clinical trial protocol records"));
    return image;
}

QImage Artwork::globeBackground() {
    QImage image(kGlobeSize, kGlobeSize, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(kGlobeSize / 2.0, kGlobeSize / 2.0);
    const double radius = kGlobeSize / 2.0 - 6.0;
    QRadialGradient glow(centre - QPointF(radius * 0.3, radius * 0.35), radius * 1.3);
    glow.setColorAt(0.0, QColor(250, 252, 255));
    glow.setColorAt(1.0, QColor(232, 240, 250));
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawEllipse(centre, radius, radius);
    drawGlobe(painter, centre, radius, QColor(188, 206, 228), 0.35);
    return image;
}
