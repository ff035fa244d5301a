#pragma once
// The system's print dialogs around the print path: Printer Setup and the print preview.

#include <QString>
#include <optional>

#include "render/printerprovider.h"

class QWidget;

namespace varnel {

// The system's print dialog, started on the provider's choice; the choice made is kept. False
// when it was cancelled.
bool choosePrinterSetup(PrinterProvider& printers, QWidget* parent);

// Shows a print preview of the document on the provider's printer, drawn by the same code as
// printing; printing from the preview prints those pages, on the printer then chosen with its
// own correction. The document's refusal, when it has one, instead of a preview; the refusal
// or failure of printing from the preview.
std::optional<QString> previewDocument(PrinterProvider& printers, const Document& document,
                                       QWidget* parent);

}  // namespace varnel
