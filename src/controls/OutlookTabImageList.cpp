#include "controls/OutlookTabImageList.h"

#include <QImage>

OutlookTabImageList::OutlookTabImageList(QSize iconSize) : m_iconSize(iconSize) {}

namespace {

QImage withTransparentColour(const QImage& source, QColor transparent) {
    QImage image = source.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = transparent.rgb() & RGB_MASK;
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if ((line[x] & RGB_MASK) == key) {
                line[x] = 0;
            }
        }
    }
    return image;
}

} // namespace

OutlookTabImageList OutlookTabImageList::fromStrip(const QImage& strip, QSize iconSize,
                                                   QColor transparent) {
    OutlookTabImageList list(iconSize);
    if (iconSize.isEmpty()) {
        return list;
    }
    const QImage keyed = withTransparentColour(strip, transparent);
    for (int x = 0; x + iconSize.width() <= keyed.width(); x += iconSize.width()) {
        list.add(QPixmap::fromImage(keyed.copy(x, 0, iconSize.width(), iconSize.height())));
    }
    return list;
}

int OutlookTabImageList::add(const QPixmap& pixmap) {
    if (pixmap.size() == m_iconSize || m_iconSize.isEmpty() || pixmap.isNull()) {
        m_pixmaps.append(pixmap);
    } else {
        m_pixmaps.append(
            pixmap.scaled(m_iconSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    }
    return count() - 1;
}

QPixmap OutlookTabImageList::pixmap(int index) const {
    return contains(index) ? m_pixmaps.at(index) : QPixmap();
}
