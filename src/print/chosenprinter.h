#pragma once
// The printer the user chose with Printer Setup, its paper and orientation, and each printer's
// measured scale correction. They live in a store of their own beside the user's settings
// ("varnel-printers"), so that no configuration name can meet them:
//   [Setup]          Printer, Paper (Qt's key: "A4", "Letter"), Orientation ("Portrait" or
//                    "Landscape")
//   [Printer NAME]   HorizontalCorrection, VerticalCorrection (7 significant digits)

#include "messagebox.h"
#include "printerprovider.h"
#include "settingsstore.h"

namespace varnel {

class ChosenPrinter : public PrinterProvider {
  public:
    ChosenPrinter(SettingsStore& store, MessageBox& messages)
        : m_store(store), m_messages(messages) {}

    std::unique_ptr<PrinterSurface> open(QString& error) override;
    // The remembered choice. A remembered printer that no longer exists is said once, and the
    // default printer stands in for it.
    PageSetup pageSetup() override;
    void setCorrection(const ScaleCorrection& correction) override;
    ScaleCorrection correctionFor(const QString& printerName) override {
        return correction(printerName);
    }
    // Remembers the choice made in Printer Setup; a failed write is said.
    void keepSetup(const PageSetup& setup) override;

    // The stored choice, the printer name as it is (whether or not it exists).
    PageSetup storedSetup();
    void storeSetup(const PageSetup& setup);
    // A printer's stored correction; none (1, 1) for a factor that is missing, no number, or
    // outside 0.9 to 1.1.
    ScaleCorrection correction(const QString& printerName);
    void storeCorrection(const QString& printerName, const ScaleCorrection& correction);

  private:
    SettingsStore& m_store;
    MessageBox& m_messages;
    bool m_saidMissing = false;
};

}  // namespace varnel
