#include "varnel.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFrame>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QValidator>
#include <algorithm>

#include "chart.h"
#include "fretchartview.h"
#include "input.h"
#include "painterprinter.h"
#include "preferences.h"
#include "printjobs.h"
#include "printoptionsdialog.h"
#include "readmeviewer.h"
#include "twips.h"

namespace varnel {

namespace {

// Design size of the client area, below the menu bar, in twips.
constexpr double kClientWidthTwips = 5670;
constexpr double kClientHeightTwips = 5040;
// The chart box's top; its bottom edge stays a margin above the bottom of the client area.
constexpr double kChartTopTwips = 3120;
constexpr double kChartBottomMarginTwips = 105;
// The shortest window the program restores: room for the two input rows.
constexpr double kMinClientHeightTwips = 1200;
constexpr double kChartFontPoints = 9.75;

const char* const kExplainText =
    "Two methods are available for fret spacing calculation:\r\n"
    "The first is non-cumulative and uses the 12th root of 2 formula\r\n"
    "The second is called the rule of 18ths and is a cumulative method\r\n"
    "which may be slightly less accurate under certain conditions, due\r\n"
    "rounding errors.  The use of double precision floating point\r\n"
    "arithmetic for the calculations all but eliminates these errors\r\n"
    "\r\n"
    "For the rule of 18ths, three calculation factors are available.\r\n"
    "Common = 1/17.817  Recommended by most authors.\r\n"
    "\r\n"
    "Dervin = 1/17.835  From Aldric Dervin, Making Musical Instruments, Pg 34.\r\n"
    "May be erroneous.  Yields slightly shorter fret spacing.\r\n"
    "\r\n"
    "Primitive = 1/18\r\n"
    "Inaccurate value that may have been used by craftsmen in the past\r\n"
    "due to ease of calculation.  Not recommended. ";

// Refuses keystrokes that would make the fret count a number the fret loops cannot walk.
class FretCountValidator : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        return fretCountTextAllowed(input.toStdString()) ? Acceptable : Invalid;
    }
};

}  // namespace

Varnel::Varnel(SettingsStore& store, MessageBox& messages, PrinterProvider& printers,
               QWidget* parent)
    : QMainWindow(parent), m_store(store), m_messages(messages), m_printers(printers) {
    setObjectName(QStringLiteral("Varnel"));
    readMePath =
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("readme.txt"));
    setWindowTitle(QStringLiteral("Fret Calculator/Template Printer"));
    useDesignFont(*this);
    createControls();
    createMenus();
    setTabOrderAndNames();
    connectHandlers();
    resize(twipsToPixelsX(*this, kClientWidthTwips),
           menuBar()->sizeHint().height() + twipsToPixelsY(*this, kClientHeightTwips));
    setMinimumHeight(menuBar()->sizeHint().height() + twipsToPixelsY(*this, kMinClientHeightTwips));
    Form_Load();
}

Varnel::~Varnel() {
    // The widgets below go on changing the focus while they are destroyed; by then this is no
    // longer a Varnel to tell.
    disconnect(qApp, nullptr, this, nullptr);
}

