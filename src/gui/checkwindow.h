#pragma once
// "Check an Instrument": measured fret positions in (typed, pasted from a spreadsheet, or read
// from a CSV file); each model's fit, the best one named, each fret's error in length and in
// cents, and a plot of the cents; the report printed or exported. The results follow every
// edit.

#include <QDialog>
#include <optional>

#include "core/checkfit.h"
#include "core/fretboard.h"
#include "model/messagebox.h"
#include "render/exports.h"
#include "render/printerprovider.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace varnel {

class CheckWindow : public QDialog {
    Q_OBJECT
  public:
    // settings: the main window's record, for its units and its rule-of-18ths factor.
    CheckWindow(const FretboardSettings& settings, PrinterProvider& printers, MessageBox& messages,
                SaveFileChooser chooseFile, QWidget* parent = nullptr);

    // Rows of "fret,distance" or a distance alone, or cells between tabs as a spreadsheet
    // copies them, into the table from its first row; said in the status line when they are
    // none. Numbers may have the locale's decimal separator.
    void pasteMeasurements(const QString& text);
    void openMeasurements();
    void printReport();
    void exportFile();
    // The main window's units changed: the typed lengths are converted into them.
    void followSettings();
    const std::optional<InstrumentCheck>& check() const { return m_check; }

    QTableWidget* measured = nullptr;
    QLineEdit* scaleLength = nullptr;
    QLabel* fit = nullptr;
    QLabel* status = nullptr;
    QTableWidget* results = nullptr;
    class DrawingView* plot = nullptr;

  private:
    // Measurements as CSV (semicolons and decimal commas too) into the table.
    void fillMeasurements(const QString& csv);
    void recalculate();
    // Each length's unit beside it, or in its header.
    void showUnits();

    const FretboardSettings& m_settings;
    PrinterProvider& m_printers;
    MessageBox& m_messages;
    SaveFileChooser m_chooseFile;
    std::optional<InstrumentCheck> m_check;
    bool m_filling = false;
    Units m_units;  // the units the lengths were typed in
    class QLabel* m_scaleUnit = nullptr;
};

}  // namespace varnel
