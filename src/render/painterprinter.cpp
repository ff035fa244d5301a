#include "render/painterprinter.h"

#include <QFile>
#include <QFontMetricsF>
#include <QImage>
#include <QLocale>
#include <QPainterPath>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <cmath>

#include "core/fretboard.h"
#include "text/translations.h"

namespace varnel {

namespace {

// PDF output has no dots of its own: lines are as wide as on a 600 dpi laser printer.
constexpr double kPdfPixelsPerInch = 600.0;
constexpr int kPdfResolution = 1200;
constexpr double kPdfMarginMillimetres = 6.35;

QPageSize localeDefaultPageSize() {
    const QLocale::Country country = QLocale::system().territory();
    const bool letter = country == QLocale::UnitedStates || country == QLocale::Canada ||
                        country == QLocale::Mexico || country == QLocale::Philippines ||
                        country == QLocale::Chile || country == QLocale::Colombia ||
                        country == QLocale::Venezuela;
    return QPageSize(letter ? QPageSize::Letter : QPageSize::A4);
}

// The area inside the margins, on the paper. A full-page layout's own paint rectangle is the
// whole sheet, the printer's unprintable border included.
QRectF printableInches(const QPageLayout& layout) {
    return layout.fullRect(QPageLayout::Inch).marginsRemoved(layout.margins(QPageLayout::Inch));
}

}  // namespace

PainterPrinter::~PainterPrinter() {
    if (m_painter.isActive()) m_painter.end();
}

bool PainterPrinter::printerExists(const QString& name) {
    return !name.isEmpty() && !QPrinterInfo::printerInfo(name).isNull();
}

void PainterPrinter::configure(QPrinter& printer, const PageSetup& setup, const QString& title) {
    const QPrinterInfo info = printerExists(setup.printerName)
                                  ? QPrinterInfo::printerInfo(setup.printerName)
                                  : QPrinterInfo::defaultPrinter();
    if (!info.isNull()) printer.setPrinterName(info.printerName());
    printer.setDocName(title.isEmpty() ? QStringLiteral("Varnel")
                                       : QStringLiteral("Varnel: %1").arg(title));
    printer.setFullPage(true);
    if (setup.paper) printer.setPageSize(QPageSize(*setup.paper));
    printer.setPageOrientation(setup.orientation);
}

std::unique_ptr<PainterPrinter> PainterPrinter::openPrinter(const PageSetup& setup, QString& error,
                                                            const QString& title) {
    const QPrinterInfo info = printerExists(setup.printerName)
                                  ? QPrinterInfo::printerInfo(setup.printerName)
                                  : QPrinterInfo::defaultPrinter();
    if (info.isNull() || info.printerName().isEmpty()) {
        error = messageText(kNoPrinterMessage);
        return nullptr;
    }
    std::unique_ptr<PainterPrinter> surface(new PainterPrinter);
    surface->m_ownPrinter = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    surface->m_printer = surface->m_ownPrinter.get();
    configure(*surface->m_printer, setup, title);
    if (!surface->begin(surface->m_printer, error)) return nullptr;
    surface->setCorrection(setup.correction, info.printerName());
    return surface;
}

std::unique_ptr<PainterPrinter> PainterPrinter::onPrinter(QPrinter& printer, const PageSetup& setup,
                                                          QString& error) {
    std::unique_ptr<PainterPrinter> surface(new PainterPrinter);
    surface->m_printer = &printer;
    if (!surface->begin(&printer, error)) return nullptr;
    surface->setCorrection(setup.correction, printer.printerName());
    return surface;
}

QSizeF PainterPrinter::printableMillimetres(const PageSetup& setup) {
    QPrinter printer(QPrinter::HighResolution);
    configure(printer, setup);
    return printableInches(printer.pageLayout()).size() * kMillimetresPerInch;
}

std::unique_ptr<PainterPrinter> PainterPrinter::openPdf(const QString& fileName,
                                                        const PageSetup& setup, QString& error,
                                                        const QString& title) {
    std::unique_ptr<PainterPrinter> surface(new PainterPrinter);
    surface->m_pdf = std::make_unique<QPdfWriter>(fileName);
    surface->m_isPdf = true;
    surface->m_pdfFileName = fileName;
    QPdfWriter& pdf = *surface->m_pdf;
    pdf.setResolution(kPdfResolution);
    pdf.setCreator(QStringLiteral("Varnel"));
    pdf.setTitle(title);
    pdf.setPageLayout(QPageLayout(setup.paper ? QPageSize(*setup.paper) : localeDefaultPageSize(),
                                  setup.orientation,
                                  QMarginsF(kPdfMarginMillimetres, kPdfMarginMillimetres,
                                            kPdfMarginMillimetres, kPdfMarginMillimetres),
                                  QPageLayout::Millimeter));
    if (!surface->begin(&pdf, error)) {
        error = messageText(
            Message(QT_TRANSLATE_NOOP("varnel::Words", "The PDF file %1 could not be written."),
                    {verbatim(fileName.toStdString())}));
        return nullptr;
    }
    surface->setCorrection(setup.correction, QStringLiteral("PDF"));
    return surface;
}

bool PainterPrinter::begin(QPagedPaintDevice* device, QString& error) {
    m_device = device;
    // A QPrinter with nothing behind it reports itself valid and fails only here.
    if (!m_painter.begin(device)) {
        error = messageText(kPrinterStartFailedMessage);
        return false;
    }
    // The resolution is read after the output was chosen, since choosing it can change it.
    m_dpi = m_printer ? m_printer->resolution() : m_pdf->resolution();
    // Qt rounds margins to whole points; the printable rectangle is taken in inches and
    // scaled in floating point instead.
    const QPageLayout layout = m_printer ? m_printer->pageLayout() : m_pdf->pageLayout();
    const QRectF paint = printableInches(layout);
    // QPdfWriter paints relative to the margins; a full-page QPrinter relative to the paper.
    const QPointF origin = m_printer ? paint.topLeft() * m_dpi : QPointF(0, 0);
    m_printable = QRectF(origin, paint.size() * m_dpi);
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    m_painter.setRenderHint(QPainter::TextAntialiasing, true);
    return true;
}

QPointF PainterPrinter::printableOriginMillimetres() const {
    const QPageLayout layout = m_printer ? m_printer->pageLayout() : m_pdf->pageLayout();
    return printableInches(layout).topLeft() * kMillimetresPerInch;
}

double PainterPrinter::pixelInches() const {
    return m_isPdf ? 1.0 / kPdfPixelsPerInch : 1.0 / m_dpi;
}

void PainterPrinter::drawLineDots(const QPointF& from, const QPointF& to, const QColor& colour,
                                  double widthDots, LineStyle style) {
    QPen pen(colour);
    pen.setWidthF(widthDots);
    pen.setCapStyle(Qt::FlatCap);  // a marker must not grow by its own width
    if (style == LineStyle::Dash) {
        const double unit = widthDots > 0 ? widthDots : 1.0;
        const double dotsPerMm = m_dpi / 25.4;
        pen.setDashPattern(
            {kDashMillimetres * dotsPerMm / unit, kDashGapMillimetres * dotsPerMm / unit});
    }
    m_painter.setPen(pen);
    m_painter.drawLine(from + m_printable.topLeft(), to + m_printable.topLeft());
}

void PainterPrinter::drawEllipseDots(const QRectF& box, const QColor& colour, double widthDots,
                                     double startDegrees, double spanDegrees) {
    QPen pen(colour);
    pen.setWidthF(widthDots);
    m_painter.setPen(pen);
    m_painter.setBrush(Qt::NoBrush);
    const QRectF placed = box.translated(m_printable.topLeft());
    if (std::fabs(spanDegrees) >= 360) {
        m_painter.drawEllipse(placed);
        return;
    }
    QPainterPath path;
    path.arcMoveTo(placed, startDegrees);
    path.arcTo(placed, startDegrees, spanDegrees);
    m_painter.drawPath(path);
}

void PainterPrinter::drawTextDots(const QPointF& topLeft, const QString& text, const QFont& font) {
    m_painter.setFont(font);
    m_painter.setPen(Qt::black);
    const QFontMetricsF metrics(font, m_device);
    m_painter.drawText(topLeft + m_printable.topLeft() + QPointF(0, metrics.ascent()), text);
}

void PainterPrinter::drawImageDots(const QRectF& target, const QImage& image) {
    m_painter.drawImage(target.translated(m_printable.topLeft()), image);
}

double PainterPrinter::textWidthDots(const QString& text, const QFont& font) const {
    return QFontMetricsF(font, m_device).horizontalAdvance(text);
}

double PainterPrinter::textHeightDots(const QString&, const QFont& font) const {
    return QFontMetricsF(font, m_device).height();
}

bool PainterPrinter::newPageDots() {
    return m_device->newPage();
}

bool PainterPrinter::endDocDots() {
    const bool ended = m_painter.end();
    const bool printerOk = !m_printer || m_printer->printerState() != QPrinter::Error;
    return ended && printerOk;
}

}  // namespace varnel

namespace varnel {

void PainterPrinter::abortDots() {
    if (m_ownPrinter) m_ownPrinter->abort();
    if (m_painter.isActive()) m_painter.end();
    if (m_isPdf) QFile::remove(m_pdfFileName);
}

}  // namespace varnel