void Varnel::createControls() {
    m_client = new QWidget(this);
    setCentralWidget(m_client);
    const auto place = placeInTwips;
    const auto named = [](auto* w, const char* name) {
        w->setObjectName(QString::fromLatin1(name));
        return w;
    };
    QFont frameCaptionFont(QStringLiteral("MS Sans Serif"));
    frameCaptionFont.setPointSizeF(8.25);
    frameCaptionFont.setUnderline(true);

    frmCalcMeth =
        named(new QGroupBox(QStringLiteral("Calculation Method"), m_client), "frmCalcMeth");
    place(frmCalcMeth, 2040, 2040, 3375, 615);
    optCalcMethRule18 =
        named(new QRadioButton(QStringLiteral("Rule of 18ths"), frmCalcMeth), "optCalcMethRule18");
    place(optCalcMethRule18, 1680, 240, 1575, 255);
    optCalcMeth12Root =
        named(new QRadioButton(QStringLiteral("12th Root"), frmCalcMeth), "optCalcMeth12Root");
    place(optCalcMeth12Root, 240, 240, 1335, 195);

    cmdPrintChart =
        named(new QPushButton(QStringLiteral("&Print Chart"), m_client), "cmdPrintChart");
    place(cmdPrintChart, 120, 1800, 1335, 375);
    cmdDisplay = named(new QPushButton(QStringLiteral("Verify"), m_client), "cmdDisplay");
    place(cmdDisplay, 4080, 360, 1575, 375);

    cboScaleLen = named(new QComboBox(m_client), "cboScaleLen");
    cboScaleLen->setEditable(true);
    cboScaleLen->setInsertPolicy(QComboBox::NoInsert);
    // Typed text stays as typed: no completing "25" into the preset "25"".
    cboScaleLen->setCompleter(nullptr);
    cboScaleLen->setMaxVisibleItems(static_cast<int>(scaleLenPresets.size()));
    for (const auto& preset : scaleLenPresets) {
        cboScaleLen->addItem(
            QString::fromLatin1(preset.text.data(), static_cast<qsizetype>(preset.text.size())));
    }
    cboScaleLen->setCurrentIndex(-1);
    cboScaleLen->setEditText(QString());
    place(cboScaleLen, 1440, 360, 2415, 315);

    grpPrecision = named(new QGroupBox(QStringLiteral("Precision"), m_client), "grpPrecision");
    place(grpPrecision, 3840, 840, 1575, 1095);
    optMeasFine = named(new QRadioButton(QStringLiteral("0.1 mm"), grpPrecision), "optMeasFine");
    place(optMeasFine, 120, 600, 1335, 375);
    optMeasCoarse =
        named(new QRadioButton(QStringLiteral("0.5 mm"), grpPrecision), "optMeasCoarse");
    place(optMeasCoarse, 120, 360, 1215, 255);
    optMeasCoarse->setChecked(true);

    grpMeasSystem =
        named(new QGroupBox(QStringLiteral("Measure Units"), m_client), "grpMeasSystem");
    place(grpMeasSystem, 2040, 840, 1575, 1095);
    optEnglish = named(new QRadioButton(QStringLiteral("Inches"), grpMeasSystem), "optEnglish");
    place(optEnglish, 120, 600, 1095, 255);
    optMetric = named(new QRadioButton(QStringLiteral("Millimeters"), grpMeasSystem), "optMetric");
    place(optMetric, 120, 360, 1215, 255);
    optMetric->setChecked(true);

    // The two unit frames carry their captions in an underlined font; their buttons keep the
    // window's own font.
    QFont buttonFont = font();
    buttonFont.setFamily(buttonFont.family());
    buttonFont.setPointSizeF(buttonFont.pointSizeF());
    buttonFont.setUnderline(false);
    for (QGroupBox* frame : {grpPrecision, grpMeasSystem}) {
        frame->setFont(frameCaptionFont);
        for (QRadioButton* button : frame->findChildren<QRadioButton*>())
            button->setFont(buttonFont);
    }

    cmdPrintTemplate =
        named(new QPushButton(QStringLiteral("Print &Template"), m_client), "cmdPrintTemplate");
    place(cmdPrintTemplate, 120, 1320, 1335, 375);

    txtFretChart = named(new FretChartView(m_client), "txtFretChart");
    QFont chartFont(QStringLiteral("Courier"));
    chartFont.setPointSizeF(kChartFontPoints);
    chartFont.setStyleHint(QFont::TypeWriter);
    chartFont.setFixedPitch(true);
    txtFretChart->setFont(chartFont);
    place(txtFretChart, 0, kChartTopTwips, 5655, 1815);

    cmdExit = named(new QPushButton(QStringLiteral("E&xit"), m_client), "cmdExit");
    place(cmdExit, 120, 2280, 1335, 375);
    butCalculate =
        named(new QPushButton(QStringLiteral("&Display Chart"), m_client), "butCalculate");
    place(butCalculate, 120, 840, 1335, 375);

    numFretsBox = named(new QLineEdit(m_client), "numFretsBox");
    numFretsBox->setValidator(new FretCountValidator(numFretsBox));
    place(numFretsBox, 120, 360, 1215, 375);

    lblFretTable =
        named(new QLabel(QStringLiteral("Fret Spacing Chart"), m_client), "lblFretTable");
    place(lblFretTable, 2160, 2880, 1335, 375);
    Line1 = named(new QFrame(m_client), "Line1");
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Sunken);
    place(Line1, 0, 2745, 9720, 30);
    labScaleLen = named(new QLabel(QStringLiteral("Scale Length"), m_client), "labScaleLen");
    place(labScaleLen, 1440, 120, 1095, 255);
    labNumFrets = named(new QLabel(QStringLiteral("Number of Frets"), m_client), "labNumFrets");
    place(labNumFrets, 120, 120, 1335, 375);
    labNumFrets->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    labNumFrets->setBuddy(numFretsBox);
    labScaleLen->setBuddy(cboScaleLen);
    lblFretTable->setBuddy(txtFretChart);

    widenToFit({labNumFrets, labScaleLen, lblFretTable, optCalcMethRule18, optCalcMeth12Root,
                optMeasFine, optMeasCoarse, optEnglish, optMetric});
    for (QPushButton* button :
         {cmdPrintChart, cmdDisplay, cmdPrintTemplate, cmdExit, butCalculate}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
}

