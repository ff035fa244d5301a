#include "render/printersurface.h"

#include "text/localnumbers.h"
#include "text/translations.h"

namespace varnel {

void PrinterSurface::line(double x1, double y1, double x2, double y2, const QColor& colour) {
    const double widthDots = m_drawWidth > 0 ? m_drawWidth * pixelInches() * dotsPerInch() : 0;
    const LineStyle style = m_drawWidth <= 1 ? m_drawStyle : LineStyle::Solid;
    const double h = m_correction.horizontal, v = m_correction.vertical;
    drawLineDots(QPointF(toDots(x1, h), toDots(y1, v)), QPointF(toDots(x2, h), toDots(y2, v)),
                 colour, widthDots, style);
}

void PrinterSurface::circle(double x, double y, double diameter, const QColor& colour) {
    arc({0, {x, y}, diameter / 2, 0, 360}, colour);
}

void PrinterSurface::arc(const DrawingArc& arc, const QColor& colour) {
    const double widthDots = m_drawWidth > 0 ? m_drawWidth * pixelInches() * dotsPerInch() : 0;
    const double h = m_correction.horizontal, v = m_correction.vertical;
    const double r = arc.radius;
    const Point& c = arc.centre;
    // A corrected circle is an ellipse; its angles stay those of the circle.
    drawEllipseDots(QRectF(QPointF(toDots(c.x - r, h), toDots(c.y - r, v)),
                           QPointF(toDots(c.x + r, h), toDots(c.y + r, v))),
                    colour, widthDots, -arc.startDegrees, -(arc.endDegrees - arc.startDegrees));
}

QFont PrinterSurface::fontOf(const QString& face, double points) {
    QFont font(face);
    // Generic names stand for a face the system has: a fixed-pitch one for the chart.
    const bool fixed = face.compare(QLatin1String("Courier"), Qt::CaseInsensitive) == 0;
    font.setStyleHint(fixed ? QFont::TypeWriter : QFont::SansSerif);
    font.setFixedPitch(fixed);
    if (points > 0) font.setPointSizeF(points);
    return font;
}

void PrinterSurface::text(double x, double y, const QString& text) {
    drawTextDots(QPointF(toDots(x, m_correction.horizontal), toDots(y, m_correction.vertical)),
                 text, m_font);
}

double PrinterSurface::textWidthInches(const std::string& face, double points,
                                       const std::string& text) const {
    return textWidthDots(QString::fromStdString(text),
                         fontOf(QString::fromStdString(face), points)) /
           dotsPerInch() / m_correction.horizontal;
}

double PrinterSurface::lineHeightInches(const std::string& face, double points) const {
    return textHeightDots(QStringLiteral("1"), fontOf(QString::fromStdString(face), points)) /
           dotsPerInch() / m_correction.vertical;
}

std::string PrinterSurface::words(const Message& message) const {
    return messageText(message).toStdString();
}

std::string PrinterSurface::numbers(std::string written) const {
    return localDecimals(QString::fromStdString(written)).toStdString();
}

PageFrame PrinterSurface::frame(Units units) const {
    const double perInch = units == Units::Inches ? 1.0 : kMillimetresPerInch;
    const auto fromDotsIn = [&](double dots, double correction) {
        return dots / dotsPerInch() * perInch / correction;
    };
    return {fromDotsIn(printableWidthDots(), m_correction.horizontal),
            fromDotsIn(printableHeightDots(), m_correction.vertical),
            pixelInches() * perInch / m_correction.horizontal};
}

void PrinterSurface::newPage() {
    if (!newPageDots()) m_failed = true;
    ++m_pages;
}

void PrinterSurface::drawImage(const QRectF& target, const QImage& image) {
    const double h = m_correction.horizontal, v = m_correction.vertical;
    drawImageDots(QRectF(toDots(target.x(), h), toDots(target.y(), v), toDots(target.width(), h),
                         toDots(target.height(), v)),
                  image);
}

bool PrinterSurface::endDoc() {
    if (!endDocDots()) m_failed = true;
    return !m_failed;
}

}  // namespace varnel
