#include "gui/mainwindowui.h"

#include <QAction>
#include <QActionGroup>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QValidator>

#include "core/input.h"
#include "gui/fitcaptions.h"
#include "gui/fretchartview.h"
#include "gui/twips.h"

namespace varnel {

namespace {

constexpr double kChartFontPoints = 9.75;

// Refuses keystrokes that would make the fret count a number the fret loops cannot walk.
class FretCountValidator : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        return fretCountTextAllowed(input.toStdString()) ? Acceptable : Invalid;
    }
};

// An option button whose check mark only the window sets, from the model: a click or a key
// asks for the choice (clicked), and the model's answer checks the button. An accessibility
// "toggle" still checks it directly, which the window hears as toggled.
class ChoiceButton : public QRadioButton {
  public:
    using QRadioButton::QRadioButton;

  protected:
    void nextCheckState() override {}
};

template <typename Widget>
Widget* named(Widget* w, const char* name) {
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

}  // namespace

MainWindowUi::MainWindowUi(QMainWindow& window) {
    createControls(window);
    createMenus(window);
    const QList<QWidget*> order = tabOrder();
    for (qsizetype i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

QList<QWidget*> MainWindowUi::tabOrder() const {
    return {numberOfFrets, scaleLength, displayChart, exit,       fretChart,
            printTemplate, millimetres, inches,       coarse,     fine,
            verify,        printChart,  twelfthRoot,  ruleOf18ths};
}

void MainWindowUi::createControls(QMainWindow& window) {
    client = new QWidget(&window);
    window.setCentralWidget(client);
    // The design's client area, so that captions know the room they have before the window is
    // sized.
    client->resize(twipsToPixelsX(*client, kClientWidthTwips),
                   twipsToPixelsY(*client, kClientHeightTwips));
    const auto place = placeInTwips;
    QFont frameCaptionFont(QStringLiteral("MS Sans Serif"));
    frameCaptionFont.setPointSizeF(kDesignFontPoints);
    frameCaptionFont.setUnderline(true);
    const auto option = [&place](QWidget* frame, const char* name, const char* caption, double left,
                                 double top, double width, double height) {
        auto* button = named(new ChoiceButton(QString::fromLatin1(caption), frame), name);
        place(button, left, top, width, height);
        return static_cast<QRadioButton*>(button);
    };
    const auto button = [this, &place](const char* name, const char* caption, double left,
                                       double top, double width, double height) {
        auto* b = named(new QPushButton(QString::fromLatin1(caption), client), name);
        place(b, left, top, width, height);
        // No button is the default: Enter means nothing special in this window.
        b->setAutoDefault(false);
        b->setDefault(false);
        return b;
    };
    const auto label = [this, &place](const char* name, const char* caption, double left,
                                      double top, double width, double height) {
        auto* l = named(new QLabel(QString::fromLatin1(caption), client), name);
        place(l, left, top, width, height);
        return l;
    };

    auto* methodFrame =
        named(new QGroupBox(QStringLiteral("Calculation Method"), client), "frmCalcMeth");
    place(methodFrame, 2040, 2040, 3375, 615);
    ruleOf18ths = option(methodFrame, "optCalcMethRule18", "Rule of 18ths", 1680, 240, 1575, 255);
    twelfthRoot = option(methodFrame, "optCalcMeth12Root", "12th Root", 240, 240, 1335, 195);

    printChart = button("cmdPrintChart", "&Print Chart", 120, 1800, 1335, 375);
    // Alt+P opens the Preferences menu, as in any desktop program; the button keeps its caption.
    printChart->setShortcut(QKeySequence());
    verify = button("cmdDisplay", "Verify", 4080, 360, 1575, 375);

    scaleLength = named(new QComboBox(client), "cboScaleLen");
    scaleLength->setEditable(true);
    scaleLength->setInsertPolicy(QComboBox::NoInsert);
    // Typed text stays as typed: no completing "25" into the preset "25"".
    scaleLength->setCompleter(nullptr);
    scaleLength->setMaxVisibleItems(static_cast<int>(scaleLenPresets.size()));
    for (const auto& preset : scaleLenPresets) {
        scaleLength->addItem(
            QString::fromLatin1(preset.text.data(), static_cast<qsizetype>(preset.text.size())));
    }
    scaleLength->setCurrentIndex(-1);
    scaleLength->setEditText(QString());
    place(scaleLength, 1440, 360, 2415, 315);

    auto* precisionFrame =
        named(new QGroupBox(QStringLiteral("Precision"), client), "grpPrecision");
    place(precisionFrame, 3840, 840, 1575, 1095);
    fine = option(precisionFrame, "optMeasFine", "0.1 mm", 120, 600, 1335, 375);
    coarse = option(precisionFrame, "optMeasCoarse", "0.5 mm", 120, 360, 1215, 255);

    auto* unitsFrame =
        named(new QGroupBox(QStringLiteral("Measure Units"), client), "grpMeasSystem");
    place(unitsFrame, 2040, 840, 1575, 1095);
    inches = option(unitsFrame, "optEnglish", "Inches", 120, 600, 1095, 255);
    millimetres = option(unitsFrame, "optMetric", "Millimeters", 120, 360, 1215, 255);

    // The two unit frames carry their captions in an underlined font; their buttons keep the
    // window's own font.
    QFont buttonFont = window.font();
    buttonFont.setFamily(buttonFont.family());
    buttonFont.setPointSizeF(buttonFont.pointSizeF());
    buttonFont.setUnderline(false);
    for (QGroupBox* frame : {precisionFrame, unitsFrame}) {
        frame->setFont(frameCaptionFont);
        for (QRadioButton* b : frame->findChildren<QRadioButton*>()) b->setFont(buttonFont);
    }

    printTemplate = button("cmdPrintTemplate", "Print &Template", 120, 1320, 1335, 375);

    fretChart = named(new FretChartView(client), "txtFretChart");
    QFont chartFont(QStringLiteral("Courier"));
    chartFont.setPointSizeF(kChartFontPoints);
    chartFont.setStyleHint(QFont::TypeWriter);
    chartFont.setFixedPitch(true);
    fretChart->setFont(chartFont);
    place(fretChart, 0, kChartTopTwips, 5655, 1815);

    exit = button("cmdExit", "E&xit", 120, 2280, 1335, 375);
    displayChart = button("butCalculate", "&Display Chart", 120, 840, 1335, 375);

    numberOfFrets = named(new QLineEdit(client), "numFretsBox");
    numberOfFrets->setValidator(new FretCountValidator(numberOfFrets));
    place(numberOfFrets, 120, 360, 1215, 375);

    QLabel* chartLabel = label("lblFretTable", "Fret Spacing Chart", 2160, 2880, 1335, 375);
    auto* rule = named(new QFrame(client), "Line1");
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    place(rule, 0, 2745, 9720, 30);
    QLabel* scaleLabel = label("labScaleLen", "Scale Length", 1440, 120, 1095, 255);
    QLabel* fretsLabel = label("labNumFrets", "Number of Frets", 120, 120, 1335, 375);
    fretsLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    for (auto [l, w] : {std::pair<QLabel*, QWidget*>{fretsLabel, numberOfFrets},
                        {scaleLabel, scaleLength},
                        {chartLabel, fretChart}}) {
        l->setBuddy(w);
        w->setAccessibleName(l->text());
    }
    for (QWidget* parent :
         std::initializer_list<QWidget*>{client, methodFrame, unitsFrame, precisionFrame}) {
        fitCaptions(parent);
    }
}

void MainWindowUi::createMenus(QMainWindow& window) {
    const auto item = [](QMenu* menu, const char* name, const char* caption,
                         QActionGroup* group = nullptr) {
        QAction* action = menu->addAction(QString::fromLatin1(caption));
        action->setObjectName(QString::fromLatin1(name));
        if (group) {
            action->setCheckable(true);
            group->addAction(action);
        }
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
    const auto group = [&window](QActionGroup::ExclusionPolicy policy) {
        auto* g = new QActionGroup(&window);
        g->setExclusionPolicy(policy);
        return g;
    };
    QMenuBar* bar = window.menuBar();

    fileMenu = named(bar->addMenu(QStringLiteral("&File")), "mnuFile");
    retrieveConfigItem = item(fileMenu, "mnuFileOpen", "&Retrieve Fretboard Configuration");
    saveConfigItem = item(fileMenu, "mnuFileSave", "&Save Fretboard Configuration");
    separator(fileMenu, "mnuFileSep1");
    printerSetupItem = item(fileMenu, "mnuFilePrinterSetup", "Printer Set&up...");
    previewMenu = submenu(fileMenu, "mnuFilePreview", "Print Pre&view");
    previewChartItem = item(previewMenu, "mnuPreviewChart", "&Chart");
    previewTemplateItem = item(previewMenu, "mnuPreviewTemplate", "&Template");
    printMenu = submenu(fileMenu, "mnuFilePrint", "&Print...");
    quickFormPrintItem = item(printMenu, "mnuPrintQuick", "&Quick Form Print");
    printChartItem = item(printMenu, "mnuFilePrintChart", "&Chart");
    printTemplateItem = item(printMenu, "mnuFilePrintTemplate", "&Template");
    printCalibrationItem = item(printMenu, "mnuPrintCalibration", "Ca&libration Page");
    exportMenu = submenu(fileMenu, "mnuFileExport", "&Export");
    for (const auto& [name, caption] : {std::pair{"mnuExportTemplateSvg", "Template as &SVG..."},
                                        {"mnuExportTemplateDxf", "Template as &DXF..."},
                                        {"mnuExportTemplatePdf", "Template as &PDF..."},
                                        {"mnuExportChartCsv", "Chart as &CSV..."},
                                        {"mnuExportChartPdf", "Chart as PD&F..."},
                                        {"mnuExportChartText", "Chart as &Text..."}}) {
        exportItems << item(exportMenu, name, caption);
    }
    separator(fileMenu, "mnuFileSep2");
    exitItem = item(fileMenu, "mnuFileExit", "E&xit");

    QActionGroup* units = group(QActionGroup::ExclusionPolicy::Exclusive);
    QActionGroup* precision = group(QActionGroup::ExclusionPolicy::Exclusive);
    // Optional: with a stored factor that is none of the three, no factor item is checked.
    QActionGroup* method = group(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    preferencesMenu = named(bar->addMenu(QStringLiteral("&Preferences")), "mnuPreferences");
    millimetresItem = item(preferencesMenu, "mnuPreferencesMillimeters", "&Millimeters", units);
    inchesItem = item(preferencesMenu, "mnuPreferencesInches", "&Inches", units);
    separator(preferencesMenu, "mnuPreferencesSep1");
    coarseItem = item(preferencesMenu, "mnuPreferencesCoarse", "&Half", precision);
    fineItem = item(preferencesMenu, "mnuPreferencesFine", "&Tenth", precision);
    separator(preferencesMenu, "mnuPreferencesSep2");
    printOptionsItem = item(preferencesMenu, "mnuPrefrencesLineWidth", "Set &Print Options");
    calibrationItem = item(preferencesMenu, "mnuPrefCalibration", "Printer Scale Cali&bration...");
    separator(preferencesMenu, "mnuPreferencesSep3");
    methodMenu = submenu(preferencesMenu, "mnuPreferencesFactor", "&Calculation Method");
    twelfthRootItem = item(methodMenu, "mnu12Root2", "&Non-cumulative (12th root of 2)", method);
    separator(methodMenu, "mnuPrefCalcMethSep0");
    commonItem = item(methodMenu, "mnuPrefFactCommon", "&Common", method);
    dervinItem = item(methodMenu, "mnuPrefFactDervin", "&Dervin", method);
    primitiveItem = item(methodMenu, "mnuPrefFactPrimitive", "&Primitive", method);
    separator(methodMenu, "mnuPrefCalcMethSep1");
    explainItem = item(methodMenu, "mnuPrefFactExplain", "E&xplain");
    separator(preferencesMenu, "mnuPrefSep5");
    saveDefaultsItem =
        item(preferencesMenu, "mnuPreferencesSetDefault", "&Save Current Preferences as default");
    reloadDefaultsItem =
        item(preferencesMenu, "mnuPreferencesReloadDefault", "Reload Preferences from &Defaults");

    // Alt+T belongs to "Print &Template": the menu takes O.
    toolsMenu = named(bar->addMenu(QStringLiteral("T&ools")), "mnuTools");
    designerItem = item(toolsMenu, "mnuToolsFanned", "Fretboard &Designer...");
    checkItem = item(toolsMenu, "mnuToolsCheck", "&Check an Instrument...");

    helpMenu = named(bar->addMenu(QStringLiteral("&Help")), "mnuHelp");
    readMeItem = item(helpMenu, "mnuHelpReadMe", "View &ReadMe file");
    separator(helpMenu, "mnuHelpSep1");
    aboutItem = item(helpMenu, "mnuHelpAbout", "&About...");
}

}  // namespace varnel
