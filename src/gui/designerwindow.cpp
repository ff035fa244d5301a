#include "gui/designerwindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSplitter>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "core/designerrows.h"
#include "core/numtext.h"
#include "gui/dialogparts.h"
#include "gui/drawingview.h"
#include "gui/frettablemodel.h"
#include "layout/boardlayout.h"
#include "layout/intonationreport.h"
#include "text/localnumbers.h"
#include "text/translations.h"

namespace varnel {

namespace {

QString qText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// An input's text as its box shows it, numbers in the locale's way, and as typed there, read
// back with the point (a path stands as it is both ways).
QString boxText(const DesignerInput& input, const QString& text) {
    return input.kind == InputKind::Path ? text : localDecimals(text);
}
QString typedText(const DesignerInput& input, const QString& typed) {
    return input.kind == InputKind::Path ? typed : pointDecimals(typed);
}

// The caption with its mnemonic letter marked, unless a translation marked its own.
QString withMnemonic(const QString& caption, char letter) {
    if (caption.contains(QLatin1Char('&'))) return caption;
    const qsizetype at = letter ? caption.indexOf(QLatin1Char(letter), 0, Qt::CaseInsensitive) : -1;
    return at < 0 ? caption : QString(caption).insert(at, QLatin1Char('&'));
}

// The room kept for a title bar and borders the window manager has not measured yet.
constexpr QSize kFrameAllowance(8, 40);
// The width the intonation's table and plot are laid out at, in millimetres.
constexpr double kIntonationSheetMm = 180;
// The keys the window's size and splitter are remembered under, beside the inputs.
const std::string kSizeKey = "windowSize";
const std::string kSplitterKey = "splitterSizes";

}  // namespace

DesignerWindow::DesignerWindow(const FretboardSettings& record, PrinterProvider& printers,
                               MessageBox& messages, DesignerStorage* storage,
                               SaveFileChooser chooseFile, QWidget* parent)
    : QDialog(parent, Qt::Window),
      m_model(record, storage),
      m_printers(printers),
      m_messages(messages),
      m_storage(storage),
      m_chooseFile(std::move(chooseFile)) {
    setObjectName(QStringLiteral("diaFannedFrets"));
    setWindowTitle(tr("Fretboard Designer"));
    setAttribute(Qt::WA_DeleteOnClose);
    QWidget* inputs = inputPages();
    strings = findChild<QLineEdit*>(QStringLiteral("txtStrings"));
    firstScale = findChild<QLineEdit*>(QStringLiteral("txtFirstScale"));
    perpendicularKind = findChild<QComboBox*>(QStringLiteral("cboPerpendicular"));
    perpendicular = findChild<QLineEdit*>(QStringLiteral("txtPerpendicular"));
    temperament = findChild<QComboBox*>(QStringLiteral("cboTemperament"));
    findChild<QLineEdit*>(QStringLiteral("txtBassOverhang"))->setPlaceholderText(tr("same"));

    status = new QLabel(this);
    status->setObjectName(QStringLiteral("lblStatus"));
    status->setWordWrap(true);
    status->setMinimumHeight(status->fontMetrics().lineSpacing() * 2);

    splitter = new QSplitter(Qt::Vertical, this);
    splitter->setObjectName(QStringLiteral("splitDesigner"));
    auto* views = new QTabWidget(this);
    views->setObjectName(QStringLiteral("tabViews"));
    views->addTab(drawingPane(), tr("Board"));
    intonationView = new DrawingView(views);
    intonationView->setObjectName(QStringLiteral("drwIntonation"));
    intonationView->setAccessibleName(tr("Intonation table and plot"));
    views->addTab(intonationView, tr("Intonation"));
    splitter->addWidget(views);
    auto* tablePane = new QWidget(splitter);
    auto* tableLayout = new QVBoxLayout(tablePane);
    tableLayout->setContentsMargins(0, 0, 0, 0);
    columnPerString = new QCheckBox(tr("A Column per &String"), tablePane);
    columnPerString->setObjectName(QStringLiteral("chkColumnPerString"));
    columnPerString->setAccessibleName(tr("A Column per String"));
    table = new QTableView(tablePane);
    table->setObjectName(QStringLiteral("tblFrets"));
    table->setAccessibleName(tr("Fret Table"));
    m_table = new FretTableModel(m_model, this);
    table->setModel(m_table);
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    table->horizontalHeader()->setStretchLastSection(true);
    tableLayout->addWidget(columnPerString);
    tableLayout->addWidget(table);
    splitter->addWidget(tablePane);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);
    connect(columnPerString, &QCheckBox::toggled, this, [this](bool on) {
        m_table->setPerString(on);
        table->resizeColumnsToContents();
    });