void Varnel::createMenus() {
    const auto item = [this](QMenu* menu, const char* name, const char* caption,
                             bool checkable = false, bool checked = false) {
        QAction* action = menu->addAction(QString::fromLatin1(caption));
        action->setObjectName(QString::fromLatin1(name));
        action->setCheckable(checkable);
        action->setChecked(checked);
        return action;
    };
    const auto separator = [](QMenu* menu, const char* name) {
        menu->addSeparator()->setObjectName(QString::fromLatin1(name));
    };
    const auto submenu = [](QMenu* parent, const char* name, const char* caption) {
        QMenu* menu = parent->addMenu(QString::fromLatin1(caption));
        menu->setObjectName(QString::fromLatin1(name));
        menu->menuAction()->setObjectName(QString::fromLatin1(name) + QStringLiteral("Item"));
        return menu;
    };
    QMenuBar* bar = menuBar();

    mnuFile = bar->addMenu(QStringLiteral("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuFileOpen = item(mnuFile, "mnuFileOpen", "&Retrieve Fretboard Configuration");
    mnuFileSave = item(mnuFile, "mnuFileSave", "&Save Fretboard Configuration");
    separator(mnuFile, "mnuFileSep1");
    mnuFilePrint = submenu(mnuFile, "mnuFilePrint", "&Print...");
    mnuPrintQuick = item(mnuFilePrint, "mnuPrintQuick", "&Quick Form Print");
    mnuFilePrintChart = item(mnuFilePrint, "mnuFilePrintChart", "&Chart");
    mnuFilePrintTemplate = item(mnuFilePrint, "mnuFilePrintTemplate", "&Template");
    separator(mnuFile, "mnuFileSep2");
    mnuFileExit = item(mnuFile, "mnuFileExit", "E&xit");

    mnuPreferences = bar->addMenu(QStringLiteral("&Preferences"));
    mnuPreferences->setObjectName(QStringLiteral("mnuPreferences"));
    mnuPreferencesMillimeters =
        item(mnuPreferences, "mnuPreferencesMillimeters", "&Millimeters", true, true);
    mnuPreferencesInches = item(mnuPreferences, "mnuPreferencesInches", "&Inches", true);
    separator(mnuPreferences, "mnuPreferencesSep1");
    mnuPreferencesCoarse = item(mnuPreferences, "mnuPreferencesCoarse", "&Half", true, true);
    mnuPreferencesFine = item(mnuPreferences, "mnuPreferencesFine", "&Tenth", true);
    separator(mnuPreferences, "mnuPreferencesSep2");
    mnuPrefrencesLineWidth = item(mnuPreferences, "mnuPrefrencesLineWidth", "Set &Print Options");
    separator(mnuPreferences, "mnuPreferencesSep3");
    mnuPreferencesFactor = submenu(mnuPreferences, "mnuPreferencesFactor", "&Calculation Method");
    mnu12Root2 =
        item(mnuPreferencesFactor, "mnu12Root2", "&Non-cumulative (12th root of 2)", true, true);
    separator(mnuPreferencesFactor, "mnuPrefCalcMethSep0");
    mnuPrefFactCommon = item(mnuPreferencesFactor, "mnuPrefFactCommon", "&Common", true);
    mnuPrefFactDervin = item(mnuPreferencesFactor, "mnuPrefFactDervin", "&Dervin", true);
    mnuPrefFactPrimitive = item(mnuPreferencesFactor, "mnuPrefFactPrimitive", "&Primitive", true);
    separator(mnuPreferencesFactor, "mnuPrefCalcMethSep1");
    mnuPrefFactExplain = item(mnuPreferencesFactor, "mnuPrefFactExplain", "E&xplain");
    separator(mnuPreferences, "mnuPrefSep5");
    mnuPreferencesSetDefault =
        item(mnuPreferences, "mnuPreferencesSetDefault", "&Save Current Preferences as default");
    mnuPreferencesReloadDefault =
        item(mnuPreferences, "mnuPreferencesReloadDefault", "Reload Preferences from &Defaults");

    mnuHelp = bar->addMenu(QStringLiteral("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuHelpReadMe = item(mnuHelp, "mnuHelpReadMe", "View &ReadMe file");
    separator(mnuHelp, "mnuHelpSep1");
    mnuHelpAbout = item(mnuHelp, "mnuHelpAbout", "&About...");
}

void Varnel::setTabOrderAndNames() {
    const QList<QWidget*> order = {
        numFretsBox,      cboScaleLen,   butCalculate,      cmdExit,          txtFretChart,
        cmdPrintTemplate, optMeasCoarse, optMeasFine,       optMetric,        optEnglish,
        cmdDisplay,       cmdPrintChart, optCalcMeth12Root, optCalcMethRule18};
    for (qsizetype i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
    numFretsBox->setAccessibleName(labNumFrets->text());
    cboScaleLen->setAccessibleName(labScaleLen->text());
    txtFretChart->setAccessibleName(lblFretTable->text());
}

void Varnel::connectHandlers() {
    // Option buttons and menu items run their handlers when the user clicks them, never when
    // code changes their state.
    const auto onClick = [this](QAbstractButton* button, void (Varnel::*handler)()) {
        connect(button, &QAbstractButton::clicked, this, handler);
    };
    const auto onTrigger = [this](QAction* action, void (Varnel::*handler)()) {
        connect(action, &QAction::triggered, this, handler);
    };
    onClick(cmdDisplay, &Varnel::cmdDisplay_Click);
    onClick(butCalculate, &Varnel::butCalculate_Click);
    onClick(cmdPrintChart, &Varnel::cmdPrintChart_Click);
    onClick(cmdPrintTemplate, &Varnel::cmdPrintTemplate_Click);
    onClick(cmdExit, &Varnel::cmdExit_Click);
    onClick(optCalcMeth12Root, &Varnel::optCalcMeth12Root_Click);
    onClick(optCalcMethRule18, &Varnel::optCalcMethRule18_Click);
    onClick(optMetric, &Varnel::optMetric_Click);
    onClick(optEnglish, &Varnel::optEnglish_Click);
    onClick(optMeasCoarse, &Varnel::optMeasCoarse_Click);
    onClick(optMeasFine, &Varnel::optMeasFine_Click);

    onTrigger(mnuFileOpen, &Varnel::mnuFileOpen_Click);
    onTrigger(mnuFileSave, &Varnel::mnuFileSave_Click);
    onTrigger(mnuFilePrintChart, &Varnel::mnuFilePrintChart_Click);
    onTrigger(mnuFilePrintTemplate, &Varnel::mnuFilePrintTemplate_Click);
    onTrigger(mnuPrintQuick, &Varnel::mnuPrintQuick_Click);
    onTrigger(mnuFileExit, &Varnel::mnuFileExit_Click);
    onTrigger(mnuPreferencesMillimeters, &Varnel::mnuPreferencesMillimeters_Click);
    onTrigger(mnuPreferencesInches, &Varnel::mnuPreferencesInches_Click);
    onTrigger(mnuPreferencesCoarse, &Varnel::mnuPreferencesCoarse_Click);
    onTrigger(mnuPreferencesFine, &Varnel::mnuPreferencesFine_Click);
    onTrigger(mnuPrefrencesLineWidth, &Varnel::mnuPrefrencesLineWidth_Click);
    onTrigger(mnu12Root2, &Varnel::mnu12Root2_Click);
    onTrigger(mnuPrefFactCommon, &Varnel::mnuPrefFactCommon_Click);
    onTrigger(mnuPrefFactDervin, &Varnel::mnuPrefFactDervin_Click);
    onTrigger(mnuPrefFactPrimitive, &Varnel::mnuPrefFactPrimitive_Click);
    onTrigger(mnuPrefFactExplain, &Varnel::mnuPrefFactExplain_Click);
    onTrigger(mnuPreferencesSetDefault, &Varnel::mnuPreferencesSetDefault_Click);
    onTrigger(mnuPreferencesReloadDefault, &Varnel::mnuPreferencesReloadDefault_Click);
    onTrigger(mnuHelpReadMe, &Varnel::mnuHelpReadMe_Click);
    onTrigger(mnuHelpAbout, &Varnel::mnuHelpAbout_Click);

    connect(numFretsBox, &QLineEdit::textChanged, this, &Varnel::numFretsBox_Change);
    // Typing makes the box's text free text; choosing a list entry selects that entry.
    connect(cboScaleLen->lineEdit(), &QLineEdit::textEdited, this, [this] {
        m_scaleLenListIndex = -1;
        m_scaleLenChanged = true;
    });
    const auto chosen = [this](int index) {
        m_scaleLenListIndex = index;
        m_scaleLenChanged = true;
    };
    connect(cboScaleLen, &QComboBox::activated, this, chosen);
    connect(cboScaleLen, &QComboBox::currentIndexChanged, this, [this, chosen](int index) {
        if (index >= 0) chosen(index);
    });
    connect(qApp, &QApplication::focusChanged, this, &Varnel::onFocusChanged);
}

void Varnel::onFocusChanged(QWidget* old, QWidget* now) {
    // The scale length is taken when the focus moves from its box to another control of this
    // window; not when the window loses the focus or the box opens its own list.
    if (!old || !now) return;
    const auto inBox = [this](QWidget* w) {
        return w == cboScaleLen || cboScaleLen->isAncestorOf(w);
    };
    if (!inBox(old) || inBox(now) || now->window() != this) return;
    bool cancel = false;
    cboScaleLen_Validate(cancel);
}

// ---- Start-up, layout and exit -------------------------------------------------------------

void Varnel::Form_Load() {
    versionText = QStringLiteral("1.01");
    settings.unitsGranularity = kGranularityCoarse;
    settings.unitsType = kUnitsMillimetres;
    settings.calcType = kCalcTwelfthRoot;
    optCalcMethRule18->setChecked(false);
    optCalcMeth12Root->setChecked(true);
    readStartupPreferences(m_store, settings);
    if (const auto height = readHeightTwips(m_store, kWindowHeightKey)) {
        setOuterHeightTwips(*height);
    }
    sizeFretChart();
}

double Varnel::outerHeightTwips() const {
    return pixelsToTwipsY(*this, height());
}

void Varnel::setOuterHeightTwips(double twips) {
    // A stored height below the window's minimum is not used.
    const int pixels = twipsToPixelsY(*this, twips);
    if (pixels < minimumHeight()) return;
    resize(width(), pixels);
}

void Varnel::sizeFretChart() {
    // The chart box keeps its top and width; its bottom edge follows the window's bottom.
    const double clientTwips = pixelsToTwipsY(*this, height() - menuBar()->sizeHint().height());
    const double chartTwips = clientTwips - kChartTopTwips - kChartBottomMarginTwips;
    const int pixels = chartTwips > 0 ? twipsToPixelsY(*this, chartTwips) : 0;
    txtFretChart->resize(txtFretChart->width(), pixels);
    txtFretChart->setVisible(pixels > 0);
}

void Varnel::Form_Resize() {
    sizeFretChart();
}

void Varnel::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    Form_Resize();
}

void Varnel::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!m_centred) {
        m_centred = true;
        if (const QScreen* s = screen()) {
            QRect frame = frameGeometry();
            frame.moveCenter(s->availableGeometry().center());
            move(frame.topLeft());
        }
    }
    sizeFretChart();
}

void Varnel::closeEvent(QCloseEvent* event) {
    // Dialogs act on this window's record: they close with it.
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isWindow()) child->close();
    }
    QMainWindow::closeEvent(event);
}

