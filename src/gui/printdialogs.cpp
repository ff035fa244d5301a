#include "gui/printdialogs.h"

#include <QCoreApplication>

#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>

namespace varnel {

bool choosePrinterSetup(PrinterProvider& printers, QWidget* parent) {
    QPrinter printer(QPrinter::HighResolution);
    PainterPrinter::configure(printer, printers.pageSetup());
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QCoreApplication::translate("varnel::PrintDialogs", "Printer Setup"));
    dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    if (dialog.exec() != QDialog::Accepted) return false;
    PageSetup chosen;
    chosen.printerName = printer.printerName();
    const QPageLayout layout = printer.pageLayout();
    chosen.paper = layout.pageSize().id();
    chosen.orientation = layout.orientation();
    printers.keepSetup(chosen);
    return true;
}

std::optional<QString> previewDocument(PrinterProvider& printers, const Document& document,
                                       QWidget* parent) {
    std::optional<QString> refusal;  // outlives the dialog whose handler sets it
    QPrinter printer(QPrinter::HighResolution);
    PainterPrinter::configure(printer, printers.pageSetup(), document.title);
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setWindowTitle(QCoreApplication::translate("varnel::PrintDialogs", "Print Preview"));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&](QPrinter* pages) { refusal = drawOnPrinter(*pages, printers, document); });
    // The pages are drawn once before the dialog shows, so that a refused document shows its
    // message and no preview.
    if (auto* pages = dialog.findChild<QPrintPreviewWidget*>()) pages->updatePreview();
    if (refusal) return refusal;
    dialog.exec();
    return refusal;
}

}  // namespace varnel
