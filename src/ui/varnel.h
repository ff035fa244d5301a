#pragma once
// The main window "Fret Calculator/Template Printer": the two inputs, the method, unit and
// precision choices, the command buttons, the fret chart and the menus. It owns the settings
// record for the whole run; the dialogs read and write it through the window.

#include <QMainWindow>
#include <QPointer>

#include "configdialogs.h"
#include "fretboard.h"
#include "messagebox.h"
#include "printerprovider.h"
#include "settingsstore.h"

class QAction;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;

namespace varnel {

class FretChartView;

class Varnel : public QMainWindow, public ConfigTarget {
    Q_OBJECT

  public:
    // Builds the window and runs its start-up; the caller shows it.
    Varnel(SettingsStore& store, MessageBox& messages, PrinterProvider& printers,
           QWidget* parent = nullptr);
    ~Varnel() override;

    // The settings record and the distance tables of the last calculation.
    FretboardSettings settings;
    FretPositions positions;
    QString versionText;

    // Controls, under the names the program has always used for them.
    QGroupBox* frmCalcMeth = nullptr;
    QRadioButton* optCalcMethRule18 = nullptr;
    QRadioButton* optCalcMeth12Root = nullptr;
    QPushButton* cmdPrintChart = nullptr;
    QPushButton* cmdDisplay = nullptr;
    QComboBox* cboScaleLen = nullptr;
    QGroupBox* grpPrecision = nullptr;
    QRadioButton* optMeasFine = nullptr;
    QRadioButton* optMeasCoarse = nullptr;
    QGroupBox* grpMeasSystem = nullptr;
    QRadioButton* optEnglish = nullptr;
    QRadioButton* optMetric = nullptr;
    QPushButton* cmdPrintTemplate = nullptr;
    FretChartView* txtFretChart = nullptr;
    QPushButton* cmdExit = nullptr;
    QPushButton* butCalculate = nullptr;
    QLineEdit* numFretsBox = nullptr;
    QLabel* lblFretTable = nullptr;
    QFrame* Line1 = nullptr;
    QLabel* labScaleLen = nullptr;
    QLabel* labNumFrets = nullptr;

    QMenu* mnuFile = nullptr;
    QAction* mnuFileOpen = nullptr;
    QAction* mnuFileSave = nullptr;
    QMenu* mnuFilePrint = nullptr;
    QAction* mnuPrintQuick = nullptr;
    QAction* mnuFilePrintChart = nullptr;
    QAction* mnuFilePrintTemplate = nullptr;
    QAction* mnuFileExit = nullptr;
    QMenu* mnuPreferences = nullptr;
    QAction* mnuPreferencesMillimeters = nullptr;
    QAction* mnuPreferencesInches = nullptr;
    QAction* mnuPreferencesCoarse = nullptr;
    QAction* mnuPreferencesFine = nullptr;
    QAction* mnuPrefrencesLineWidth = nullptr;
    QMenu* mnuPreferencesFactor = nullptr;
    QAction* mnu12Root2 = nullptr;
    QAction* mnuPrefFactCommon = nullptr;
    QAction* mnuPrefFactDervin = nullptr;
    QAction* mnuPrefFactPrimitive = nullptr;
    QAction* mnuPrefFactExplain = nullptr;
    QAction* mnuPreferencesSetDefault = nullptr;
    QAction* mnuPreferencesReloadDefault = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuHelpReadMe = nullptr;
    QAction* mnuHelpAbout = nullptr;

    // Start-up, layout and exit.
    void Form_Load();
    void Form_Resize();
    void sizeFretChart();
    void cmdExit_Click();
    void mnuFileExit_Click();

    // Inputs and the chart.
    void numFretsBox_Change();
    void cboScaleLen_Validate(bool& cancel);
    void cmdDisplay_Click();
    void butCalculate_Click();
    bool checkInputs();
    void calcFretPositions();

    // Method, units and precision.
    void mnu12Root2_Click();
    void optCalcMeth12Root_Click();
    void mnuPrefFactCommon_Click();
    void mnuPrefFactDervin_Click();
    void mnuPrefFactPrimitive_Click();
    void optCalcMethRule18_Click();
    void mnuPrefFactExplain_Click();
    void optEnglish_Click() override;
    void optMetric_Click() override;
    void optMeasCoarse_Click() override;
    void optMeasFine_Click() override;
    void mnuPreferencesInches_Click();
    void mnuPreferencesMillimeters_Click();
    void mnuPreferencesCoarse_Click();
    void mnuPreferencesFine_Click();

    // Default preferences.
    void mnuPreferencesSetDefault_Click();
    void mnuPreferencesReloadDefault_Click();

    // Printing, configurations and help.
    void cmdPrintChart_Click();
    void cmdPrintTemplate_Click();
    void mnuFilePrintChart_Click();
    void mnuFilePrintTemplate_Click();
    void mnuPrintQuick_Click();
    void mnuFileOpen_Click();
    void mnuFileSave_Click();
    void mnuPrefrencesLineWidth_Click();
    void mnuHelpReadMe_Click();
    void mnuHelpAbout_Click();

    // What the configuration dialogs reach.
    FretboardSettings& configRecord() override { return settings; }
    void setNumFretsBoxText(const QString& text) override;
    void setScaleLenBoxText(const QString& text) override { setScaleLenText(text); }
    // Where "View ReadMe file" reads the guide; beside the executable unless set.
    QString readMePath;

    // The scale-length box's text set from code (a retrieved configuration): free text, no
    // list entry selected; it is taken at the next validation.
    void setScaleLenText(const QString& text);
    // The selected list position of the scale-length box, -1 for typed text.
    int scaleLenListIndex() const { return m_scaleLenListIndex; }

    // The window's height in twips, and the chart box's bottom margin below the client area.
    double outerHeightTwips() const;
    void setOuterHeightTwips(double twips);

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void createControls();
    void createMenus();
    void connectHandlers();
    void setTabOrderAndNames();
    // Runs the scale-length validation when the box changed since it last ran: what leaving
    // the box would have done, for commands that do not move the focus.
    void validateScaleLenIfChanged();
    void onFocusChanged(QWidget* old, QWidget* now);
    void setUnits(std::int16_t unitsType);
    void setGranularity(std::int16_t granularity);
    void setRule18Factor(double factor, QAction* item);
    void showMessage(const QString& text);
    // Prints one document on a printer from the provider: draw returns false when it refused
    // (having said why); success reports the given message, when there is one.
    template <typename Draw>
    void printDocument(Draw draw, const QString& success);
    // Opens a modeless dialog unless it is already open.
    template <typename Dialog, typename... Args>
    void openDialog(QPointer<Dialog>& dialog, Args&&... args);

    SettingsStore& m_store;
    MessageBox& m_messages;
    PrinterProvider& m_printers;
    QPointer<class diaTemplateLineWidth> m_printOptions;
    QPointer<diaSaveConfig> m_saveConfig;
    QPointer<DiaOpenConfig> m_openConfig;
    QPointer<class diaReadMe> m_readMe;
    QWidget* m_client = nullptr;
    int m_scaleLenListIndex = -1;
    bool m_scaleLenChanged = false;
    bool m_centred = false;
};

}  // namespace varnel
