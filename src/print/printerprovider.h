#pragma once
// Where the print commands get their printer: the system's default printer in the program,
// a recording or PDF surface in tests.

#include <QString>
#include <functional>
#include <memory>
#include <optional>

#include "fretboard.h"
#include "printersurface.h"

namespace varnel {

class PrinterProvider {
  public:
    virtual ~PrinterProvider() = default;
    // A printer ready for a new document; null with a message for the user in error.
    virtual std::unique_ptr<PrinterSurface> open(QString& error) = 0;
};

class DefaultPrinterProvider : public PrinterProvider {
  public:
    std::unique_ptr<PrinterSurface> open(QString& error) override;
};

// A PDF file at true scale instead of a printer.
class PdfFileProvider : public PrinterProvider {
  public:
    explicit PdfFileProvider(QString fileName) : m_fileName(std::move(fileName)) {}
    std::unique_ptr<PrinterSurface> open(QString& error) override;

  private:
    QString m_fileName;
};

// Draws one document on an open printer: the reason it refused, having drawn nothing, or none.
using DrawDocument = std::function<std::optional<QString>(PrinterSurface&)>;

// The one print path of the program: opens a printer, draws, then ends the document, or aborts
// it when the drawing refused. The message for the user when the document was refused or not
// printed; none when it went to the printer.
std::optional<QString> printDocument(PrinterProvider& printers, const DrawDocument& draw);

// The fret chart and the fret slot template as documents; the positions must outlive them.
DrawDocument chartDocument(const FretboardSettings& s, const FretPositions& p);
DrawDocument templateDocument(const FretboardSettings& s, const FretPositions& p);

}  // namespace varnel
