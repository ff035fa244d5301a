#include "printerprovider.h"

#include "painterprinter.h"
#include "printjobs.h"

namespace varnel {

std::unique_ptr<PrinterSurface> DefaultPrinterProvider::open(QString& error) {
    return PainterPrinter::openDefaultPrinter(error);
}

std::unique_ptr<PrinterSurface> PdfFileProvider::open(QString& error) {
    return PainterPrinter::openPdf(m_fileName, error);
}

std::optional<QString> printDocument(PrinterProvider& printers, const DrawDocument& draw) {
    QString error;
    const std::unique_ptr<PrinterSurface> printer = printers.open(error);
    if (!printer) return error;
    if (auto refusal = draw(*printer)) {
        printer->abortDoc();
        return refusal;
    }
    if (!printer->endDoc()) return kPrintFailedMessage;
    return std::nullopt;
}

DrawDocument chartDocument(const FretboardSettings& s, const FretPositions& p) {
    return [&s, &p](PrinterSurface& printer) {
        auto refusal = chartRefusal(printer, s, p);
        if (!refusal) printChart(printer, s, p);
        return refusal;
    };
}

DrawDocument templateDocument(const FretboardSettings& s, const FretPositions& p) {
    return [&s, &p](PrinterSurface& printer) {
        auto refusal = templateRefusal(printer, s, p);
        if (!refusal) printTemplate(printer, s, p);
        return refusal;
    };
}

}  // namespace varnel
