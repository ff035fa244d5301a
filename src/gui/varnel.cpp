#include "gui/varnel.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QLineEdit>
#include <QMenuBar>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QScreen>
#include <algorithm>
#include <functional>

#include "core/translatable.h"
#include "gui/accessiblecombo.h"
#include "gui/calibrationdialog.h"
#include "gui/checkwindow.h"
#include "gui/configdialogs.h"
#include "gui/designerwindow.h"
#include "gui/fretchartview.h"
#include "gui/mainwindowui.h"
#include "gui/printdialogs.h"
#include "gui/printoptionsdialog.h"
#include "gui/readmeviewer.h"
#include "gui/twips.h"
#include "text/translations.h"

namespace varnel {

namespace {

// The shortest window the program restores: room for the two input rows.
constexpr double kMinClientHeightTwips = 1200;

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

Varnel::Varnel(SettingsStore& store, MessageBox& messages, PrinterProvider& printers,
               QWidget* parent)
    : QMainWindow(parent),
      m_store(store),
      m_messages(messages),
      m_printers(printers),
      m_preferences(store),
      m_configs(store),
      m_model(messages) {
    setObjectName(QStringLiteral("Varnel"));
    // The guide beside the program (a build tree), else where an installed copy keeps it.
    const QDir programDir(QCoreApplication::applicationDirPath());
    readMePath = programDir.filePath(QStringLiteral("readme.txt"));
    const QString installed = programDir.filePath(QStringLiteral("../share/doc/varnel/readme.txt"));
    if (!QFile::exists(readMePath) && QFile::exists(installed)) {
        readMePath = QDir::cleanPath(installed);
    }
    setWindowTitle(tr("Fret Calculator/Template Printer"));
    useDesignFont(*this);
    installEditableComboAccessible();
    m_ui = std::make_unique<MainWindowUi>(*this);
    m_chooseSaveFile = [this](QWidget* window, const QString& suggested, const QString& filter,
                              QString* chosenFilter) {
        return QFileDialog::getSaveFileName(window ? window : this, tr("Export"), suggested, filter,
                                            chosenFilter);
    };
    m_model.setListener([this](unsigned changes) { showModel(changes); });
    connectControls();
    connectChoices();
    resize(twipsToPixelsX(*this, kClientWidthTwips),
           menuBar()->sizeHint().height() + twipsToPixelsY(*this, kClientHeightTwips));
    setMinimumHeight(menuBar()->sizeHint().height() + twipsToPixelsY(*this, kMinClientHeightTwips));

    m_model.start(m_preferences);
    if (const auto height = readHeightTwips(m_store, kWindowHeightKey)) {
        setOuterHeightTwips(*height);
    }
    sizeFretChart();
    m_ui->numberOfFrets->setFocus();
}

void Varnel::setDesignerStorage(DesignerStorage* inputs, ConfigExtras* extras) {
    m_designerInputs = inputs;
    m_configs.setExtras(extras);
}

void Varnel::designerInputsRetrieved() {
    if (m_designer) m_designer->model().reload();
}

Varnel::~Varnel() {
    // The widgets below go on changing the focus and their state while they are destroyed; by
    // then there is no window or model to tell.
    disconnect(qApp, nullptr, this, nullptr);
    for (QObject* child : findChildren<QObject*>()) child->disconnect(this);
    m_model.setListener(nullptr);
}

void Varnel::connectControls() {
    MainWindowUi& ui = *m_ui;
    WindowModel& model = m_model;
    const auto onClick = [this](QAbstractButton* button, std::function<void()> command) {
        connect(button, &QAbstractButton::clicked, this, std::move(command));
    };
    const auto onTrigger = [this](QAction* item, std::function<void()> command) {
        connect(item, &QAction::triggered, this, std::move(command));
    };
    // Each button and its menu twin drive one command.
    const auto onBoth = [&](QAbstractButton* button, QAction* item, std::function<void()> command) {
        onClick(button, command);
        onTrigger(item, std::move(command));
    };
    onClick(ui.verify, [&model] { model.verify(); });
    onClick(ui.displayChart, [&model] { model.displayChart(); });
    onBoth(ui.printChart, ui.printChartItem, [this] { printFretDocument(false); });
    onBoth(ui.printTemplate, ui.printTemplateItem, [this] { printFretDocument(true); });
    onBoth(ui.exit, ui.exitItem, [this] { exitProgram(); });
    onTrigger(ui.quickFormPrintItem, [this] { printWindowImage(); });
    onTrigger(ui.printerSetupItem, [this] { choosePrinterSetup(m_printers, this); });
    onTrigger(ui.previewChartItem, [this] { previewFretDocument(false); });
    onTrigger(ui.previewTemplateItem, [this] { previewFretDocument(true); });
    onTrigger(ui.printCalibrationItem, [this] { printCalibrationPage(); });
    onTrigger(ui.calibrationItem, [this] { calibratePrinter(); });
    for (qsizetype i = 0; i < ui.exportItems.size(); ++i) {
        onTrigger(ui.exportItems[i],
                  [this, format = static_cast<ExportFormat>(i)] { exportFile(format); });
    }
    onTrigger(ui.retrieveConfigItem,
              [this] { openDialog(m_openConfig, m_configs, m_messages, m_model); });
    onTrigger(ui.saveConfigItem,
              [this] { openDialog(m_saveConfig, m_configs, m_messages, m_model); });
    onTrigger(ui.printOptionsItem,
              [this] { openDialog(m_printOptions, m_model.printSettings(), m_messages); });
    onTrigger(ui.explainItem, [&model] { model.explainMethods(); });
    onTrigger(ui.saveDefaultsItem, [this] {
        m_model.savePreferences(m_preferences);
        reportWriteFailure(m_store, m_messages);
    });
    onTrigger(ui.reloadDefaultsItem, [this] { m_model.reloadPreferences(m_preferences); });
    onTrigger(ui.readMeItem, [this] { showReadMe(); });
    onTrigger(ui.designerItem, [this] {
        if (!m_designer) {
            m_designer = new DesignerWindow(m_model.settings(), m_printers, m_messages,
                                            m_designerInputs, m_chooseSaveFile, this);
        }
        m_designer->show();
        m_designer->raise();
    });
    onTrigger(ui.checkItem, [this] {
        if (!m_check)
            m_check =
                new CheckWindow(m_model.settings(), m_printers, m_messages, m_chooseSaveFile, this);
        m_check->show();
        m_check->raise();
    });
    onTrigger(ui.aboutItem, [this] { showMessage(aboutText()); });

    connect(ui.numberOfFrets, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (!m_showingModel) m_model.editFretCount(text.toStdString());
    });
    connect(ui.scaleLength->lineEdit(), &QLineEdit::textEdited, this,
            [this](const QString& text) { m_model.editScaleLen(text.toStdString()); });
    connect(ui.scaleLength, &QComboBox::activated, this,
            [this](int index) { m_model.choosePreset(index); });
    connect(ui.scaleLength, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0 && !m_showingModel) m_model.choosePreset(index);
    });
    connect(qApp, &QApplication::focusChanged, this, &Varnel::onFocusChanged);
}

