#pragma once
// Window layout is designed in twips, 1/1440 inch, and placed at the screen's logical DPI so
// that it keeps its proportions at any scaling.

#include <QPaintDevice>
#include <QtMath>

namespace varnel {

constexpr double kTwipsPerInch = 1440.0;

inline int twipsToPixelsX(const QPaintDevice& device, double twips) {
    return qRound(twips * device.logicalDpiX() / kTwipsPerInch);
}
inline int twipsToPixelsY(const QPaintDevice& device, double twips) {
    return qRound(twips * device.logicalDpiY() / kTwipsPerInch);
}
inline double pixelsToTwipsY(const QPaintDevice& device, int pixels) {
    return pixels * kTwipsPerInch / device.logicalDpiY();
}

}  // namespace varnel
