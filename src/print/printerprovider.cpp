#include "printerprovider.h"

#include "painterprinter.h"

namespace varnel {

std::unique_ptr<PrinterSurface> DefaultPrinterProvider::open(QString& error) {
    return PainterPrinter::openDefaultPrinter(error);
}

}  // namespace varnel
