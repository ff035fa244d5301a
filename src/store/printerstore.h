#pragma once
// The printer choice and the corrections in a store of their own beside the user's settings
// ("varnel-printers"), so that no configuration name can meet them:
//   [Setup]          Printer, Paper (Qt's key: "A4", "Letter"), Orientation ("Portrait" or
//                    "Landscape")
//   [Printer NAME]   HorizontalCorrection, VerticalCorrection (7 significant digits)

#include "model/messagebox.h"
#include "model/printerchoice.h"
#include "store/settingsstore.h"

namespace varnel {

class StoredPrinterChoice : public PrinterChoiceKeeper {
  public:
    StoredPrinterChoice(SettingsStore& store, MessageBox& messages)
        : m_store(store), m_messages(messages) {}
    PrinterChoice choice() override;
    void keepChoice(const PrinterChoice& choice) override;
    // A stored factor that is missing, no number, or outside 0.9 to 1.1 counts as 1.
    ScaleCorrection correction(const std::string& printer) override;
    void keepCorrection(const std::string& printer, const ScaleCorrection& correction) override;

  private:
    SettingsStore& m_store;
    MessageBox& m_messages;
};

}  // namespace varnel
