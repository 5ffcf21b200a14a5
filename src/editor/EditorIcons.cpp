#include "editor/EditorIcons.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <array>
#include <functional>
#include <utility>

namespace {

// Every icon is drawn on a 24 x 24 grid and scaled to the wanted size.
constexpr qreal kGrid = 24.0;

const QColor kOutline(40, 52, 70);
const QColor kBlue(47, 111, 191);
const QColor kLightBlue(200, 222, 248);
const QColor kGreen(58, 154, 74);
const QColor kRed(208, 64, 58);
const QColor kOrange(224, 138, 30);
const QColor kPurple(122, 79, 176);
const QColor kTeal(34, 150, 150);
const QColor kGold(214, 164, 40);
const QColor kBrown(150, 100, 56);
const QColor kPaper(255, 255, 255);
const QColor kGrey(120, 130, 142);

QPen outline(qreal width = 1.2, const QColor& colour = kOutline) {
    QPen pen(colour, width);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

void drawContacts(QPainter& p) {
    p.setPen(outline());
    p.setBrush(kBlue);
    QPainterPath body;
    body.moveTo(3.5, 22);
    body.cubicTo(3.5, 15, 7.5, 13, 12, 13);
    body.cubicTo(16.5, 13, 20.5, 15, 20.5, 22);
    body.closeSubpath();
    p.drawPath(body);
    p.setBrush(QColor(246, 206, 170));
    p.drawEllipse(QPointF(12, 7.5), 4.5, 4.5);
}

void drawRegulation(QPainter& p) {
    QPainterPath shield;
    shield.moveTo(12, 1.5);
    shield.lineTo(20.5, 4.5);
    shield.lineTo(20.5, 11);
    shield.cubicTo(20.5, 17, 16.5, 20.5, 12, 22.5);
    shield.cubicTo(7.5, 20.5, 3.5, 17, 3.5, 11);
    shield.lineTo(3.5, 4.5);
    shield.closeSubpath();
    p.setPen(outline());
    p.setBrush(kGreen);
    p.drawPath(shield);
    p.setPen(outline(2.6, kPaper));
    p.drawPolyline(QPolygonF({{7.5, 12}, {10.5, 15.5}, {16.5, 8.5}}));
}

void drawStatus(QPainter& p) {
    p.setPen(outline(1.6, kBlue));
    p.setBrush(kPaper);
    p.drawEllipse(QPointF(12, 12), 9.5, 9.5);
    p.setPen(outline(1.0, kGrey));
    for (int hour = 0; hour < 12; hour += 3) {
        p.save();
        p.translate(12, 12);
        p.rotate(hour * 30.0);
        p.drawLine(QPointF(0, -8), QPointF(0, -6.5));
        p.restore();
    }
    p.setPen(outline(2.0));
    p.drawLine(QPointF(12, 12), QPointF(12, 5.5));
    p.setPen(outline(2.0, kRed));
    p.drawLine(QPointF(12, 12), QPointF(16.5, 14));
    p.setPen(Qt::NoPen);
    p.setBrush(kOutline);
    p.drawEllipse(QPointF(12, 12), 1.4, 1.4);
}

void drawOversight(QPainter& p) {
    QPainterPath eye;
    eye.moveTo(1.5, 12);
    eye.quadTo(12, 1.5, 22.5, 12);
    eye.quadTo(12, 22.5, 1.5, 12);
    p.setPen(outline(1.4, kPurple.darker(140)));
    p.setBrush(kPaper);
    p.drawPath(eye);
    p.setPen(Qt::NoPen);
    p.setBrush(kPurple);
    p.drawEllipse(QPointF(12, 12), 4.8, 4.8);
    p.setBrush(kOutline);
    p.drawEllipse(QPointF(12, 12), 2.2, 2.2);
    p.setBrush(kPaper);
    p.drawEllipse(QPointF(13.6, 10.4), 1.2, 1.2);
}

void drawDocumentSheet(QPainter& p, const QRectF& sheet) {
    QPainterPath page;
    const qreal fold = 5;
    page.moveTo(sheet.left(), sheet.top());
    page.lineTo(sheet.right() - fold, sheet.top());
    page.lineTo(sheet.right(), sheet.top() + fold);
    page.lineTo(sheet.right(), sheet.bottom());
    page.lineTo(sheet.left(), sheet.bottom());
    page.closeSubpath();
    p.setPen(outline(1.2, kGrey.darker(130)));
    p.setBrush(kPaper);
    p.drawPath(page);
    p.setBrush(QColor(220, 226, 234));
    p.drawPolygon(QPolygonF({{sheet.right() - fold, sheet.top()},
                             {sheet.right() - fold, sheet.top() + fold},
                             {sheet.right(), sheet.top() + fold}}));
}

void drawSummary(QPainter& p) {
    drawDocumentSheet(p, QRectF(4.5, 1.5, 15, 21));
    p.setPen(outline(1.6, kBlue));
    for (const qreal y : {8.0, 11.5, 15.0}) {
        p.drawLine(QPointF(7.5, y), QPointF(16.5, y));
    }
    p.drawLine(QPointF(7.5, 18.5), QPointF(13, 18.5));
}

void drawSponsor(QPainter& p) {
    p.setPen(outline());
    p.setBrush(kGold);
    p.drawPolygon(QPolygonF({{2.5, 9}, {12, 2.5}, {21.5, 9}}));
    p.setBrush(QColor(236, 226, 200));
    for (const qreal x : {4.5, 9.0, 13.5, 18.0}) {
        p.drawRect(QRectF(x, 10, 2.0, 8.5));
    }
    p.setBrush(kGold);
    p.drawRect(QRectF(2.5, 18.5, 19, 3));
}

void drawResults(QPainter& p) {
    p.setPen(outline(1.2));
    p.setBrush(kBlue);
    p.drawRect(QRectF(4.5, 12, 4, 9));
    p.setBrush(kGreen);
    p.drawRect(QRectF(10, 6, 4, 15));
    p.setBrush(kOrange);
    p.drawRect(QRectF(15.5, 9.5, 4, 11.5));
    p.setPen(outline(1.6));
    p.drawLine(QPointF(2.5, 21.5), QPointF(21.5, 21.5));
}

void drawBook(QPainter& p, const QRectF& spine, const QColor& colour) {
    p.setPen(outline(1.1));
    p.setBrush(colour);
    p.drawRoundedRect(spine, 0.8, 0.8);
    p.setPen(outline(1.0, colour.lighter(160)));
    p.drawLine(QPointF(spine.left() + 1.2, spine.top() + 3),
               QPointF(spine.right() - 1.2, spine.top() + 3));
    p.drawLine(QPointF(spine.left() + 1.2, spine.bottom() - 3),
               QPointF(spine.right() - 1.2, spine.bottom() - 3));
}

void drawReferences(QPainter& p) {
    drawBook(p, QRectF(2.5, 4, 5, 17.5), kRed);
    drawBook(p, QRectF(8, 2.5, 5, 19), kBlue);
    p.save();
    p.translate(17, 21.5);
    p.rotate(14);
    drawBook(p, QRectF(-2.5, -17, 5, 17), kGreen);
    p.restore();
    p.setPen(outline(1.4));
    p.drawLine(QPointF(1.5, 21.7), QPointF(22.5, 21.7));
}

void drawLocations(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 50));
    p.drawEllipse(QPointF(12, 21.5), 5, 1.6);
    QPainterPath pin;
    pin.moveTo(12, 21.5);
    pin.cubicTo(8, 16, 4.5, 13, 4.5, 9);
    pin.arcTo(QRectF(4.5, 1.5, 15, 15), 180, -180);
    pin.cubicTo(19.5, 13, 16, 16, 12, 21.5);
    p.setPen(outline(1.2, kRed.darker(150)));
    p.setBrush(kRed);
    p.drawPath(pin);
    p.setPen(Qt::NoPen);
    p.setBrush(kPaper);
    p.drawEllipse(QPointF(12, 9), 3, 3);
}

