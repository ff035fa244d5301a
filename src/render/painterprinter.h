#pragma once
// The printer surface on a QPainter: the system's default printer (QPrinter) or a PDF file
// (QPdfWriter), at the device's own resolution, with the printable area's offset kept in
// floating point so that every mark lands on its true place.

#include <QPainter>
#include <memory>

#include "core/translatable.h"
#include "render/pagesetup.h"
#include "render/printersurface.h"

class QPagedPaintDevice;
class QPrinter;
class QPdfWriter;

namespace varnel {

inline const char* const kNoPrinterMessage = QT_TRANSLATE_NOOP(
    "varnel::Words",
    "No printer is available. Install a printer, or make one the default, and try again.");
inline const char* const kPrinterStartFailedMessage = QT_TRANSLATE_NOOP(
    "varnel::Words", "The printer could not start the document. Check the printer and try again.");
inline const char* const kPrintFailedMessage =
    QT_TRANSLATE_NOOP("varnel::Words",
                      "Printing failed: the printer reported an error, and the document may be "
                      "incomplete. Check the printer and try again.");

class PainterPrinter : public PrinterSurface {
  public:
    ~PainterPrinter() override;

    // The setup's printer (the default one when it names none, or none that exists) on its paper
    // and orientation, drawing with its correction; null with the reason in error when there is
    // no printer or it cannot start a document.
    // The title names the print job ("Varnel: Fret Chart").
    static std::unique_ptr<PainterPrinter> openPrinter(const PageSetup& setup, QString& error,
                                                       const QString& title = {});
    // A PDF file on the setup's paper (by default the locale's, A4 or Letter) and orientation,
    // with margins of a typical printer's unprintable border, drawn with the setup's correction.
    // The title is the PDF's.
    static std::unique_ptr<PainterPrinter> openPdf(const QString& fileName, const PageSetup& setup,
                                                   QString& error, const QString& title = {});
    static std::unique_ptr<PainterPrinter> openPdf(const QString& fileName, QString& error) {
        return openPdf(fileName, PageSetup{}, error);
    }
    // A printer someone else set up and owns (a print preview's), drawn on with a correction.
    static std::unique_ptr<PainterPrinter> onPrinter(QPrinter& printer, const PageSetup& setup,
                                                     QString& error);
    // A QPrinter for the setup: the named printer when it exists, else the default one.
    static void configure(QPrinter& printer, const PageSetup& setup, const QString& title = {});
    // True when the system has a printer of that name.
    static bool printerExists(const QString& name);
    // The setup's printable area in millimetres, without starting a document.
    static QSizeF printableMillimetres(const PageSetup& setup);

    // The printable area's top left corner on the paper, in millimetres.
    QPointF printableOriginMillimetres() const;

  protected:
    double dotsPerInch() const override { return m_dpi; }
    double pixelInches() const override;
    double printableWidthDots() const override { return m_printable.width(); }
    double printableHeightDots() const override { return m_printable.height(); }
    void drawLineDots(const QPointF& from, const QPointF& to, const QColor& colour,
                      double widthDots, LineStyle style) override;
    void drawEllipseDots(const QRectF& box, const QColor& colour, double widthDots,
                         double startDegrees, double spanDegrees) override;
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

    std::unique_ptr<QPrinter> m_ownPrinter;
    QPrinter* m_printer = nullptr;
    std::unique_ptr<QPdfWriter> m_pdf;
    QPagedPaintDevice* m_device = nullptr;
    QPainter m_painter;
    double m_dpi = 0;
    bool m_isPdf = false;
    QString m_pdfFileName;
    QRectF m_printable;  // device dots, relative to the paper's top left corner
};

}  // namespace varnel
