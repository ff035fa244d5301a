#pragma once
// The "Fretboard Designer": a fanned or straight fretboard from its strings' scale lengths,
// spacings, tuning and workshop inputs, drawn live and tabled fret by fret, printed at full
// scale on tiled pages, or exported. Its state is a DesignerModel; this window shows it and
// forwards edits, its form made from the table of inputs.

#include <QDialog>
#include <map>
#include <optional>
#include <string>

#include "model/designermodel.h"
#include "model/messagebox.h"
#include "render/exports.h"
#include "render/printerprovider.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace varnel {

class DesignerWindow : public QDialog {
    Q_OBJECT
  public:
    // record: the main window's, for the fret count, method, factor and units. storage: where
    // the inputs are remembered (none: not remembered).
    DesignerWindow(const FretboardSettings& record, PrinterProvider& printers, MessageBox& messages,
                   DesignerStorage* storage, SaveFileChooser chooseFile, QWidget* parent = nullptr);

    DesignerModel& model() { return m_model; }
    const std::optional<DesignerBoard>& board() const { return m_model.board(); }

    void printTemplate();
    void exportFile();

    QLineEdit* strings = nullptr;
    QLineEdit* firstScale = nullptr;
    QComboBox* perpendicularKind = nullptr;  // "Perpendicular Fret" or "Perpendicular Ratio"
    QLineEdit* perpendicular = nullptr;
    QComboBox* temperament = nullptr;  // "12 Equal", "Equal Divisions" or "Scala File"
    QLabel* status = nullptr;
    QTableWidget* table = nullptr;
    QWidget* drawing = nullptr;
    QPushButton* printButton = nullptr;
    QPushButton* exportButton = nullptr;
    QPushButton* closeButton = nullptr;

  private:
    // Shows what the model changed.
    void showModel(unsigned changes);
    void showTexts();
    void showBoard();

    DesignerModel m_model;
    PrinterProvider& m_printers;
    MessageBox& m_messages;
    SaveFileChooser m_chooseFile;
    // Each input's control by key, and the unit beside each length.
    std::map<std::string, QWidget*, std::less<>> m_controls;
    std::vector<QLabel*> m_unitLabels;
    bool m_showing = false;  // the model's texts going into the controls
};

}  // namespace varnel
