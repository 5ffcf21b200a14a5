#include "app/ListBackground.h"

#include <QAbstractItemView>
#include <QEvent>
#include <QPainter>
#include <QScrollBar>
#include <QUrl>

ListBackground::ListBackground(QAbstractItemView* view, const QPixmap& picture, int xPercent,
                               int yPercent)
    : QObject(view), m_view(view), m_picture(picture), m_xPercent(xPercent), m_yPercent(yPercent) {
    if (!hasPicture()) {
        return;
    }
    view->viewport()->installEventFilter(this);
    // Scrolling moves the painted pixels; the picture must not move with them.
    auto repaint = [view] { view->viewport()->update(); };
    connect(view->verticalScrollBar(), &QScrollBar::valueChanged, this, repaint);
    connect(view->horizontalScrollBar(), &QScrollBar::valueChanged, this, repaint);
}

QPoint ListBackground::placement(const QSize& area, const QSize& picture, int xPercent,
                                 int yPercent) {
    return {(area.width() - picture.width()) * xPercent / 100,
            (area.height() - picture.height()) * yPercent / 100};
}

QPoint ListBackground::position() const {
    return placement(m_view->viewport()->size(), m_picture.deviceIndependentSize().toSize(),
                     m_xPercent, m_yPercent);
}

// The light picture is faded on a dark list so that light row text stays readable.
qreal ListBackground::opacity(const QColor& base) {
    return base.lightnessF() < 0.5 ? 0.15 : 1.0;
}

QPixmap ListBackground::load(const QUrl& location) {
    if (!location.isLocalFile()) {
        return {};
    }
    return QPixmap(location.toLocalFile());
}

bool ListBackground::eventFilter(QObject* watched, QEvent* event) {
    // The type test comes first: while the view is being destroyed its
    // viewport still sends events, and the view is no scroll area any more.
    if (event->type() == QEvent::Paint && watched == m_view->viewport()) {
        // The viewport's own background is already filled; the rows follow.
        QPainter painter(m_view->viewport());
        painter.setOpacity(opacity(m_view->palette().color(QPalette::Base)));
        painter.drawPixmap(position(), m_picture);
    }
    return QObject::eventFilter(watched, event);
}
