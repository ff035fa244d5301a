#include "gui/fannedwindow.h"

#include "gui/drawingview.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <set>

#include "core/numtext.h"
#include "gui/dialogparts.h"
#include "layout/fannedlayout.h"
#include "render/exports.h"
#include "render/fannedprint.h"
#include "text/qnumbertext.h"

namespace varnel {

namespace {

const QString kSection = QStringLiteral("Fanned");
const QString kExtraPrefix = QStringLiteral("fanned.");
// The units the remembered lengths were typed in (a units code, as the main window's).
const QString kUnitsKey = QStringLiteral("unitsType");

// The board's drawing scaled into the widget, nut on the left.
class BoardView : public QWidget {
  public:
    explicit BoardView(const std::optional<FannedBoard>& board, const bool& inches, QWidget* parent)
        : QWidget(parent), m_board(board), m_inches(inches) {
        setMinimumSize(420, 140);
        setAccessibleName(QStringLiteral("Fretboard drawing"));
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        if (m_board) paintDrawing(painter, fannedDrawing(*m_board, m_inches), rect());
    }

  private:
    const std::optional<FannedBoard>& m_board;
    const bool& m_inches;
};

// A length box's number from one units into the other, with the window open or not.
void convertLength(QLineEdit* box, std::int16_t from, std::int16_t to) {
    const auto value = finiteDoubleFromText(box->text());
    if (!value || unitsTypeFrom(from) == unitsTypeFrom(to)) return;
    const QSignalBlocker quiet(box);
    box->setText(QString::fromStdString(convertedLengthText(*value * lengthFactor(from, to))));
}

}  // namespace

FannedWindow::FannedWindow(const FretboardSettings& settings, PrinterProvider& printers,
                           MessageBox& messages, SettingsStore* store, SaveFileChooser chooseFile,
                           QWidget* parent)
    : QDialog(parent, Qt::Window),
      m_settings(settings),
      m_printers(printers),
      m_messages(messages),
      m_store(store),
      m_chooseFile(std::move(chooseFile)) {
    setObjectName(QStringLiteral("diaFannedFrets"));
    setWindowTitle(QStringLiteral("Fretboard Designer"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* scaleGroup = new QGroupBox(QStringLiteral("Strings and Scale"), this);
    auto* workshopGroup = new QGroupBox(QStringLiteral("Workshop"), this);
    auto* tuningGroup = new QGroupBox(QStringLiteral("Tuning"), this);
    auto* form = new QFormLayout(scaleGroup);
    const FannedInputs defaults;
    const Workshop& w = defaults.workshop;
    // A length box shows its unit beside it.
    const auto text = [&](const char* name, const char* caption, const QString& value,
                          bool length) {
        QLineEdit* edit = namedBox(this, name, caption);
        edit->setText(value);
        auto* row = new QHBoxLayout;
        row->addWidget(edit);
        if (length) {
            auto* unit = new QLabel(this);
            unit->setObjectName(QString::fromLatin1(name) + QStringLiteral("Unit"));
            row->addWidget(unit);
            m_unitLabels.push_back(unit);
            m_lengthBoxes.push_back(edit);
        }
        form->addRow(QString::fromLatin1(caption) + QLatin1Char(':'), row);
        connect(edit, &QLineEdit::textChanged, this, &FannedWindow::recalculate);
        m_boxes.push_back(edit);
        return edit;
    };
    const auto box = [&](const char* name, const char* caption, double value, bool length) {
        return text(name, caption, numberText(value), length);
    };
    const auto check = [&](const char* name, const char* caption, bool on) {
        auto* checkBox = new QCheckBox(QString::fromLatin1(caption), this);
        checkBox->setObjectName(QString::fromLatin1(name));
        checkBox->setAccessibleName(QString::fromLatin1(caption));
        checkBox->setChecked(on);
        form->addRow(checkBox);
        connect(checkBox, &QCheckBox::toggled, this, &FannedWindow::recalculate);
        m_checks.push_back(checkBox);
        return checkBox;
    };
    // The defaults are millimetres; followSettings() converts them when the window shows inches.
    strings = box("txtStrings", "Number of Strings", defaults.strings, false);
    firstScale = box("txtFirstScale", "First String Scale Length", defaults.firstScale, true);
    lastScale = box("txtLastScale", "Last String Scale Length", defaults.lastScale, true);
    nutSpacing = box("txtNutSpacing", "String Spacing at Nut", defaults.nutSpacing, true);
    bridgeSpacing =
        box("txtBridgeSpacing", "String Spacing at Bridge", defaults.bridgeSpacing, true);
    perpendicularKind = new QComboBox(this);
    perpendicularKind->setObjectName(QStringLiteral("cboPerpendicular"));
    perpendicularKind->setAccessibleName(QStringLiteral("Perpendicular Fret or Ratio"));
    perpendicularKind->addItems(
        {QStringLiteral("Perpendicular Fret"), QStringLiteral("Perpendicular Ratio")});
    perpendicular = namedBox(this, "txtPerpendicular", "Perpendicular Fret");
    perpendicular->setText(QString::number(defaults.perpendicularFret.value_or(0)));
    form->addRow(perpendicularKind, perpendicular);
    m_boxes.push_back(perpendicular);
    overhang = box("txtOverhang", "Fretboard Overhang", defaults.trebleOverhang, true);
    // Blank: the bass side overhangs as the treble side does.
    text("txtBassOverhang", "Bass Overhang", QString(), true)
        ->setPlaceholderText(QStringLiteral("same"));
    form = new QFormLayout(tuningGroup);
    temperament = new QComboBox(this);
    temperament->setObjectName(QStringLiteral("cboTemperament"));
    temperament->setAccessibleName(QStringLiteral("Temperament"));
    temperament->addItems({QStringLiteral("12 Equal"), QStringLiteral("Equal Divisions"),
                           QStringLiteral("Scala File")});
    form->addRow(QStringLiteral("Temperament:"), temperament);
    connect(temperament, &QComboBox::currentIndexChanged, this, &FannedWindow::recalculate);
    text("txtDivisions", "Divisions", QStringLiteral("12"), false);
    text("txtPeriod", "Period", QStringLiteral("2/1"), false);
    auto* fretSet = new QComboBox(this);
    fretSet->setObjectName(QStringLiteral("cboFretSet"));
    fretSet->setAccessibleName(QStringLiteral("Fret Set"));
    fretSet->addItems({QStringLiteral("All"), QStringLiteral("Diatonic")});
    connect(fretSet, &QComboBox::currentIndexChanged, this, &FannedWindow::recalculate);
    m_choices.push_back(fretSet);
    QLineEdit* scalaFile = text("txtScalaFile", "Scala File", QString(), false);
    auto* browse = namedButton(this, "cmdBrowseScala", "Browse...");
    form->addRow(QString(), browse);
    text("txtStringTuning", "String Tuning", QString(), false);
    form->addRow(QStringLiteral("Fret Set:"), fretSet);
    text("txtExtraFrets", "Extra Frets", QString(), false);
    connect(browse, &QPushButton::clicked, this, [this, scalaFile] {
        const QString chosen =
            QFileDialog::getOpenFileName(this, QStringLiteral("Scala File"), scalaFile->text(),
                                         QStringLiteral("Scala scales (*.scl);;All files (*)"));
        if (!chosen.isEmpty()) scalaFile->setText(chosen);
    });
    form = new QFormLayout(workshopGroup);
    box("txtSlotWidth", "Slot Width", w.slotWidth, true);
    text("txtMarkers", "Position Markers", QString::fromStdString(fretListText(w.markers)), false);
    text("txtDoubleMarkers", "Double Markers",
         QString::fromStdString(fretListText(w.doubleMarkers)), false);
    box("txtMarkerDiameter", "Marker Diameter", w.markerDiameter, true);
    check("chkSideMarkers", "Side Markers", w.sideMarkers);
    box("txtSideMarkerDiameter", "Side Marker Diameter", w.sideMarkerDiameter, true);
    box("txtBoardEnd", "Board End", w.boardEnd, true);
    check("chkZeroFret", "Zero Fret", w.zeroFret);
    box("txtNutGap", "Nut Gap", w.nutGap, true);
    box("txtTrebleSaddle", "Treble Saddle Compensation", w.trebleSaddle, true);
    box("txtBassSaddle", "Bass Saddle Compensation", w.bassSaddle, true);
    box("txtRadiusNut", "Radius at Nut", w.radiusAtNut, true);
    box("txtRadiusEnd", "Radius at End", w.radiusAtEnd, true);
    connect(perpendicular, &QLineEdit::textChanged, this, &FannedWindow::recalculate);
    connect(perpendicularKind, &QComboBox::currentIndexChanged, this, [this](int index) {
        perpendicular->setAccessibleName(perpendicularKind->itemText(index));
        recalculate();
    });

    status = new QLabel(this);
    status->setObjectName(QStringLiteral("lblStatus"));
    status->setWordWrap(true);
    drawing = new BoardView(m_board, m_boardInches, this);
    table = new QTableWidget(0, 10, this);
    table->setObjectName(QStringLiteral("tblFrets"));
    table->setAccessibleName(QStringLiteral("Fret Table"));
    table->setHorizontalHeaderLabels(
        {QStringLiteral("Fret"), QStringLiteral("Along First String"),
         QStringLiteral("Along Last String"), QStringLiteral("Along Midline"),
         QStringLiteral("Angle (degrees)"), QStringLiteral("Width"), QStringLiteral("Radius"),
         QStringLiteral("Marker"), QStringLiteral("Cents"), QStringLiteral("From 12 Equal")});
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);

    printButton = namedButton(this, "cmdPrintTemplate", "Print &Template");
    exportButton = namedButton(this, "cmdExport", "&Export...");
    closeButton = namedButton(this, "cmdClose", "&Close");
    connect(printButton, &QPushButton::clicked, this, &FannedWindow::printTemplate);
    connect(exportButton, &QPushButton::clicked, this, &FannedWindow::exportFile);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::close);
    auto* inputs = new QVBoxLayout;
    inputs->addWidget(scaleGroup);
    inputs->addWidget(tuningGroup);
    inputs->addWidget(workshopGroup);
    inputs->addStretch();
    auto* top = new QHBoxLayout;
    top->addLayout(inputs);
    top->addWidget(drawing, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(status);
    layout->addWidget(table, 1);
    layout->addLayout(buttonRow({printButton, exportButton, closeButton}));
    resize(980, 720);
    reloadInputs();  // what the window last held, else the defaults
}

FannedTexts FannedWindow::texts() const {
    FannedTexts out;
    for (QLineEdit* box : m_boxes) out[box->objectName().toStdString()] = box->text().toStdString();
    for (QCheckBox* box : m_checks)
        out[box->objectName().toStdString()] = std::string(1, box->isChecked() ? '1' : '0');
    for (const QComboBox* choice : choices())
        out[choice->objectName().toStdString()] = std::to_string(choice->currentIndex());
    return out;
}

void FannedWindow::convertLengths(std::int16_t from) {
    m_shownUnits = m_settings.unitsType;
    for (QLabel* unit : m_unitLabels)
        unit->setText(inches() ? QStringLiteral("in") : QStringLiteral("mm"));
    if (unitsTypeFrom(from) == m_shownUnits) return;
    for (QLineEdit* box : m_lengthBoxes) convertLength(box, from, m_shownUnits);
}

void FannedWindow::followSettings() {
    // Typing a scale length in the main window changes nothing here.
    if (m_settings.unitsType == m_shownUnits &&
        m_laidOutWith == std::tuple(m_settings.nFrets, m_settings.calcType, m_settings.calcFact))
        return;
    convertLengths(m_shownUnits);
    recalculate();
}

std::optional<FannedInputs> FannedWindow::inputs(QString* refusal) const {
    const auto say = [refusal](const QString& why) {
        if (refusal) *refusal = why;
        return std::nullopt;
    };
    FannedInputs in;
    const std::vector<std::string> unreadable = readFannedTexts(texts(), m_settings.unitsType, in);
    if (!unreadable.empty()) {
        const QString name = QString::fromStdString(unreadable.front());
        if (name == strings->objectName())
            return say(QStringLiteral("Number of Strings must be a whole number."));
        if (name == perpendicular->objectName()) {
            return say(
                perpendicularKind->currentIndex() == 0
                    ? QStringLiteral("Perpendicular Fret must be a fret number, 0 for the nut.")
                    : QStringLiteral("Perpendicular Ratio must be a number from 0 to 1."));
        }
        const auto* box = findChild<QLineEdit*>(name);
        const QString caption = box ? box->accessibleName() : name;
        if (name.endsWith(QLatin1String("Markers")))
            return say(QStringLiteral("%1 must be fret numbers separated by blanks.").arg(caption));
        if (name == QLatin1String("txtStringTuning"))
            return say(
                QStringLiteral("String Tuning must be a degree of the scale for each "
                               "string, first string first, separated by blanks."));
        if (name == QLatin1String("txtDivisions"))
            return say(QStringLiteral("Divisions must be a whole number from 1 to %1.")
                           .arg(kMaxDivisions));
        if (name == QLatin1String("txtPeriod"))
            return say(
                QStringLiteral("Period must be a ratio such as 2/1 or 3/1, or cents such "
                               "as 1200.0, above the open string."));
        return say(QStringLiteral("%1 must be a number.").arg(caption));
    }
    if (const auto why = fannedRefusal(in, m_settings)) return say(QString::fromStdString(*why));
    if (m_settings.nFrets < 1)
        return say(QStringLiteral("Type the number of frets in the main window."));
    return in;
}

void FannedWindow::recalculate() {
    m_laidOutWith = {m_settings.nFrets, m_settings.calcType, m_settings.calcFact};
    QString why;
    const auto in = inputs(&why);
    m_board = in ? std::optional<FannedBoard>(layOutFannedBoard(*in, m_settings)) : std::nullopt;
    m_boardInches = inches();
    status->setText(
        in ? QStringLiteral("%1 frets, %2.")
                     .arg(m_board->table.size())
                     .arg(inches() ? QStringLiteral("inches") : QStringLiteral("millimetres")) +
                 (in->tuning.note.empty()
                      ? QString()
                      : QLatin1Char(' ') + QString::fromStdString(in->tuning.note))
           : why);
    table->setRowCount(m_board ? static_cast<int>(m_board->table.size()) : 0);
    if (m_board) {
        for (const FannedFret& f : m_board->table) {
            const int row = f.fret - 1;
            const QString cells[] = {QString::fromStdString(f.label),
                                     QString::fromStdString(formatFixed(f.alongFirst, 3)),
                                     QString::fromStdString(formatFixed(f.alongLast, 3)),
                                     QString::fromStdString(formatFixed(f.alongMidline, 3)),
                                     QString::fromStdString(formatFixed(f.angleDegrees, 2)),
                                     QString::fromStdString(formatFixed(f.width, 3)),
                                     QString::fromStdString(formatFixed(f.radius, 3)),
                                     QString::fromStdString(markerName(f.marker)),
                                     QString::fromStdString(formatFixed(f.cents, 2)),
                                     QString::fromStdString(formatFixed(f.fromTwelve, 2))};
            for (int c = 0; c < 10; ++c) table->setItem(row, c, new QTableWidgetItem(cells[c]));
        }
    }
    printButton->setEnabled(m_board.has_value());
    exportButton->setEnabled(m_board.has_value());
    drawing->update();
    if (in) remember();
}

SettingsList FannedConfigExtras::extras() {
    SettingsList out;
    if (!m_store) return out;
    for (const auto& [key, value] : m_store->getAllSettings(kSection))
        out.append({kExtraPrefix + key, value});
    return out;
}

bool FannedConfigExtras::ownsKey(const QString& key) const {
    return key.startsWith(kExtraPrefix);
}

void FannedConfigExtras::takeExtras(const SettingsList& extras) {
    if (m_store) {
        std::optional<std::int16_t> units;
        std::set<std::string> taken;
        for (const auto& [key, value] : extras) {
            const QString name = key.mid(kExtraPrefix.size());
            if (name == kUnitsKey) units = int16FromText(value);
            taken.insert(name.toStdString());
            m_store->saveSetting(kSection, name, value);
        }
        // Saved before the units were kept with them: the lengths are in the configuration's
        // own units, which the record has now.
        if (!units)
            m_store->saveSetting(kSection, kUnitsKey, QString::number(m_settings.unitsType));
        // Saved before the workshop's and the tuning's inputs were: their defaults, in those
        // units.
        for (const auto& [name, text] :
             newerDefaultTexts(unitsTypeFrom(units.value_or(m_settings.unitsType)))) {
            if (!taken.contains(name))
                m_store->saveSetting(kSection, QString::fromStdString(name),
                                     QString::fromStdString(text));
        }
    }
    if (m_window) m_window->reloadInputs();
}

void FannedWindow::reloadInputs() {
    // The lengths as stored are in the units they were typed in: millimetres for the defaults,
    // the record's for inputs stored before the units were kept with them.
    std::int16_t storedUnits = kUnitsMillimetres;
    const SettingsList stored = m_store ? m_store->getAllSettings(kSection) : SettingsList();
    if (!stored.isEmpty()) {
        const auto find = [&stored](const QString& key) -> std::optional<QString> {
            for (const auto& [k, v] : stored) {
                if (k == key) return v;
            }
            return std::nullopt;
        };
        const auto value = [&find](const QString& key, const QString& otherwise) {
            return find(key).value_or(otherwise);
        };
        const auto units = int16FromText(value(kUnitsKey, QString()));
        storedUnits = units ? unitsTypeFrom(*units) : m_settings.unitsType;
        // Quiet while they change: each change would store all the boxes, some not read yet. A
        // length the store lacks (stored before the box was there) keeps its shown value.
        for (QLineEdit* box : m_boxes) {
            const QSignalBlocker quiet(box);
            if (const auto text = find(box->objectName())) {
                box->setText(*text);
            } else if (std::ranges::count(m_lengthBoxes, box) > 0) {
                convertLength(box, m_shownUnits, storedUnits);
            }
        }
        for (QCheckBox* box : m_checks) {
            const QSignalBlocker quiet(box);
            box->setChecked(value(box->objectName(),
                                  box->isChecked() ? QStringLiteral("1") : QStringLiteral("0")) ==
                            QLatin1String("1"));
        }
        for (QComboBox* choice : choices()) {
            const QSignalBlocker quiet(choice);
            const auto index = int16FromText(value(choice->objectName(), QString()));
            if (index && *index >= 0 && *index < choice->count()) choice->setCurrentIndex(*index);
        }
    }
    perpendicular->setAccessibleName(perpendicularKind->currentText());
    m_remembered.clear();
    convertLengths(storedUnits);
    recalculate();
}

void FannedWindow::remember() {
    if (!m_store) return;
    // Only what changed since the store was last read or written: one write a keystroke.
    FannedTexts now = texts();
    now[kUnitsKey.toStdString()] = std::to_string(m_settings.unitsType);
    for (const auto& [key, text] : now) {
        const auto known = m_remembered.find(key);
        if (known != m_remembered.end() && known->second == text) continue;
        const QString name = QString::fromStdString(key);
        if (known == m_remembered.end() &&
            m_store->getSetting(kSection, name, QString()) == QString::fromStdString(text))
            continue;
        m_store->saveSetting(kSection, name, QString::fromStdString(text));
    }
    // What could not be written is tried again at the next change; an unwritable store is said
    // once until a write succeeds, not at every keystroke.
    const auto failure = m_store->takeWriteFailure();
    if (!failure) {
        m_remembered = std::move(now);
        m_saidWriteFailure = false;
    } else if (!m_saidWriteFailure) {
        m_saidWriteFailure = true;
        m_messages.show(("The settings could not be saved: " + *failure).toStdString());
    }
}

bool FannedWindow::inches() const {
    return m_settings.unitsType == kUnitsInches;
}

void FannedWindow::printTemplate() {
    if (!m_board) return;
    const auto failure = printDocument(m_printers, fannedDocument(*m_board, inches()));
    m_messages.show(failure ? failure->toStdString() : std::string("Template printed"));
}

void FannedWindow::exportFile() {
    if (!m_board) return;
    // The files a fanned board makes.
    constexpr ExportFormat kFormats[] = {ExportFormat::TemplateDxf, ExportFormat::TemplateSvg,
                                         ExportFormat::TemplatePdf, ExportFormat::ChartCsv,
                                         ExportFormat::FretPoints};
    QStringList filters;
    for (const ExportFormat f : kFormats) filters << exportFilter(f);
    QString chosenFilter = filters.front();
    QString file =
        m_chooseFile(this, QStringLiteral("fanned-fretboard.") + exportExtension(kFormats[0]),
                     filters.join(QStringLiteral(";;")), &chosenFilter);
    if (file.isEmpty()) return;
    // The name's own extension picks the format; a name without a known one gets the chosen
    // filter's format and its extension.
    const QString suffix = QFileInfo(file).suffix().toLower();
    // Two formats write .csv: the chosen filter's wins.
    auto known = std::find_if(std::begin(kFormats), std::end(kFormats), [&](ExportFormat f) {
        return exportExtension(f) == suffix && exportFilter(f) == chosenFilter;
    });
    if (known == std::end(kFormats))
        known = std::find_if(std::begin(kFormats), std::end(kFormats),
                             [&](ExportFormat f) { return exportExtension(f) == suffix; });
    ExportFormat format = kFormats[0];
    if (known != std::end(kFormats)) {
        format = *known;
    } else {
        for (const ExportFormat f : kFormats) {
            if (exportFilter(f) == chosenFilter) format = f;
        }
        file += QLatin1Char('.') + exportExtension(format);
        // The save dialog asked about replacing the name as chosen, not this one.
        if (QFileInfo::exists(file)) {
            m_messages.show(QStringLiteral("%1 exists already. To replace it, choose it by its "
                                           "full name.")
                                .arg(QDir::toNativeSeparators(file))
                                .toStdString());
            return;
        }
    }
    const auto failure = exportFanned(format, file, *m_board, inches(), exportPaper(m_printers));
    if (failure) m_messages.show(failure->toStdString());
}

}  // namespace varnel