void Varnel::cmdExit_Click() {
    validateScaleLenIfChanged();
    m_store.saveSetting(kBaseSection, kWindowHeightKey,
                        valueText(static_cast<float>(outerHeightTwips())));
    close();
}

void Varnel::mnuFileExit_Click() {
    cmdExit_Click();
}

// ---- Inputs and the chart ------------------------------------------------------------------

void Varnel::numFretsBox_Change() {
    settings.nFrets = fretCountFromBox(numFretsBox->text().toStdString(), settings.nFrets);
}

void Varnel::cboScaleLen_Validate(bool& cancel) {
    cancel = false;
    const std::optional<int> index =
        m_scaleLenListIndex >= 0 ? std::optional<int>(m_scaleLenListIndex) : std::nullopt;
    settings.scaleLen =
        scaleLenFromBox(cboScaleLen->currentText().toStdString(), index, settings.unitsType);
    m_scaleLenChanged = false;
}

void Varnel::validateScaleLenIfChanged() {
    if (!m_scaleLenChanged) return;
    bool cancel = false;
    cboScaleLen_Validate(cancel);
}

void Varnel::setScaleLenText(const QString& text) {
    m_scaleLenListIndex = -1;
    cboScaleLen->setEditText(text);
    m_scaleLenChanged = true;
}