void Varnel::connectChoices() {
    MainWindowUi& ui = *m_ui;
    WindowModel& model = m_model;
    struct Choice {
        QRadioButton* button;
        QAction* item;
        std::function<void()> command;
    };
    const Choice choices[] = {
        {ui.millimetres, ui.millimetresItem, [&model] { model.chooseUnits(kUnitsMillimetres); }},
        {ui.inches, ui.inchesItem, [&model] { model.chooseUnits(kUnitsInches); }},
        {ui.coarse, ui.coarseItem, [&model] { model.chooseGranularity(kGranularityCoarse); }},
        {ui.fine, ui.fineItem, [&model] { model.chooseGranularity(kGranularityFine); }},
        {ui.twelfthRoot, ui.twelfthRootItem, [&model] { model.chooseTwelfthRoot(); }},
        {ui.ruleOf18ths, nullptr, [&model] { model.chooseRuleOf18ths(); }},
        {nullptr, ui.commonItem, [&model] { model.chooseFactor(Factor::Common); }},
        {nullptr, ui.dervinItem, [&model] { model.chooseFactor(Factor::Dervin); }},
        {nullptr, ui.primitiveItem, [&model] { model.chooseFactor(Factor::Primitive); }},
    };
    for (const Choice& choice : choices) {
        if (choice.item) connect(choice.item, &QAction::triggered, this, choice.command);
        if (!choice.button) continue;
        // A click or key asks for the choice, even when the option is already selected; an
        // option checked any other way (an accessibility action) asks once, when it turns on.
        // Checks the window sets from the model ask nothing.
        connect(choice.button, &QAbstractButton::clicked, this, choice.command);
        connect(choice.button, &QAbstractButton::toggled, this,
                [this, command = choice.command](bool on) {
                    if (on && !m_showingModel) command();
                });
    }
}

