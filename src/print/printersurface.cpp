#include "printersurface.h"

#include <QStringList>

namespace varnel {

void PrinterSurface::line(double x1, double y1, double x2, double y2, const QColor& colour) {
    const double widthDots = m_drawWidth > 0 ? m_drawWidth * pixelInches() * dotsPerInch() : 0;
    const LineStyle style = m_drawWidth <= 1 ? m_drawStyle : LineStyle::Solid;
    drawLineDots(QPointF(toDotsX(x1), toDotsY(y1)), QPointF(toDotsX(x2), toDotsY(y2)), colour,
                 widthDots, style);
}

void PrinterSurface::setFontName(const QString& name) {
    m_font.setFamily(name);
    // Generic names stand for a face the system has: a fixed-pitch one for the chart.
    if (name.compare(QLatin1String("Courier"), Qt::CaseInsensitive) == 0) {
        m_font.setStyleHint(QFont::TypeWriter);
        m_font.setFixedPitch(true);
    } else {
        m_font.setStyleHint(QFont::SansSerif);
        m_font.setFixedPitch(false);
    }
}

void PrinterSurface::setFontSize(double points) {
    if (points > 0) m_font.setPointSizeF(points);
}

void PrinterSurface::print(const QString& text) {
    QString normalised = text;
    normalised.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    const QStringList lines = normalised.split(QLatin1Char('\n'));
    for (const QString& lineText : lines) {
        const double height = textHeight(lineText.isEmpty() ? QStringLiteral("1") : lineText);
        if (currentY > 0 && currentY + height > scaleHeight()) {
            newPage();
        }
        if (!lineText.isEmpty()) {
            drawTextDots(QPointF(toDotsX(currentX), toDotsY(currentY)), lineText, m_font);
        }
        currentY += height;
        currentX = 0;
    }
}

void PrinterSurface::newPage() {
    if (!newPageDots()) m_failed = true;
    ++m_pages;
    currentX = 0;
    currentY = 0;
}

void PrinterSurface::drawImage(const QRectF& target, const QImage& image) {
    drawImageDots(QRectF(toDotsX(target.x()), toDotsY(target.y()), toDotsX(target.width()),
                         toDotsY(target.height())),
                  image);
}

bool PrinterSurface::endDoc() {
    if (!endDocDots()) m_failed = true;
    return !m_failed;
}

}  // namespace varnel