void Varnel::cmdDisplay_Click() {
    validateScaleLenIfChanged();
    showMessage(QString::fromStdString(verifyText(settings)));
}

bool Varnel::checkInputs() {
    if (inputsAreValid(settings)) return true;
    m_messages.show(kCheckInputsMessage);
    return false;
}

void Varnel::calcFretPositions() {
    positions = varnel::calcFretPositions(settings);
}

void Varnel::butCalculate_Click() {
    validateScaleLenIfChanged();
    if (!checkInputs()) return;
    calcFretPositions();
    txtFretChart->setPlainText(QString::fromLatin1(buildFretChart(settings, positions)));
}

// ---- Method, units and precision -----------------------------------------------------------

void Varnel::mnu12Root2_Click() {
    settings.calcType = kCalcTwelfthRoot;
    mnu12Root2->setChecked(true);
    mnuPrefFactCommon->setChecked(false);
    mnuPrefFactDervin->setChecked(false);
    mnuPrefFactPrimitive->setChecked(false);
    optCalcMethRule18->setChecked(false);
    optCalcMeth12Root->setChecked(true);
}

void Varnel::optCalcMeth12Root_Click() {
    mnu12Root2_Click();
}

void Varnel::setRule18Factor(double factor, QAction* item) {
    settings.calcFact = factor;
    settings.calcType = kCalcRule18;
    for (QAction* a : {mnuPrefFactCommon, mnuPrefFactDervin, mnuPrefFactPrimitive}) {
        a->setChecked(a == item);
    }
    mnu12Root2->setChecked(false);
    optCalcMethRule18->setChecked(true);
    optCalcMeth12Root->setChecked(false);
}