    previewButton = namedButton(this, "cmdPrintPreview", tr("Print Pre&view..."));
    printButton = namedButton(this, "cmdPrintTemplate", tr("Print &Template"));
    exportButton = namedButton(this, "cmdExport", tr("&Export..."));
    boardOnly = new QCheckBox(tr("Board &only"), this);
    boardOnly->setObjectName(QStringLiteral("chkBoardOnly"));
    boardOnly->setAccessibleName(tr("Export the board only"));
    boardOnly->setToolTip(
        tr("DXF and SVG files hold only what lies on the board: no strings, bridge or saddle"));
    // A button whose menu prints, previews and exports a document of the board's.
    using Action = void (DesignerWindow::*)();
    const auto documentButton = [this](const char* name, const QString& caption,
                                       const QString& document, Action printing, Action previewing,
                                       Action exporting) {
        QPushButton* button = namedButton(this, name, caption);
        auto* menu = new QMenu(button);
        menu->addAction(tr("&Print %1").arg(document), this, printing);
        menu->addAction(tr("Pre&view %1...").arg(document), this, previewing);
        menu->addAction(tr("&Export %1...").arg(document), this, exporting);
        button->setMenu(menu);
        return button;
    };
    gaugesButton = documentButton("cmdRadiusGauges", tr("Rad&ius Gauges"), tr("Radius Gauges"),
                                  &DesignerWindow::printGauges, &DesignerWindow::previewGauges,
                                  &DesignerWindow::exportGaugeFile);
    intonationButton =
        documentButton("cmdIntonation", tr("Intonation Re&port"), tr("Intonation Report"),
                       &DesignerWindow::printIntonation, &DesignerWindow::previewIntonation,
                       &DesignerWindow::exportIntonationFile);
    closeButton = namedButton(this, "cmdClose", tr("&Close"));
    connect(previewButton, &QPushButton::clicked, this, &DesignerWindow::previewTemplate);
    connect(printButton, &QPushButton::clicked, this, &DesignerWindow::printTemplate);
    connect(exportButton, &QPushButton::clicked, this, &DesignerWindow::exportFile);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::close);
    auto* top = new QHBoxLayout;
    top->addWidget(inputs);
    top->addWidget(splitter, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addWidget(status);
    auto* buttons = buttonRow(
        {previewButton, printButton, exportButton, gaugesButton, intonationButton, closeButton});
    buttons->insertWidget(buttons->indexOf(exportButton) + 1, boardOnly);
    layout->addLayout(buttons);
    setMinimumSize(640, 400);
    m_model.setListener([this](unsigned changes) { showModel(changes); });
    m_model.reload();  // what the window last held, else the defaults
    restoreGeometry();
}

DesignerWindow::~DesignerWindow() {
    // The widgets outlive the model while they are taken down: they must not ask it anything.
    drawing->setHoverListener({});
    m_model.setListener({});
}