void drawEligibility(QPainter& p) {
    p.setPen(outline());
    p.setBrush(kBrown);
    p.drawRoundedRect(QRectF(3.5, 3, 17, 19.5), 1.5, 1.5);
    p.setBrush(kPaper);
    p.drawRect(QRectF(5.5, 5.5, 13, 15));
    p.setBrush(kGrey);
    p.drawRoundedRect(QRectF(8.5, 1.5, 7, 3.5), 1, 1);
    p.setPen(outline(1.6, kGreen));
    for (const qreal y : {9.5, 15.0}) {
        p.drawPolyline(QPolygonF({{7, y}, {8.3, y + 1.4}, {10.5, y - 1.3}}));
    }
    p.setPen(outline(1.3, kGrey));
    p.drawLine(QPointF(12, 9.8), QPointF(16.5, 9.8));
    p.drawLine(QPointF(12, 15.3), QPointF(16.5, 15.3));
}

void drawConditions(QPainter& p) {
    QPainterPath heart;
    heart.moveTo(12, 21.5);
    heart.cubicTo(4, 16, 1.5, 11.5, 1.5, 8);
    heart.cubicTo(1.5, 4.5, 4, 2.5, 7, 2.5);
    heart.cubicTo(9.5, 2.5, 11, 4, 12, 6);
    heart.cubicTo(13, 4, 14.5, 2.5, 17, 2.5);
    heart.cubicTo(20, 2.5, 22.5, 4.5, 22.5, 8);
    heart.cubicTo(22.5, 11.5, 20, 16, 12, 21.5);
    p.setPen(outline(1.2, kRed.darker(150)));
    p.setBrush(kRed);
    p.drawPath(heart);
    p.setPen(outline(1.7, kPaper));
    p.drawPolyline(QPolygonF({{4, 11}, {8.5, 11}, {10.5, 7.5}, {13, 15}, {15, 11}, {20, 11}}));
}

