#pragma once

#include <QIcon>
#include <QImage>

// The program's pictures, drawn in code so that they scale cleanly and need no
// image plug-in: the program and protocol icons, the splash and About
// pictures and the globe behind the list of protocols.
class Artwork {
public:
    static constexpr int kGlobeSize = 232;

    static QImage programIcon(int size);
    // The program icon in the sizes window managers ask for.
    static QIcon programIconSet();
    // 16 x 16 pixels, for the rows of the protocol list.
    static QImage protocolIcon();
    static QImage splashPicture();
    // The banner at the top of the About box, drawn for the size it is shown at.
    static QImage aboutPicture(const QSize& size);
    // A pale globe on white: it lies behind the list's text, so it must stay faint.
    static QImage globeBackground();
};
