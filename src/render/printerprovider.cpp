#include "render/printerprovider.h"

#include <QPrinter>

#include "render/calibration.h"
#include "render/painterprinter.h"
#include "render/printjobs.h"
#include "text/translations.h"

namespace varnel {

std::unique_ptr<PrinterSurface> PdfFileProvider::open(const QString& title, QString& error) {
    return PainterPrinter::openPdf(m_fileName, m_setup, error, title);
}

namespace {

// Draws the document on an open printer (none: the message why it did not open), then ends it,
// or aborts it when the drawing refused.
std::optional<QString> drawAndEnd(PrinterSurface* printer, const QString& error,
                                  const Document& document) {
    if (!printer) return error;
    if (auto refusal = document.draw(*printer)) {
        printer->abortDoc();
        return refusal;
    }
    if (!printer->endDoc()) return messageText(kPrintFailedMessage);
    return std::nullopt;
}

}  // namespace

std::optional<QString> printDocument(PrinterProvider& printers, const Document& document) {
    QString error;
    const std::unique_ptr<PrinterSurface> printer = printers.open(document.title, error);
    return drawAndEnd(printer.get(), error, document);
}

Document chartDocument(const FretboardSettings& s, const FretPositions& p) {
    return {messageText(QT_TRANSLATE_NOOP("varnel::Words", "Fret Chart")),
            [&s, &p](PrinterSurface& printer) { return drawChart(printer, s, p); }};
}

Document templateDocument(const FretboardSettings& s, const FretPositions& p) {
    return {messageText(QT_TRANSLATE_NOOP("varnel::Words", "Fret Slot Template")),
            [&s, &p](PrinterSurface& printer) { return drawTemplate(printer, s, p); }};
}

Document calibrationDocument(std::int16_t unitsType, const PageSetup& setup) {
    return {messageText(QT_TRANSLATE_NOOP("varnel::Words", "Calibration Page")),
            [unitsType, paper = paperDescription(setup)](PrinterSurface& printer) {
                printCalibrationPage(printer, unitsType, paper);
                return std::optional<QString>();
            }};
}

QString paperDescription(const PageSetup& setup) {
    const MessageArg paper =
        setup.paper ? verbatim(paperName(*setup.paper).toStdString())
                    : word(QT_TRANSLATE_NOOP("varnel::Words", "the printer's own paper"));
    return messageText(Message(setup.orientation == QPageLayout::Landscape
                                   ? QT_TRANSLATE_NOOP("varnel::Words", "%1, landscape")
                                   : QT_TRANSLATE_NOOP("varnel::Words", "%1, portrait"),
                               {paper}));
}

std::optional<QString> drawOnPrinter(QPrinter& printer, PrinterProvider& printers,
                                     const Document& document) {
    PageSetup setup;
    if (printer.outputFormat() == QPrinter::NativeFormat)
        setup.correction = printers.correctionFor(printer.printerName());
    QString error;
    const std::unique_ptr<PainterPrinter> surface =
        PainterPrinter::onPrinter(printer, setup, error);
    return drawAndEnd(surface.get(), error, document);
}

}  // namespace varnel