void drawTitle(QPainter& p) {
    p.setPen(outline(1.2, kBlue.darker(130)));
    p.setBrush(kLightBlue);
    p.drawRoundedRect(QRectF(1.5, 4.5, 21, 15), 2, 2);
    p.setPen(Qt::NoPen);
    p.setBrush(kBlue);
    p.drawRect(QRectF(2.1, 5.1, 19.8, 3.4));
    p.setPen(outline(1.0, kBlue.darker(130)));
    p.setBrush(kPaper);
    p.drawRect(QRectF(4, 10.5, 5.5, 6.5));
    p.setPen(outline(1.5, kOutline));
    p.drawLine(QPointF(11.5, 11.5), QPointF(19.5, 11.5));
    p.drawLine(QPointF(11.5, 14.5), QPointF(19.5, 14.5));
    p.drawLine(QPointF(11.5, 17.2), QPointF(16, 17.2));
}

void drawInterventions(QPainter& p) {
    p.save();
    p.translate(12, 12);
    p.rotate(-45);
    const QRectF capsule(-9.5, -4.3, 19, 8.6);
    QPainterPath whole;
    whole.addRoundedRect(capsule, 4.3, 4.3);
    p.setClipPath(whole);
    p.fillRect(QRectF(-9.5, -4.3, 9.5, 8.6), kOrange);
    p.fillRect(QRectF(0, -4.3, 9.5, 8.6), kPaper);
    p.setClipping(false);
    p.setPen(outline(1.2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(whole);
    p.drawLine(QPointF(0, -4.3), QPointF(0, 4.3));
    p.setPen(outline(1.2, QColor(255, 255, 255, 170)));
    p.drawLine(QPointF(-7, -2), QPointF(-2.5, -2));
    p.restore();
}

void drawDesign(QPainter& p) {
    QPainterPath flask;
    flask.moveTo(9, 2.5);
    flask.lineTo(15, 2.5);
    flask.lineTo(15, 4);
    flask.lineTo(14, 4);
    flask.lineTo(14, 9);
    flask.lineTo(20.5, 19.5);
    flask.quadTo(21.5, 21.5, 19.5, 21.5);
    flask.lineTo(4.5, 21.5);
    flask.quadTo(2.5, 21.5, 3.5, 19.5);
    flask.lineTo(10, 9);
    flask.lineTo(10, 4);
    flask.lineTo(9, 4);
    flask.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(kPaper);
    p.drawPath(flask);
    p.save();
    p.setClipPath(flask);
    p.fillRect(QRectF(0, 13.5, 24, 10), kTeal);
    p.restore();
    p.setPen(outline(1.2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(flask);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 200));
    p.drawEllipse(QPointF(9.5, 17.5), 1.3, 1.3);
    p.drawEllipse(QPointF(14, 19), 0.9, 0.9);
}

// Two people passing a sheet of data between them.
void drawIpdSharing(QPainter& p) {
    p.setPen(outline());
    for (const auto& [x, colour] : {std::pair{5.5, kBlue}, std::pair{18.5, kGreen}}) {
        p.setBrush(colour);
        QPainterPath body;
        body.moveTo(x - 4.5, 22);
        body.cubicTo(x - 4.5, 16.5, x - 2.5, 14.5, x, 14.5);
        body.cubicTo(x + 2.5, 14.5, x + 4.5, 16.5, x + 4.5, 22);
        body.closeSubpath();
        p.drawPath(body);
        p.setBrush(QColor(246, 206, 170));
        p.drawEllipse(QPointF(x, 10.5), 3, 3);
    }
    drawDocumentSheet(p, QRectF(8.5, 1.5, 7, 9));
    p.setPen(outline(1.4, kOrange));
    p.drawLine(QPointF(9.5, 13.5), QPointF(14.5, 13.5));
    p.drawPolyline(QPolygonF({{12.8, 11.8}, {14.5, 13.5}, {12.8, 15.2}}));
}

// A stack of sheets: the documents a study makes available.
void drawDocuments(QPainter& p) {
    drawDocumentSheet(p, QRectF(8.5, 1.5, 13, 17));
    drawDocumentSheet(p, QRectF(2.5, 5.5, 13, 17));
    p.setPen(outline(1.6, kTeal));
    for (const qreal y : {11.5, 14.5, 17.5}) {
        p.drawLine(QPointF(5, y), QPointF(12.5, y));
    }
}

using Drawing = std::function<void(QPainter&)>;

const std::array<Drawing, EditorIcons::kIconCount>& drawings() {
    static const std::array<Drawing, EditorIcons::kIconCount> all = {
        drawContacts,      drawRegulation,  drawStatus,     drawOversight,
        drawSummary,       drawSponsor,     drawResults,    drawReferences,
        drawLocations,     drawEligibility, drawConditions, drawTitle,
        drawInterventions, drawDesign,      drawIpdSharing, drawDocuments,
    };
    return all;
}

// Grey, lighter and partly transparent: the look of an item that cannot be chosen.
QImage disabledLook(QImage image) {
    image = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = line[x];
            const int grey = 110 + qGray(pixel) * 120 / 255;
            line[x] = qRgba(grey, grey, grey, qAlpha(pixel) * 3 / 4);
        }
    }
    return image;
}

