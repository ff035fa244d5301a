#pragma once
// A drawing on the screen: scaled to fit a rectangle with a 10-pixel margin, its lines,
// outlines and circles in their layers' colours and pens (a printer pixel a screen pixel), its
// texts once they are large enough to read.

#include <QPainter>
#include <algorithm>

#include "layout/drawing.h"

namespace varnel {

inline void paintDrawing(QPainter& painter, const Drawing& drawing, const QRectF& target) {
    const Extent e = extentOf(drawing);
    if (!(e.right > e.left) || !(e.bottom > e.top)) return;
    const double scale = std::min((target.width() - 20) / (e.right - e.left),
                                  (target.height() - 20) / (e.bottom - e.top));
    const auto at = [&](const Point& p) {
        return QPointF(target.left() + 10 + (p.x - e.left) * scale,
                       target.top() + 10 + (p.y - e.top) * scale);
    };
    const auto colour = [&](std::size_t layer) {
        const Colour& c = drawing.layers[layer].colour;
        return QColor(c.red, c.green, c.blue);
    };
    const auto pen = [&](std::size_t layer) {
        QPen p(colour(layer), drawing.layers[layer].penPixels);
        if (drawing.layers[layer].dashed) p.setStyle(Qt::DashLine);
        painter.setPen(p);
    };
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    for (const DrawingLine& line : drawing.lines) {
        pen(line.layer);
        painter.drawLine(at(line.segment.from), at(line.segment.to));
    }
    for (const DrawingOutline& outline : drawing.outlines) {
        pen(outline.layer);
        QPolygonF polygon;
        for (const Point& p : outline.points) polygon << at(p);
        painter.drawPolygon(polygon);
    }
    for (const DrawingCircle& c : drawing.circles) {
        pen(c.layer);
        const double r = c.diameter / 2 * scale;
        painter.drawEllipse(at(c.centre), r, r);
    }
    constexpr double kSmallestReadablePixels = 7;
    for (const DrawingText& text : drawing.texts) {
        const double size = pointsToUnit(text.points, drawing.units) * scale;
        if (size < kSmallestReadablePixels) continue;
        QFont font(QString::fromStdString(drawing.layers[text.layer].face));
        font.setPixelSize(static_cast<int>(size));
        painter.setFont(font);
        painter.setPen(colour(text.layer));
        painter.drawText(QRectF(at(text.topLeft), QSizeF(target.width(), target.height())),
                         Qt::AlignLeft | Qt::AlignTop, QString::fromStdString(text.text));
    }
}

}  // namespace varnel
