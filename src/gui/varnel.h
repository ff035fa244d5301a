#pragma once
// The main window "Fret Calculator/Template Printer": a view of the window's model. It shows
// what the model holds, passes every click, key and menu command to it, and does what only a
// window can: layout, printing, dialogs, the remembered height.

#include <QMainWindow>
#include <QPointer>
#include <memory>

#include "model/designerstorage.h"
#include "model/messagebox.h"
#include "model/windowmodel.h"
#include "render/exports.h"
#include "render/printerprovider.h"
#include "store/configrepository.h"
#include "store/preferences.h"
#include "store/settingsstore.h"

namespace varnel {

struct MainWindowUi;
class ReadMeViewer;
class SaveConfigDialog;
class RetrieveConfigDialog;
class PrintOptionsDialog;
class CalibrationDialog;

class Varnel : public QMainWindow {
    Q_OBJECT

  public:
    // Builds the window and runs its start-up; the caller shows it.
    Varnel(SettingsStore& store, MessageBox& messages, PrinterProvider& printers,
           QWidget* parent = nullptr);
    ~Varnel() override;

    WindowModel& model() { return m_model; }

    // Where Export saves: a save-file dialog unless replaced (tests).
    void setSaveFileChooser(SaveFileChooser chooser) { m_chooseSaveFile = std::move(chooser); }
    // Where the Fretboard Designer remembers its inputs (none: it does not).
    // Where the Fretboard Designer remembers its inputs, and the extra keys saved
    // configurations carry for it (none: neither).
    void setDesignerStorage(DesignerStorage* inputs, ConfigExtras* extras);
    // A retrieved configuration's designer inputs are in its storage: an open designer shows them.
    void designerInputsRetrieved();

    // Where "View ReadMe file" reads the guide; beside the executable unless set.
    QString readMePath;

    // The window's height in twips: menu bar and client area, without the frame.
    double outerHeightTwips() const;
    void setOuterHeightTwips(double twips);

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void connectControls();
    void connectChoices();
    // Shows what the model changed; nothing shown here reaches the model again.
    void showModel(unsigned changes);
    void onFocusChanged(QWidget* old, QWidget* now);
    void sizeFretChart();
    void exitProgram();
    // Prints the chart or the template of the current inputs; says so when it went out.
    void printFretDocument(bool fretTemplate);
    void printWindowImage();
    void previewFretDocument(bool fretTemplate);
    void printCalibrationPage();
    void calibratePrinter();
    void exportFile(ExportFormat format);
    void showReadMe();
    void showMessage(const QString& text);
    // Opens a modeless dialog unless it is already open.
    template <typename Dialog, typename... Args>
    void openDialog(QPointer<Dialog>& dialog, Args&&... args);

    SettingsStore& m_store;
    MessageBox& m_messages;
    PrinterProvider& m_printers;
    StoredPreferences m_preferences;
    ConfigRepository m_configs;
    WindowModel m_model;
    std::unique_ptr<MainWindowUi> m_ui;
    QPointer<PrintOptionsDialog> m_printOptions;
    QPointer<SaveConfigDialog> m_saveConfig;
    QPointer<RetrieveConfigDialog> m_openConfig;
    QPointer<ReadMeViewer> m_readMe;
    QPointer<CalibrationDialog> m_calibration;
    SaveFileChooser m_chooseSaveFile;
    DesignerStorage* m_designerInputs = nullptr;
    QPointer<class DesignerWindow> m_designer;
    QPointer<class CheckWindow> m_check;
    bool m_showingModel = false;
    bool m_centred = false;
};

}  // namespace varnel
