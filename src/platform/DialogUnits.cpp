#include "platform/DialogUnits.h"

#include <QFont>
#include <QFontMetrics>
#include <algorithm>

namespace {

// a * b / c rounded half away from zero.
int mulDiv(int a, int b, int c) {
    const long long product = static_cast<long long>(a) * b;
    const long long half = c / 2;
    const long long rounded = product >= 0 ? (product + half) / c : (product - half) / c;
    return static_cast<int>(rounded);
}

} // namespace

DialogUnits::DialogUnits(int baseX, int baseY)
    : m_baseX(std::max(1, baseX)), m_baseY(std::max(1, baseY)) {}

DialogUnits DialogUnits::fromFont(const QFont& font) {
    const QFontMetrics metrics(font);
    const int alphabet = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    // Average over the 52 letters, rounded to the nearest pixel.
    return DialogUnits((alphabet / 26 + 1) / 2, metrics.height());
}

int DialogUnits::toPixelsX(int units) const {
    return mulDiv(units, m_baseX, 4);
}

int DialogUnits::toPixelsY(int units) const {
    return mulDiv(units, m_baseY, 8);
}

QRect DialogUnits::toPixels(const DialogRect& rect) const {
    const int left = toPixelsX(rect.x);
    const int top = toPixelsY(rect.y);
    const int right = toPixelsX(rect.x + rect.width);
    const int bottom = toPixelsY(rect.y + rect.height);
    return QRect(left, top, right - left, bottom - top);
}

QSize DialogUnits::toPixels(int width, int height) const {
    return QSize(toPixelsX(width), toPixelsY(height));
}
