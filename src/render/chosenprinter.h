#pragma once
// The printer the user chose with Printer Setup, on its paper and orientation, with its
// measured correction: what the keeper handed in, checked against the printers there are.

#include "model/messagebox.h"
#include "model/printerchoice.h"
#include "render/printerprovider.h"

namespace varnel {

class ChosenPrinter : public PrinterProvider {
  public:
    ChosenPrinter(PrinterChoiceKeeper& keeper, MessageBox& messages)
        : m_keeper(keeper), m_messages(messages) {}

    std::unique_ptr<PrinterSurface> open(const QString& title, QString& error) override;
    // The kept choice. A kept printer that no longer exists is said once, and the default
    // printer stands in for it.
    PageSetup pageSetup() override;
    void setCorrection(const ScaleCorrection& correction) override;
    ScaleCorrection correctionFor(const QString& printerName) override {
        return m_keeper.correction(printerName.toStdString());
    }
    void keepSetup(const PageSetup& setup) override;

  private:
    PrinterChoiceKeeper& m_keeper;
    MessageBox& m_messages;
    bool m_saidMissing = false;
};

// A page setup as kept (its printer, paper and orientation), and back.
PrinterChoice choiceOf(const PageSetup& setup);
PageSetup setupOf(const PrinterChoice& choice);

}  // namespace varnel
