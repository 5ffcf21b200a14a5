#include "app/SplashWindow.h"

#include "app/Artwork.h"

#include <QTimer>

SplashWindow::SplashWindow()
    : QSplashScreen(QPixmap::fromImage(Artwork::splashPicture()), Qt::WindowStaysOnTopHint) {}

void SplashWindow::showFor(std::chrono::milliseconds duration) {
    show();
    raise();
    QTimer::singleShot(duration, this, &QWidget::hide);
}
