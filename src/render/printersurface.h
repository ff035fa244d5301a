#pragma once
// The printer as a replayed drawing sees it: a page unit (inches or millimetres), a printable
// area whose origin is its top left corner, pens measured in printer pixels, lines, fonts,
// text, new pages and the end of the document; and the device's font metrics for the layout.
//
// The unit bookkeeping lives here; a device supplies the primitives in its own dots. A
// "printer pixel" is one device dot, or 1/600 inch on a device without dots of its own (PDF).

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QString>

#include "layout/drawing.h"
#include "model/printerchoice.h"

class QImage;

namespace varnel {

enum class PageUnit { Inches, Millimetres };

enum class LineStyle { Solid, Dash };

class PrinterSurface : public TextMeasure {
  public:
    // Paper speaks the user's language, and writes its numbers.
    std::string words(const Message& message) const override;
    std::string numbers(std::string written) const override;
    // ---- What a replayed drawing uses, in the current page unit --------------------------
    void setScaleMode(PageUnit unit) { m_unit = unit; }
    // The printable area in a unit, without changing the current one: a corrected unit is a
    // true one on paper, so a printer that stretches the page offers fewer of them.
    PageFrame frame(Units units) const;
    // The correction drawn with, and the printer it was measured on.
    void setCorrection(const ScaleCorrection& correction, const QString& printerName) {
        m_correction = correction;
        m_printerName = printerName;
    }
    const ScaleCorrection& correction() const { return m_correction; }
    const QString& printerName() const { return m_printerName; }
    // The pen, in printer pixels. Dashes show only with a pen one pixel wide.
    void setDrawWidth(int pixels) { m_drawWidth = pixels; }
    void setDrawStyle(LineStyle style) { m_drawStyle = style; }
    void line(double x1, double y1, double x2, double y2, const QColor& colour);
    // A circle of the pen, its centre and diameter in the page unit.
    void circle(double x, double y, double diameter, const QColor& colour);
    // An arc of the pen (as a drawing's: degrees growing clockwise on the page, from +x).
    void arc(const DrawingArc& arc, const QColor& colour);
    // The font of a face at a size: "Courier" stands for a fixed-pitch face the system has.
    static QFont fontOf(const QString& face, double points);
    void setFont(const QString& face, double points) { m_font = fontOf(face, points); }
    // Text with its top left corner at (x, y).
    void text(double x, double y, const QString& text);
    // An image scaled to the given rectangle.
    void drawImage(const QRectF& target, const QImage& image);
    void newPage();
    int pageCount() const { return m_pages; }
    // Ends the document; false when the device reported a failure at any point.
    bool endDoc();
    // Drops the document unprinted.
    void abortDoc() { abortDots(); }

    // Text and line height by the device's own font metrics.
    double textWidthInches(const std::string& face, double points,
                           const std::string& text) const override;
    double lineHeightInches(const std::string& face, double points) const override;

  protected:
    // ---- What a device supplies, in device dots from the printable area's top left ------
    virtual double dotsPerInch() const = 0;
    virtual double pixelInches() const { return 1.0 / dotsPerInch(); }
    virtual double printableWidthDots() const = 0;
    virtual double printableHeightDots() const = 0;
    virtual void drawLineDots(const QPointF& from, const QPointF& to, const QColor& colour,
                              double widthDots, LineStyle style) = 0;
    // The ellipse in the box, or the part of it from a start angle through a span, in degrees
    // as Qt counts them (counter-clockwise on the page).
    virtual void drawEllipseDots(const QRectF& box, const QColor& colour, double widthDots,
                                 double startDegrees = 0, double spanDegrees = 360) = 0;
    virtual void drawTextDots(const QPointF& topLeft, const QString& text, const QFont& font) = 0;
    virtual void drawImageDots(const QRectF& target, const QImage& image) = 0;
    virtual double textWidthDots(const QString& text, const QFont& font) const = 0;
    virtual double textHeightDots(const QString& text, const QFont& font) const = 0;
    virtual bool newPageDots() = 0;
    virtual bool endDocDots() = 0;
    virtual void abortDots() = 0;

    double fromDots(double dots) const { return dots / dotsPerInch() * unitsPerInch(); }
    bool m_failed = false;

  private:
    double unitsPerInch() const { return m_unit == PageUnit::Inches ? 1.0 : 25.4; }
    double toDots(double units, double correction) const {
        return units * correction / unitsPerInch() * dotsPerInch();
    }

    PageUnit m_unit = PageUnit::Inches;
    ScaleCorrection m_correction;
    QString m_printerName;
    int m_drawWidth = 1;
    LineStyle m_drawStyle = LineStyle::Solid;
    QFont m_font;
    int m_pages = 1;
};

}  // namespace varnel