// A disc in the bottom right corner, ringed in white so that it stands out
// from the icon under it.
QImage withBadge(QImage image, const QColor& colour) {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal side = qMin(image.width(), image.height()) * 0.5;
    const QRectF disc(image.width() - side - 0.5, image.height() - side - 0.5, side, side);
    painter.setPen(QPen(Qt::white, 1.5));
    painter.setBrush(colour);
    painter.drawEllipse(disc);
    return image;
}

QImage drawn(const Drawing& drawing, QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size.width() / kGrid, size.height() / kGrid);
    drawing(painter);
    return image;
}

} // namespace

QPixmap EditorIcons::icon(int index, QSize size, bool disabled) {
    if (index < 0 || index >= kIconCount || size.isEmpty()) {
        return {};
    }
    const QImage image = drawn(drawings()[static_cast<std::size_t>(index)], size);
    return QPixmap::fromImage(disabled ? disabledLook(image) : image);
}

OutlookTabImageList EditorIcons::imageList(QSize size, bool disabled) {
    OutlookTabImageList list(size);
    for (int badge = NoBadge; badge < kBadgeCount; ++badge) {
        for (int i = 0; i < kIconCount; ++i) {
            QPixmap plain = icon(i, size, disabled);
            if (badge == NoBadge || plain.isNull()) {
                list.add(plain);
                continue;
            }
            const RuleSeverity severity =
                badge == ErrorBadge ? RuleSeverity::Error : RuleSeverity::Warning;
            list.add(QPixmap::fromImage(withBadge(plain.toImage(), findingColour(severity))));
        }
    }
    return list;
}

QColor EditorIcons::findingColour(RuleSeverity severity) {
    return severity == RuleSeverity::Error ? QColor(0xd0, 0x21, 0x1c) : QColor(0xe6, 0x9b, 0x00);
}

QPixmap EditorIcons::helpMarker(QSize size) {
    if (size.isEmpty()) {
        return {};
    }
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal side = qMin(size.width(), size.height());
    const QRectF disc((size.width() - side) / 2.0 + 0.5, (size.height() - side) / 2.0 + 0.5,
                      side - 1.0, side - 1.0);
    painter.setPen(QPen(kBlue.darker(140), 1.0));
    painter.setBrush(kBlue);
    painter.drawEllipse(disc);
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(qMax(6, static_cast<int>(side * 0.8)));
    painter.setFont(font);
    painter.setPen(kPaper);
    painter.drawText(disc, Qt::AlignCenter, QStringLiteral("?"));
    return QPixmap::fromImage(image);
}
