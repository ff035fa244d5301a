#include "render/printersurface.h"

#include <QStringList>

namespace varnel {

void PrinterSurface::line(double x1, double y1, double x2, double y2, const QColor& colour) {
    const double widthDots = m_drawWidth > 0 ? m_drawWidth * pixelInches() * dotsPerInch() : 0;
    const LineStyle style = m_drawWidth <= 1 ? m_drawStyle : LineStyle::Solid;
    drawLineDots(QPointF(toDotsX(x1), toDotsY(y1)), QPointF(toDotsX(x2), toDotsY(y2)), colour,
                 widthDots, style);
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

void PrinterSurface::setFontName(const QString& name) {
    const double points = m_font.pointSizeF();
    m_font = fontOf(name, points);
}

double PrinterSurface::textWidthInches(const std::string& face, double points,
                                       const std::string& text) const {
    const QFont font = fontOf(QString::fromStdString(face), points);
    return textWidthDots(QString::fromStdString(text), font) / dotsPerInch() /
           m_correction.horizontal;
}

double PrinterSurface::lineHeightInches(const std::string& face, double points) const {
    const QFont font = fontOf(QString::fromStdString(face), points);
    return textHeightDots(QStringLiteral("1"), font) / dotsPerInch() / m_correction.vertical;
}

PageFrame PrinterSurface::frame(bool inches) const {
    const double perInch = inches ? 1.0 : 25.4;
    const auto fromDotsIn = [&](double dots, double correction) {
        return dots / dotsPerInch() * perInch / correction;
    };
    return {fromDotsIn(printableWidthDots(), m_correction.horizontal),
            fromDotsIn(printableHeightDots(), m_correction.vertical),
            pixelInches() * perInch / m_correction.horizontal};
}

void PrinterSurface::text(double x, double y, const QString& text) {
    drawTextDots(QPointF(toDotsX(x), toDotsY(y)), text, m_font);
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
