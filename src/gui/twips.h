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

#include <QFont>
#include <QWidget>
#include <algorithm>
#include <initializer_list>

namespace varnel {

// The layouts were drawn for a small dialog font; windows use it so that captions fit.
constexpr double kDesignFontPoints = 8.25;

inline void useDesignFont(QWidget& window) {
    QFont f = window.font();
    f.setPointSizeF(kDesignFontPoints);
    window.setFont(f);
}

}  // namespace varnel

namespace varnel {

// Places a control at a design position given in twips (left, top, width, height).
inline void placeInTwips(QWidget* w, double left, double top, double width, double height) {
    w->setGeometry(twipsToPixelsX(*w, left), twipsToPixelsY(*w, top), twipsToPixelsX(*w, width),
                   twipsToPixelsY(*w, height));
}

}  // namespace varnel
