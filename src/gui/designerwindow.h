#pragma once
// The "Fretboard Designer": a fanned or straight fretboard from its strings' scale lengths,
// spacings, tuning and workshop inputs, drawn live in a view that zooms and pans, tabled fret by
// fret, previewed, printed at full scale on tiled pages, or exported. Its state is a
// DesignerModel; this window shows it and forwards edits, its form made from the table of
// inputs. It opens to fit the screen, and remembers its size and how its splitter divides it.

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
class QSplitter;
class QTableView;

namespace varnel {

class DrawingView;
class FretTableModel;

class DesignerWindow : public QDialog {
    Q_OBJECT
  public:
    // record: the main window's, for its fret count, method, factor and units. storage: where
    // the inputs, the window's size and its splitter are remembered (none: not remembered).
    DesignerWindow(const FretboardSettings& record, PrinterProvider& printers, MessageBox& messages,
                   DesignerStorage* storage, SaveFileChooser chooseFile, QWidget* parent = nullptr);
    ~DesignerWindow() override;

    DesignerModel& model() { return m_model; }
    const std::optional<DesignerBoard>& board() const { return m_model.board(); }

    // The window's own best size.
    static constexpr QSize kPreferredSize{1200, 720};
    // Sizes the window to fit the screen's available area with its frame, at the size wanted
    // when that fits, and centres it there.
    void fitInto(const QRect& available, QSize wanted = kPreferredSize);

    void printTemplate();
    void previewTemplate();
    void exportFile();
    // The radius gauges of the board's two radii.
    void printGauges();
    void previewGauges();
    void exportGaugeFile();
    // The intonation report (with a string set).
    void printIntonation();
    void previewIntonation();
    void exportIntonationFile();

    QLineEdit* strings = nullptr;
    QLineEdit* firstScale = nullptr;
    QComboBox* perpendicularKind = nullptr;  // "Perpendicular Fret" or "Perpendicular Ratio"
    QLineEdit* perpendicular = nullptr;
    QComboBox* temperament = nullptr;  // "12 Equal", "Equal Divisions" or "Scala File"
    QComboBox* units = nullptr;        // "mm" or "in"
    QLabel* status = nullptr;
    QTableView* table = nullptr;
    QCheckBox* columnPerString = nullptr;
    DrawingView* drawing = nullptr;
    QSplitter* splitter = nullptr;
    QPushButton* previewButton = nullptr;
    QPushButton* printButton = nullptr;
    QPushButton* exportButton = nullptr;
    QCheckBox* boardOnly = nullptr;           // the DXF and SVG without strings, bridge and saddle
    QPushButton* gaugesButton = nullptr;      // its menu prints, previews and exports the gauges
    QPushButton* intonationButton = nullptr;  // and this one the intonation report
    DrawingView* intonationView = nullptr;    // the intonation's table and plot
    QPushButton* closeButton = nullptr;

  protected:
    void done(int result) override;

  private:
    // Shows what the model changed.
    void showModel(unsigned changes);
    void showTexts();
    void showBoard();
    QWidget* inputPages();
    QWidget* drawingPane();
    // Asks for a file of one of the formats, named from the stem: the name and the format
    // (by the name's extension, else the filter chosen), or none when nothing is to be written.
    std::optional<std::pair<QString, ExportFormat>> chooseExport(
        const std::vector<ExportFormat>& formats, const QString& stem);
    // Prints a document, saying when it is done or why not; previews one.
    void print(const Document& document, const QString& done);
    void preview(const Document& document);
    // The board's gauges, or none having said why there are none.
    std::optional<RadiusGauges> gaugesToMake();
    // The window's size and the splitter's division, as remembered and to remember.
    void restoreGeometry();
    void rememberGeometry();

    DesignerModel m_model;
    PrinterProvider& m_printers;
    MessageBox& m_messages;
    DesignerStorage* m_storage;
    SaveFileChooser m_chooseFile;
    FretTableModel* m_table = nullptr;
    // Each input's control by key, and the unit beside each length.
    std::map<std::string, QWidget*, std::less<>> m_controls;
    std::vector<QLabel*> m_unitLabels;
    bool m_showing = false;  // the model's texts going into the controls
};

}  // namespace varnel
