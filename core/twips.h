#pragma once

#include <QRect>
#include <QRectF>
#include <QSize>
#include <cmath>

// Windows and pages are designed in twips (1440 per inch, 20 per point). On screen one logical
// pixel is 15 twips, whatever the screen's scale: Qt's device-independent pixels already carry
// the scale.
namespace Twips {

inline constexpr int PerInch = 1440;
inline constexpr int PerPoint = 20;
inline constexpr int PerPixel = 15;

inline int toPixels(double twips) { return static_cast<int>(std::lround(twips / PerPixel)); }
inline double fromPixels(int pixels) { return static_cast<double>(pixels) * PerPixel; }

inline QRect toPixels(const QRectF& twips)
{
    // Round the edges, not the sizes, so that neighbours stay neighbours.
    const int l = toPixels(twips.left());
    const int t = toPixels(twips.top());
    return QRect(l, t, toPixels(twips.left() + twips.width()) - l,
                 toPixels(twips.top() + twips.height()) - t);
}

inline QSize toPixels(QSizeF twips) { return QSize(toPixels(twips.width()), toPixels(twips.height())); }

} // namespace Twips
