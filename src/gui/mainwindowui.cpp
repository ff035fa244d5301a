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
        auto* button = named(new ChoiceButton(tr(caption), frame), name);
        place(button, left, top, width, height);
        return static_cast<QRadioButton*>(button);
    };
    const auto button = [this, &place](const char* name, const char* caption, double left,
                                       double top, double width, double height) {
        auto* b = named(new QPushButton(tr(caption), client), name);
        place(b, left, top, width, height);
        // No button is the default: Enter means nothing special in this window.
        b->setAutoDefault(false);
        b->setDefault(false);
        return b;
    };
    const auto label = [this, &place](const char* name, const char* caption, double left,
                                      double top, double width, double height) {
        auto* l = named(new QLabel(tr(caption), client), name);
        place(l, left, top, width, height);
        return l;
    };

    auto* methodFrame = named(new QGroupBox(tr("Calculation Method"), client), "frmCalcMeth");
    place(methodFrame, 2040, 2040, 3375, 615);
    ruleOf18ths =
        option(methodFrame, "optCalcMethRule18", QT_TR_NOOP("Rule of 18ths"), 1680, 240, 1575, 255);
    twelfthRoot =
        option(methodFrame, "optCalcMeth12Root", QT_TR_NOOP("12th Root"), 240, 240, 1335, 195);

    printChart = button("cmdPrintChart", QT_TR_NOOP("&Print Chart"), 120, 1800, 1335, 375);
    // Alt+P opens the Preferences menu, as in any desktop program; the button keeps its caption.
    printChart->setShortcut(QKeySequence());
    verify = button("cmdDisplay", QT_TR_NOOP("Verify"), 4080, 360, 1575, 375);

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

    auto* precisionFrame = named(new QGroupBox(tr("Precision"), client), "grpPrecision");
    place(precisionFrame, 3840, 840, 1575, 1095);
    fine = option(precisionFrame, "optMeasFine", QT_TR_NOOP("0.1 mm"), 120, 600, 1335, 375);
    coarse = option(precisionFrame, "optMeasCoarse", QT_TR_NOOP("0.5 mm"), 120, 360, 1215, 255);

    auto* unitsFrame = named(new QGroupBox(tr("Measure Units"), client), "grpMeasSystem");
    place(unitsFrame, 2040, 840, 1575, 1095);
    inches = option(unitsFrame, "optEnglish", QT_TR_NOOP("Inches"), 120, 600, 1095, 255);
    millimetres = option(unitsFrame, "optMetric", QT_TR_NOOP("Millimeters"), 120, 360, 1215, 255);

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

    printTemplate = button("cmdPrintTemplate", QT_TR_NOOP("Print &Template"), 120, 1320, 1335, 375);

    fretChart = named(new FretChartView(client), "txtFretChart");
    QFont chartFont(QStringLiteral("Courier"));
    chartFont.setPointSizeF(kChartFontPoints);
    chartFont.setStyleHint(QFont::TypeWriter);
    chartFont.setFixedPitch(true);
    fretChart->setFont(chartFont);
    place(fretChart, 0, kChartTopTwips, 5655, 1815);

    exit = button("cmdExit", QT_TR_NOOP("E&xit"), 120, 2280, 1335, 375);
    displayChart = button("butCalculate", QT_TR_NOOP("&Display Chart"), 120, 840, 1335, 375);

    numberOfFrets = named(new QLineEdit(client), "numFretsBox");
    numberOfFrets->setValidator(new FretCountValidator(numberOfFrets));
    place(numberOfFrets, 120, 360, 1215, 375);

    QLabel* chartLabel =
        label("lblFretTable", QT_TR_NOOP("Fret Spacing Chart"), 2160, 2880, 1335, 375);
    auto* rule = named(new QFrame(client), "Line1");
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    place(rule, 0, 2745, 9720, 30);
    QLabel* scaleLabel = label("labScaleLen", QT_TR_NOOP("Scale Length"), 1440, 120, 1095, 255);
    QLabel* fretsLabel = label("labNumFrets", QT_TR_NOOP("Number of Frets"), 120, 120, 1335, 375);
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
        QAction* action = menu->addAction(tr(caption));
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
        QMenu* menu = parent->addMenu(tr(caption));
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

    fileMenu = named(bar->addMenu(tr("&File")), "mnuFile");
    retrieveConfigItem =
        item(fileMenu, "mnuFileOpen", QT_TR_NOOP("&Retrieve Fretboard Configuration"));
    saveConfigItem = item(fileMenu, "mnuFileSave", QT_TR_NOOP("&Save Fretboard Configuration"));
    separator(fileMenu, "mnuFileSep1");
    printerSetupItem = item(fileMenu, "mnuFilePrinterSetup", QT_TR_NOOP("Printer Set&up..."));
    previewMenu = submenu(fileMenu, "mnuFilePreview", QT_TR_NOOP("Print Pre&view"));
    previewChartItem = item(previewMenu, "mnuPreviewChart", QT_TR_NOOP("&Chart"));
    previewTemplateItem = item(previewMenu, "mnuPreviewTemplate", QT_TR_NOOP("&Template"));
    printMenu = submenu(fileMenu, "mnuFilePrint", QT_TR_NOOP("&Print..."));
    quickFormPrintItem = item(printMenu, "mnuPrintQuick", QT_TR_NOOP("&Quick Form Print"));
    printChartItem = item(printMenu, "mnuFilePrintChart", QT_TR_NOOP("&Chart"));
    printTemplateItem = item(printMenu, "mnuFilePrintTemplate", QT_TR_NOOP("&Template"));
    printCalibrationItem = item(printMenu, "mnuPrintCalibration", QT_TR_NOOP("Ca&libration Page"));
    exportMenu = submenu(fileMenu, "mnuFileExport", QT_TR_NOOP("&Export"));
    for (const auto& [name, caption] :
         {std::pair{"mnuExportTemplateSvg", QT_TR_NOOP("Template as &SVG...")},
          {"mnuExportTemplateDxf", QT_TR_NOOP("Template as &DXF...")},
          {"mnuExportTemplatePdf", QT_TR_NOOP("Template as &PDF...")},
          {"mnuExportChartCsv", QT_TR_NOOP("Chart as &CSV...")},
          {"mnuExportChartPdf", QT_TR_NOOP("Chart as PD&F...")},
          {"mnuExportChartText", QT_TR_NOOP("Chart as &Text...")}}) {
        exportItems << item(exportMenu, name, caption);
    }
    separator(fileMenu, "mnuFileSep2");
    exitItem = item(fileMenu, "mnuFileExit", QT_TR_NOOP("E&xit"));

    QActionGroup* units = group(QActionGroup::ExclusionPolicy::Exclusive);
    QActionGroup* precision = group(QActionGroup::ExclusionPolicy::Exclusive);
    // Optional: with a stored factor that is none of the three, no factor item is checked.
    QActionGroup* method = group(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    preferencesMenu = named(bar->addMenu(tr("&Preferences")), "mnuPreferences");
    millimetresItem =
        item(preferencesMenu, "mnuPreferencesMillimeters", QT_TR_NOOP("&Millimeters"), units);
    inchesItem = item(preferencesMenu, "mnuPreferencesInches", QT_TR_NOOP("&Inches"), units);
    separator(preferencesMenu, "mnuPreferencesSep1");
    coarseItem = item(preferencesMenu, "mnuPreferencesCoarse", QT_TR_NOOP("&Half"), precision);
    fineItem = item(preferencesMenu, "mnuPreferencesFine", QT_TR_NOOP("&Tenth"), precision);
    separator(preferencesMenu, "mnuPreferencesSep2");
    printOptionsItem =
        item(preferencesMenu, "mnuPrefrencesLineWidth", QT_TR_NOOP("Set &Print Options"));
    calibrationItem =
        item(preferencesMenu, "mnuPrefCalibration", QT_TR_NOOP("Printer Scale Cali&bration..."));
    separator(preferencesMenu, "mnuPreferencesSep3");
    methodMenu =
        submenu(preferencesMenu, "mnuPreferencesFactor", QT_TR_NOOP("&Calculation Method"));
    twelfthRootItem =
        item(methodMenu, "mnu12Root2", QT_TR_NOOP("&Non-cumulative (12th root of 2)"), method);
    separator(methodMenu, "mnuPrefCalcMethSep0");
    commonItem = item(methodMenu, "mnuPrefFactCommon", QT_TR_NOOP("&Common"), method);
    dervinItem = item(methodMenu, "mnuPrefFactDervin", QT_TR_NOOP("&Dervin"), method);
    primitiveItem = item(methodMenu, "mnuPrefFactPrimitive", QT_TR_NOOP("&Primitive"), method);
    separator(methodMenu, "mnuPrefCalcMethSep1");
    explainItem = item(methodMenu, "mnuPrefFactExplain", QT_TR_NOOP("E&xplain"));
    separator(preferencesMenu, "mnuPrefSep5");
    saveDefaultsItem = item(preferencesMenu, "mnuPreferencesSetDefault",
                            QT_TR_NOOP("&Save Current Preferences as default"));
    reloadDefaultsItem = item(preferencesMenu, "mnuPreferencesReloadDefault",
                              QT_TR_NOOP("Reload Preferences from &Defaults"));

    // Alt+T belongs to "Print &Template": the menu takes O.
    toolsMenu = named(bar->addMenu(tr("T&ools")), "mnuTools");
    designerItem = item(toolsMenu, "mnuToolsFanned", QT_TR_NOOP("Fretboard &Designer..."));
    checkItem = item(toolsMenu, "mnuToolsCheck", QT_TR_NOOP("&Check an Instrument..."));

    helpMenu = named(bar->addMenu(tr("&Help")), "mnuHelp");
    readMeItem = item(helpMenu, "mnuHelpReadMe", QT_TR_NOOP("View &ReadMe file"));
    separator(helpMenu, "mnuHelpSep1");
    aboutItem = item(helpMenu, "mnuHelpAbout", QT_TR_NOOP("&About..."));
}

}  // namespace varnel