QWidget* DesignerWindow::inputPages() {
    // The inputs on tabs, one a group, each scrolling when the screen is short.
    auto* tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("tabInputs"));
    std::map<std::string_view, QFormLayout*> forms;
    const auto formOf = [&](std::string_view group) {
        QFormLayout*& form = forms[group];
        if (!form) {
            auto* page = new QWidget;
            form = new QFormLayout(page);
            auto* scroll = new QScrollArea;
            scroll->setWidget(page);
            scroll->setWidgetResizable(true);
            scroll->setFrameShape(QFrame::NoFrame);
            tabs->addTab(scroll, wordText(group));
        }
        return form;
    };
    // The designer's units stand first, with its fret count.
    units = new QComboBox(this);
    units->setObjectName(QStringLiteral("cboUnits"));
    units->setAccessibleName(tr("Units"));
    units->addItems({QStringLiteral("mm"), QStringLiteral("in")});
    formOf(rows::kStrings)->addRow(tr("&Units:"), units);
    connect(units, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!m_showing) m_model.setUnits(index == 1 ? Units::Inches : Units::Millimetres);
    });
    QComboBox* pendingLabel = nullptr;  // a choice that stands as the next box's label
    for (const DesignerInput& input : designerInputs()) {
        QFormLayout* form = formOf(input.group);
        // The caption as shown (a translation may mark its key) and as read out.
        const QString key = qText(input.key), shown = wordText(input.caption);
        const QString caption = QString(shown).remove(QLatin1Char('&'));
        const QString text = qText(m_model.text(input.key));
        const auto edited = [this, key = std::string(input.key)](const std::string& value) {
            if (!m_showing) m_model.edit(key, value);
        };
        if (input.kind == InputKind::Choice) {
            auto* choice = new QComboBox(this);
            choice->setObjectName(key);
            choice->setAccessibleName(caption);
            for (const std::string_view item : input.choices) choice->addItem(wordText(item));
            choice->setCurrentIndex(text.toInt());
            connect(choice, &QComboBox::currentIndexChanged, this,
                    [edited](int index) { edited(std::to_string(index)); });
            m_controls[std::string(input.key)] = choice;
            // The perpendicular fret or ratio: the choice is the label of the box it reads.
            if (input.key == "cboPerpendicular") {
                pendingLabel = choice;
            } else {
                form->addRow(caption + QLatin1Char(':'), choice);
            }
            continue;
        }
        if (input.kind == InputKind::Flag) {
            auto* check = new QCheckBox(withMnemonic(shown, input.mnemonic), this);
            check->setObjectName(key);
            check->setAccessibleName(caption);
            check->setChecked(text == QLatin1String("1"));
            connect(check, &QCheckBox::toggled, this,
                    [edited](bool on) { edited(on ? "1" : "0"); });
            form->addRow(check);
            m_controls[std::string(input.key)] = check;
            continue;
        }
        if (input.key == "txtStringSet") {
            // A shipped set chosen by name, or a file's path typed or loaded.
            auto* set = new QComboBox(this);
            set->setObjectName(key);
            set->setAccessibleName(caption);
            set->setEditable(true);
            set->addItem(QString());
            for (const StringSet& shipped : shippedStringSets())
                set->addItem(QString::fromStdString(shipped.name));
            set->setCurrentText(text);
            connect(set, &QComboBox::editTextChanged, this,
                    [edited](const QString& value) { edited(value.toStdString()); });
            m_controls[std::string(input.key)] = set;
            form->addRow(caption + QLatin1Char(':'), set);
            auto* load = namedButton(this, "cmdLoadStringSet", tr("Lo&ad..."));
            form->addRow(QString(), load);
            connect(load, &QPushButton::clicked, this, [this, set, caption] {
                const QString chosen = QFileDialog::getOpenFileName(
                    this, caption, QString(), tr("String sets (*.csv);;All files (*)"));
                if (!chosen.isEmpty()) set->setCurrentText(chosen);
            });
            continue;
        }
        auto* box = new QLineEdit(boxText(input, text), this);
        box->setObjectName(key);
        box->setAccessibleName(caption);
        connect(box, &QLineEdit::textChanged, this, [edited, &input](const QString& value) {
            edited(typedText(input, value).toStdString());
        });
        m_controls[std::string(input.key)] = box;
        auto* row = new QHBoxLayout;
        row->addWidget(box);
        if (input.kind == InputKind::Length) {
            auto* unit = new QLabel(this);
            unit->setObjectName(key + QStringLiteral("Unit"));
            row->addWidget(unit);
            m_unitLabels.push_back(unit);
        }
        if (pendingLabel) {
            form->addRow(pendingLabel, row);
            pendingLabel = nullptr;
        } else if (input.mnemonic) {
            auto* label = new QLabel(withMnemonic(shown, input.mnemonic) + ':', this);
            label->setBuddy(box);
            form->addRow(label, row);
        } else {
            form->addRow(caption + QLatin1Char(':'), row);
        }
        if (input.kind == InputKind::Path) {
            auto* browse = namedButton(this, "cmdBrowseScala", tr("&Browse..."));
            form->addRow(QString(), browse);
            connect(browse, &QPushButton::clicked, this, [this, box, caption] {
                const QString chosen = QFileDialog::getOpenFileName(
                    this, caption, box->text(), tr("Scala scales (*.scl);;All files (*)"));
                if (!chosen.isEmpty()) box->setText(chosen);
            });
        }
    }
    // Every tab's name in view, and every page's widest row.
    tabs->setMinimumWidth(std::max(tabs->sizeHint().width(), tabs->tabBar()->sizeHint().width()));
    return tabs;
}

