#pragma once
// Where the print commands get their printer: the system's default printer in the program,
// a recording or PDF surface in tests.

#include <QString>
#include <memory>

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

}  // namespace varnel
