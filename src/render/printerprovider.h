#pragma once
// Where the print commands get their printer: the system's default printer in the program,
// a recording or PDF surface in tests.

#include <QString>
#include <functional>
#include <memory>
#include <optional>

#include "core/fretboard.h"
#include "render/painterprinter.h"
#include "render/printersurface.h"

class QPrinter;

namespace varnel {

class PrinterProvider {
  public:
    virtual ~PrinterProvider() = default;
    // A printer ready for a new document of that title; null with a message for the user in
    // error.
    virtual std::unique_ptr<PrinterSurface> open(const QString& title, QString& error) = 0;
    // The printer, paper and orientation documents go to, with that printer's correction.
    virtual PageSetup pageSetup() { return {}; }
    // Keeps a new correction for the printer of pageSetup().
    virtual void setCorrection(const ScaleCorrection&) {}
    // The correction of any printer by name (a print dialog may choose another): none unless
    // one was measured for it.
    virtual ScaleCorrection correctionFor(const QString& printerName) {
        const PageSetup setup = pageSetup();
        return printerName == setup.printerName ? setup.correction : ScaleCorrection{};
    }
    // Keeps the printer, paper and orientation the user chose.
    virtual void keepSetup(const PageSetup&) {}
    // The printable area in millimetres (as the paper comes out, uncorrected), without
    // starting a document.
    virtual QSizeF printableMillimetres() {
        return PainterPrinter::printableMillimetres(pageSetup());
    }
};

// The printer of a given setup, with its correction (by default the system's default printer).
class ChosenPrinterSetup : public PrinterProvider {
  public:
    explicit ChosenPrinterSetup(PageSetup setup) : m_setup(std::move(setup)) {}
    std::unique_ptr<PrinterSurface> open(const QString& title, QString& error) override {
        return PainterPrinter::openPrinter(m_setup, error, title);
    }
    PageSetup pageSetup() override { return m_setup; }

  private:
    PageSetup m_setup;
};

// A PDF file instead of a printer, on the setup's paper, with its correction (none by default).
class PdfFileProvider : public PrinterProvider {
  public:
    explicit PdfFileProvider(QString fileName, PageSetup setup = {})
        : m_fileName(std::move(fileName)), m_setup(std::move(setup)) {}
    std::unique_ptr<PrinterSurface> open(const QString& title, QString& error) override;
    PageSetup pageSetup() override { return m_setup; }

  private:
    QString m_fileName;
    PageSetup m_setup;
};

// A printed document: its title (the print job's name, the PDF's title, the preview's) and how
// it draws itself on an open printer, laid out for that printer once: the reason it refused,
// having drawn nothing, or none.
struct Document {
    QString title;
    std::function<std::optional<QString>(PrinterSurface&)> draw;
};

// The one print path of the program: opens a printer, draws, then ends the document, or aborts
// it when the drawing refused. The message for the user when the document was refused or not
// printed; none when it went to the printer.
std::optional<QString> printDocument(PrinterProvider& printers, const Document& document);

// The fret chart, the fret slot template and the calibration page as documents; what they draw
// from must outlive them.
Document chartDocument(const FretboardSettings& s, const FretPositions& p);
Document templateDocument(const FretboardSettings& s, const FretPositions& p);
Document calibrationDocument(std::int16_t unitsType, const PageSetup& setup);

// The paper of a setup as the calibration page names it: "A4, portrait".
QString paperDescription(const PageSetup& setup);

// Draws the document on a print preview's (or any other) printer, with the correction of the
// printer it now prints on (none for a file): the refusal, the failure, or none.
std::optional<QString> drawOnPrinter(QPrinter& printer, PrinterProvider& printers,
                                     const Document& document);

}  // namespace varnel
