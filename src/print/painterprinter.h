#pragma once
// The printer surface on a QPainter: the system's default printer (QPrinter) or a PDF file
// (QPdfWriter), at the device's own resolution, with the printable area's offset kept in
// floating point so that every mark lands on its true place.

#include <QPainter>
#include <memory>

#include "printersurface.h"

class QPagedPaintDevice;
class QPrinter;
class QPdfWriter;

namespace varnel {

inline const QString kNoPrinterMessage = QStringLiteral(
    "No printer is available. Install a printer, or make one the default, and try again.");
inline const QString kPrinterStartFailedMessage =
    QStringLiteral("The printer could not start the document. Check the printer and try again.");
inline const QString kPrintFailedMessage = QStringLiteral(
    "Printing failed: the printer reported an error, and the document may be incomplete. "
    "Check the printer and try again.");

class PainterPrinter : public PrinterSurface {
  public:
    ~PainterPrinter() override;

    // The default printer, ready to draw; null with the reason in error when there is none or
    // it cannot start a document.
    static std::unique_ptr<PainterPrinter> openDefaultPrinter(QString& error);
    // A PDF file on the locale's default paper (A4 or Letter), with margins of a typical
    // printer's unprintable border.
    static std::unique_ptr<PainterPrinter> openPdf(const QString& fileName, QString& error);

    // The printable area's top left corner on the paper, in millimetres.
    QPointF printableOriginMillimetres() const;

  protected:
    double dotsPerInch() const override { return m_dpi; }
    double pixelInches() const override;
    double printableWidthDots() const override { return m_printable.width(); }
    double printableHeightDots() const override { return m_printable.height(); }
    void drawLineDots(const QPointF& from, const QPointF& to, const QColor& colour,
                      double widthDots, LineStyle style) override;
    void drawTextDots(const QPointF& topLeft, const QString& text, const QFont& font) override;
    void drawImageDots(const QRectF& target, const QImage& image) override;
    double textWidthDots(const QString& text, const QFont& font) const override;
    double textHeightDots(const QString& text, const QFont& font) const override;
    bool newPageDots() override;
    bool endDocDots() override;
    void abortDots() override;

  private:
    PainterPrinter() = default;
    bool begin(QPagedPaintDevice* device, QString& error);

    std::unique_ptr<QPrinter> m_printer;
    std::unique_ptr<QPdfWriter> m_pdf;
    QPagedPaintDevice* m_device = nullptr;
    QPainter m_painter;
    double m_dpi = 0;
    bool m_isPdf = false;
    QString m_pdfFileName;
    QRectF m_printable;  // device dots, relative to the paper's top left corner
};

}  // namespace varnel
