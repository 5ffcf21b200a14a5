#pragma once

#include <QObject>
#include <QColor>
#include <QPixmap>

class QAbstractItemView;

// Draws a picture behind the rows of an item view, untiled. The position is
// given as percentages of the room the picture leaves (50 and 50 centre it);
// the picture stays in place while the rows scroll over it.
class ListBackground : public QObject {
    Q_OBJECT
public:
    ListBackground(QAbstractItemView* view, const QPixmap& picture, int xPercent, int yPercent);

    bool hasPicture() const { return !m_picture.isNull(); }
    const QPixmap& picture() const { return m_picture; }
    // The picture's top left corner in the view's viewport.
    QPoint position() const;

    static QPoint placement(const QSize& area, const QSize& picture, int xPercent, int yPercent);
    // A picture addressed as a "file://" location; a missing file gives none.
    static QPixmap load(const QUrl& location);
    // How strongly the picture is drawn on a list of this base colour.
    static qreal opacity(const QColor& base);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAbstractItemView* m_view;
    QPixmap m_picture;
    int m_xPercent;
    int m_yPercent;
};
