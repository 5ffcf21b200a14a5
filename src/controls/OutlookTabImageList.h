#pragma once

#include <QColor>
#include <QList>
#include <QPixmap>
#include <QSize>

class QImage;

// A list of icons of one fixed size, addressed by index. The navigation bar
// holds four of them (large, small and their disabled variants).
class OutlookTabImageList {
public:
    OutlookTabImageList() = default;
    explicit OutlookTabImageList(QSize iconSize);

    // Cuts a horizontal strip of icons into cells of iconSize; pixels of the
    // transparent colour become fully transparent. A partial cell at the right
    // end is dropped.
    static OutlookTabImageList fromStrip(const QImage& strip, QSize iconSize, QColor transparent);

    QSize iconSize() const { return m_iconSize; }
    int count() const { return static_cast<int>(m_pixmaps.size()); }
    bool contains(int index) const { return index >= 0 && index < count(); }

    // Appends and returns the new index; a pixmap of another size is scaled.
    int add(const QPixmap& pixmap);
    // A null pixmap when the index is out of range.
    QPixmap pixmap(int index) const;

private:
    QSize m_iconSize;
    QList<QPixmap> m_pixmaps;
};