void DesignerWindow::fitInto(const QRect& available, QSize wanted) {
    // The frame (title bar and borders) is outside the window's own size; before the window is
    // first shown the window manager has not said how large it is, so room is kept for one.
    const QSize frame =
        isVisible() ? (frameGeometry().size() - size()).expandedTo(QSize(0, 0)) : kFrameAllowance;
    const QSize room = available.size() - frame;
    resize(wanted.boundedTo(room).expandedTo(minimumSize()));
    move(available.topLeft() + QPoint(std::max(0, (room.width() - width()) / 2),
                                      std::max(0, (room.height() - height()) / 2)));
}

void DesignerWindow::restoreGeometry() {
    const DesignerTexts stored = m_storage ? m_storage->load() : DesignerTexts();
    const auto numbers = [&stored](const std::string& key) {
        std::vector<int> values;
        if (const auto found = stored.find(key); found != stored.end()) {
            if (const auto read = fretListFromText(found->second)) values = *read;
        }
        return values;
    };
    // The size it had, within this screen, else its own best size.
    const std::vector<int> size = numbers(kSizeKey);
    const bool remembered = size.size() == 2 && size[0] > 0 && size[1] > 0;
    if (const QScreen* shown = screen() ? screen() : QGuiApplication::primaryScreen())
        fitInto(shown->availableGeometry(), remembered ? QSize(size[0], size[1]) : kPreferredSize);
    const std::vector<int> parts = numbers(kSplitterKey);
    if (parts.size() == 2 && parts[0] > 0 && parts[1] > 0) splitter->setSizes({parts[0], parts[1]});
}

void DesignerWindow::rememberGeometry() {
    if (!m_storage) return;
    const QList<int> parts = splitter->sizes();
    m_storage->save({{kSizeKey, fretListText({width(), height()})},
                     {kSplitterKey, fretListText({parts.value(0), parts.value(1)})}});
}

// Closing the window, Escape and Close all end here.
void DesignerWindow::done(int result) {
    rememberGeometry();
    QDialog::done(result);
}

void DesignerWindow::showModel(unsigned changes) {
    if (changes & DesignerModel::kTextsChanged) showTexts();
    if (changes & DesignerModel::kBoardChanged) showBoard();
}

void DesignerWindow::showTexts() {
    m_showing = true;
    for (const auto& [key, control] : m_controls) {
        const QString text = QString::fromStdString(m_model.text(key));
        if (auto* box = qobject_cast<QLineEdit*>(control)) {
            // What the user typed stays as typed while it means the same.
            const DesignerInput& input = *designerInput(key);
            if (typedText(input, box->text()) != text) box->setText(boxText(input, text));
        } else if (auto* check = qobject_cast<QCheckBox*>(control)) {
            check->setChecked(text == QLatin1String("1"));
        } else if (auto* choice = qobject_cast<QComboBox*>(control);
                   choice && choice->isEditable()) {
            if (choice->currentText() != text) choice->setCurrentText(text);
        } else if (choice) {
            choice->setCurrentIndex(text.toInt());
        }
    }
    units->setCurrentIndex(m_model.units() == Units::Inches ? 1 : 0);
    m_showing = false;
}

void DesignerWindow::showBoard() {
    const auto& board = m_model.board();
    perpendicular->setAccessibleName(perpendicularKind->currentText());
    for (QLabel* unit : m_unitLabels)
        unit->setText(QString::fromLatin1(unitSymbol(m_model.units())));
    status->setText(messageText(m_model.status()));
    m_table->boardChanged();
    table->resizeColumnsToContents();  // as wide as the rows shown and the header need
    previewButton->setEnabled(board.has_value());
    printButton->setEnabled(board.has_value());
    exportButton->setEnabled(board.has_value());
    gaugesButton->setEnabled(board.has_value());
    drawing->setDrawing(board ? std::optional(boardDrawing(*board, m_model.units()))
                              : std::nullopt);
    // The intonation's table and plot, as the report prints them.
    const bool intonated = board && !board->intonation.empty();
    intonationView->setDrawing(
        intonated ? std::optional(intonationSheet(*board, m_model.units(), kIntonationSheetMm,
                                                  ScreenMeasure()))
                  : std::nullopt);
    intonationButton->setEnabled(intonated);
    if (const auto failure = m_model.takeStoreFailure()) m_messages.say(*failure);
}

}  // namespace varnel
