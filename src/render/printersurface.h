#pragma once
// The printer as the drawing code sees it: a page unit (inches or millimetres), a printable
// area whose origin is its top left corner, pens measured in printer pixels, lines, fonts,
// text at a current position, new pages and the end of the document.
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

constexpr double kPointsPerInch = 72.0;

class PrinterSurface : public TextMeasure {
  public:
    virtual ~PrinterSurface() = default;

    // ---- The printer's operations, in the current page unit -----------------------------
    void setScaleMode(PageUnit unit) { m_unit = unit; }
    PageUnit scaleMode() const { return m_unit; }
    // The printable area in page units as the drawing sees them: a corrected page unit is a
    // true one on paper, so a printer that stretches the page offers fewer of them.
    double scaleWidth() const { return fromDotsX(printableWidthDots()); }
    double scaleHeight() const { return fromDotsY(printableHeightDots()); }
    // Printer pixels to the page unit, along x.
    double scaleX(double pixels) const {
        return pixels * pixelInches() * unitsPerInch() / m_correction.horizontal;
    }
    // The correction drawn with, and the printer it was measured on.
    void setCorrection(const ScaleCorrection& correction, const QString& printerName) {
        m_correction = correction;
        m_printerName = printerName;
    }
    const ScaleCorrection& correction() const { return m_correction; }
    const QString& printerName() const { return m_printerName; }
    void setDrawWidth(int pixels) { m_drawWidth = pixels; }
    int drawWidth() const { return m_drawWidth; }
    // Dashes show only with a pen one pixel wide; wider pens draw solid lines.
    void setDrawStyle(LineStyle style) { m_drawStyle = style; }
    void line(double x1, double y1, double x2, double y2, const QColor& colour);
    void setFontName(const QString& name);
    void setFontSize(double points);
    const QFont& font() const { return m_font; }
    double textWidth(const QString& text) const { return fromDotsX(textWidthDots(text, m_font)); }
    double textHeight(const QString& text) const { return fromDotsY(textHeightDots(text, m_font)); }
    // Text and line height by the device's own font metrics, whatever the current font.
    double textWidthInches(const std::string& face, double points,
                           const std::string& text) const override;
    double lineHeightInches(const std::string& face, double points) const override;
    // The printable area in a unit, without changing the current one.
    PageFrame frame(bool inches) const;
    // The font of a face at a size: "Courier" stands for a fixed-pitch face the system has.
    static QFont fontOf(const QString& face, double points);
    // Text with its top left corner at (x, y), in the current font.
    void text(double x, double y, const QString& text);
    double currentX = 0;
    double currentY = 0;
    // Prints text at the current position, each of its lines (CR LF or LF) followed by a line
    // end: the next line starts at the left edge one text height lower. A line that would end
    // below the printable area goes to the top of a new page.
    void print(const QString& text);
    void newPage();
    // An image scaled to the given rectangle, in the page unit.
    void drawImage(const QRectF& target, const QImage& image);
    // Ends the document; false when the device reported a failure at any point.
    bool endDoc();
    // Drops the document unprinted.
    void abortDoc() { abortDots(); }

    double fromDots(double dots) const { return dots / dotsPerInch() * unitsPerInch(); }
    double toDots(double units) const { return units / unitsPerInch() * dotsPerInch(); }
    // The same along one axis, with the scale correction.
    double fromDotsX(double dots) const { return fromDots(dots) / m_correction.horizontal; }
    double fromDotsY(double dots) const { return fromDots(dots) / m_correction.vertical; }
    double toDotsX(double units) const { return toDots(units * m_correction.horizontal); }
    double toDotsY(double units) const { return toDots(units * m_correction.vertical); }
    int pageCount() const { return m_pages; }

  protected:
    // ---- What a device supplies, in device dots from the printable area's top left ------
    virtual double dotsPerInch() const = 0;
    virtual double pixelInches() const { return 1.0 / dotsPerInch(); }
    virtual double printableWidthDots() const = 0;
    virtual double printableHeightDots() const = 0;
    virtual void drawLineDots(const QPointF& from, const QPointF& to, const QColor& colour,
                              double widthDots, LineStyle style) = 0;
    virtual void drawTextDots(const QPointF& topLeft, const QString& text, const QFont& font) = 0;
    virtual void drawImageDots(const QRectF& target, const QImage& image) = 0;
    virtual double textWidthDots(const QString& text, const QFont& font) const = 0;
    virtual double textHeightDots(const QString& text, const QFont& font) const = 0;
    virtual bool newPageDots() = 0;
    virtual bool endDocDots() = 0;
    virtual void abortDots() = 0;

    bool m_failed = false;

  private:
    double unitsPerInch() const { return m_unit == PageUnit::Inches ? 1.0 : 25.4; }

    PageUnit m_unit = PageUnit::Inches;
    ScaleCorrection m_correction;
    QString m_printerName;
    int m_drawWidth = 1;
    LineStyle m_drawStyle = LineStyle::Solid;
    QFont m_font;
    int m_pages = 1;
};

}  // namespace varnel
