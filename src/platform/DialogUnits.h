#pragma once

#include "platform/DialogTemplate.h"

#include <QRect>

class QFont;

// Converts dialog units to pixels: a horizontal unit is a quarter of the
// font's average character width, a vertical unit an eighth of its height.
class DialogUnits {
public:
    DialogUnits(int baseX, int baseY);
    static DialogUnits fromFont(const QFont& font);

    int baseX() const { return m_baseX; }
    int baseY() const { return m_baseY; }

    int toPixelsX(int units) const;
    int toPixelsY(int units) const;
    // Edges are converted one by one, so neighbouring controls stay flush.
    QRect toPixels(const DialogRect& rect) const;
    QSize toPixels(int width, int height) const;

private:
    int m_baseX;
    int m_baseY;
};