void Varnel::mnuPrefFactCommon_Click() {
    setRule18Factor(kFactorCommon, mnuPrefFactCommon);
}
void Varnel::mnuPrefFactDervin_Click() {
    setRule18Factor(kFactorDervin, mnuPrefFactDervin);
}
void Varnel::mnuPrefFactPrimitive_Click() {
    setRule18Factor(kFactorPrimitive, mnuPrefFactPrimitive);
}
void Varnel::optCalcMethRule18_Click() {
    mnuPrefFactCommon_Click();
}

void Varnel::mnuPrefFactExplain_Click() {
    m_messages.show(kExplainText);
}

void Varnel::setUnits(std::int16_t unitsType) {
    const bool inches = unitsType == kUnitsInches;
    settings.unitsType = unitsType;
    optMeasCoarse->setText(inches ? QStringLiteral("1/64th In.") : QStringLiteral("0.5 mm"));
    optMeasFine->setText(inches ? QStringLiteral("0.01 In.") : QStringLiteral("0.1 mm"));
    mnuPreferencesInches->setChecked(inches);
    mnuPreferencesMillimeters->setChecked(!inches);
    mnuPreferencesCoarse->setText(inches ? QStringLiteral("&Sixty Fourth")
                                         : QStringLiteral("&Half"));
    mnuPreferencesFine->setText(inches ? QStringLiteral("One &Hundredth")
                                       : QStringLiteral("&Tenth"));
    optEnglish->setChecked(inches);
    optMetric->setChecked(!inches);
    bool cancel = false;
    cboScaleLen_Validate(cancel);
}

void Varnel::optEnglish_Click() {
    setUnits(kUnitsInches);
}
void Varnel::optMetric_Click() {
    setUnits(kUnitsMillimetres);
}

void Varnel::setGranularity(std::int16_t granularity) {
    const bool coarse = granularity == kGranularityCoarse;
    settings.unitsGranularity = granularity;
    mnuPreferencesCoarse->setChecked(coarse);
    mnuPreferencesFine->setChecked(!coarse);
    (coarse ? optMeasFine : optMeasCoarse)->setChecked(false);
    (coarse ? optMeasCoarse : optMeasFine)->setChecked(true);
}