void Varnel::showModel(unsigned changes) {
    const QScopedValueRollback showing(m_showingModel, true);
    MainWindowUi& ui = *m_ui;
    const WindowModel& m = m_model;
    if (changes & WindowModel::kChoicesChanged) {
        // Tab enters an option group at its selected option.
        const auto select = [](QRadioButton* on, QRadioButton* off) {
            on->setChecked(true);
            on->setFocusPolicy(Qt::StrongFocus);
            off->setFocusPolicy(Qt::ClickFocus);
        };
        m.inches() ? select(ui.inches, ui.millimetres) : select(ui.millimetres, ui.inches);
        m.coarse() ? select(ui.coarse, ui.fine) : select(ui.fine, ui.coarse);
        m.ruleOf18ths() ? select(ui.ruleOf18ths, ui.twelfthRoot)
                        : select(ui.twelfthRoot, ui.ruleOf18ths);
        // The model's captions, in the user's language.
        ui.coarse->setText(wordText(m.coarseCaption()));
        ui.fine->setText(wordText(m.fineCaption()));
        ui.coarseItem->setText(wordText(m.coarseMenuCaption()));
        ui.fineItem->setText(wordText(m.fineMenuCaption()));
        ui.inchesItem->setChecked(m.inches());
        ui.millimetresItem->setChecked(!m.inches());
        ui.coarseItem->setChecked(m.coarse());
        ui.fineItem->setChecked(!m.coarse());
        const std::optional<Factor> factor = m.checkedFactor();
        ui.twelfthRootItem->setChecked(!m.ruleOf18ths());
        ui.commonItem->setChecked(factor == Factor::Common);
        ui.dervinItem->setChecked(factor == Factor::Dervin);
        ui.primitiveItem->setChecked(factor == Factor::Primitive);
    }
    if (changes & WindowModel::kInputsChanged) {
        const QString frets = fromUtf8(m.fretCountText());
        if (ui.numberOfFrets->text() != frets) ui.numberOfFrets->setText(frets);
        // Only text the user did not type himself is put into the box (a retrieved length).
        const QString scale = fromUtf8(m.scaleLenText());
        if (ui.scaleLength->currentText() != scale) {
            ui.scaleLength->setCurrentIndex(m.scaleLenListIndex());
            ui.scaleLength->setEditText(scale);
        }
    }
    if (changes & WindowModel::kChartChanged) {
        ui.fretChart->setPlainText(QString::fromLatin1(m.chart()));
    }
    // The Fretboard Designer draws from the same record: fret count, method and units.
    if (m_designer && (changes & (WindowModel::kChoicesChanged | WindowModel::kInputsChanged)))
        m_designer->model().followRecord();
    // The instrument check converts its typed lengths into new units.
    if (m_check && (changes & (WindowModel::kChoicesChanged | WindowModel::kInputsChanged)))
        m_check->followSettings();
}

void Varnel::onFocusChanged(QWidget* old, QWidget* now) {
    // The scale length is taken when the focus moves from its box to another control of this
    // window; not when the window loses the focus or the box opens its own list.
    if (!old || !now) return;
    QComboBox* box = m_ui->scaleLength;
    const auto inBox = [box](QWidget* w) { return w == box || box->isAncestorOf(w); };
    if (!inBox(old) || inBox(now) || now->window() != this) return;
    m_model.takeScaleLen();
}

// ---- Layout, start and exit ----------------------------------------------------------------

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
    FretChartView* chart = m_ui->fretChart;
    chart->resize(chart->width(), pixels);
    chart->setVisible(pixels > 0);
}

void Varnel::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    sizeFretChart();
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
    // Dialogs act on this window's model: they close with it.
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isWindow()) child->close();
    }
    QMainWindow::closeEvent(event);
}

void Varnel::exitProgram() {
    m_model.takeChangedScaleLen();
    m_store.saveSetting(kBaseSection, kWindowHeightKey,
                        valueText(static_cast<float>(outerHeightTwips())));
    reportWriteFailure(m_store, m_messages);
    close();
}

// ---- Printing, dialogs and help ------------------------------------------------------------

template <typename Dialog, typename... Args>
void Varnel::openDialog(QPointer<Dialog>& dialog, Args&&... args) {
    if (dialog) return;
    dialog = new Dialog(std::forward<Args>(args)..., this);
    dialog->load();
}

void Varnel::showReadMe() {
    if (m_readMe) return;
    // The guide in the language the windows speak, where it is translated.
    const QString guide = readMeIn(readMePath, translationLanguage());
    auto* viewer = new ReadMeViewer(m_store, m_messages, guide, this);
    if (!viewer->load()) {
        delete viewer;
        m_messages.say(
            Message(QT_TRANSLATE_NOOP("varnel::Words", "The ReadMe file could not be read: %1"),
                    {verbatim(QDir::toNativeSeparators(guide).toStdString())}));
        return;
    }
    m_readMe = viewer;
}

void Varnel::showMessage(const QString& text) {
    m_messages.show(text.toStdString());
}

}  // namespace varnel