void Varnel::optMeasCoarse_Click() {
    setGranularity(kGranularityCoarse);
}
void Varnel::optMeasFine_Click() {
    setGranularity(kGranularityFine);
}
void Varnel::mnuPreferencesInches_Click() {
    optEnglish_Click();
}
void Varnel::mnuPreferencesMillimeters_Click() {
    optMetric_Click();
}
void Varnel::mnuPreferencesCoarse_Click() {
    optMeasCoarse_Click();
}
void Varnel::mnuPreferencesFine_Click() {
    optMeasFine_Click();
}

// ---- Default preferences -------------------------------------------------------------------

void Varnel::mnuPreferencesSetDefault_Click() {
    savePreferencesAsDefault(m_store, settings);
}

void Varnel::mnuPreferencesReloadDefault_Click() {
    reloadPreferences(m_store, settings);
}

// ---- Printing, configurations and help -----------------------------------------------------

void Varnel::cmdPrintChart_Click() {
    mnuFilePrintChart_Click();
}
void Varnel::cmdPrintTemplate_Click() {
    mnuFilePrintTemplate_Click();
}
template <typename Draw>
void Varnel::printDocument(Draw draw, const QString& success) {
    QString error;
    std::unique_ptr<PrinterSurface> printer = m_printers.open(error);
    if (!printer) {
        showMessage(error);
        return;
    }
    if (!draw(*printer)) {
        printer->abortDoc();
        return;
    }
    if (!printer->endDoc()) {
        showMessage(kPrintFailedMessage);
        return;
    }
    if (!success.isEmpty()) showMessage(success);
}

void Varnel::mnuFilePrintChart_Click() {
    validateScaleLenIfChanged();
    if (!checkInputs()) return;
    calcFretPositions();
    printDocument(
        [this](PrinterSurface& printer) {
            printChart(printer, settings, positions);
            return true;
        },
        QStringLiteral("Chart Printed"));
}

void Varnel::mnuFilePrintTemplate_Click() {
    validateScaleLenIfChanged();
    if (!checkInputs()) return;
    calcFretPositions();
    printDocument(
        [this](PrinterSurface& printer) {
            if (const auto refusal = templateRefusal(printer, settings, positions)) {
                showMessage(*refusal);
                return false;
            }
            printTemplate(printer, settings, positions);
            return true;
        },
        QStringLiteral("Template printed"));
}

void Varnel::mnuPrintQuick_Click() {
    // An image of the window, as wide as the printable area allows.
    const QImage image = grab().toImage();
    printDocument(
        [&image](PrinterSurface& printer) {
            printer.setScaleMode(PageUnit::Inches);
            const double width = printer.scaleWidth();
            const double height = width * image.height() / std::max(1, image.width());
            printer.drawImage(QRectF(0, 0, width, height), image);
            return true;
        },
        QString());
}

template <typename Dialog, typename... Args>
void Varnel::openDialog(QPointer<Dialog>& dialog, Args&&... args) {
    if (dialog) return;
    dialog = new Dialog(std::forward<Args>(args)..., this);
    dialog->Form_Load();
}

void Varnel::mnuPrefrencesLineWidth_Click() {
    openDialog(m_printOptions, settings);
}

void Varnel::mnuFileOpen_Click() {
    openDialog(m_openConfig, m_store, m_messages, static_cast<ConfigTarget&>(*this));
}

void Varnel::mnuFileSave_Click() {
    // The dialog saves the scale length the box shows, not one taken before it was edited.
    validateScaleLenIfChanged();
    openDialog(m_saveConfig, m_store, m_messages, static_cast<ConfigTarget&>(*this));
}

void Varnel::setNumFretsBoxText(const QString& text) {
    numFretsBox->setText(text);
}

void Varnel::mnuHelpReadMe_Click() {
    if (m_readMe) return;
    auto* viewer = new diaReadMe(m_store, readMePath, this);
    if (!viewer->Form_Load()) {
        delete viewer;
        showMessage(QStringLiteral("The ReadMe file could not be read: %1")
                        .arg(QDir::toNativeSeparators(readMePath)));
        return;
    }
    m_readMe = viewer;
}

void Varnel::mnuHelpAbout_Click() {
    showMessage(aboutText(versionText));
}

void Varnel::showMessage(const QString& text) {
    m_messages.show(text.toStdString());
}

}  // namespace varnel
