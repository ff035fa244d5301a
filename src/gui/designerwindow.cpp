#include "gui/designerwindow.h"

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

#include "core/numtext.h"
#include "gui/dialogparts.h"
#include "gui/drawingview.h"
#include "layout/boardlayout.h"
#include "render/boardprint.h"

namespace varnel {

namespace {

// The board's drawing scaled into the widget, nut on the left.
class BoardView : public QWidget {
  public:
    BoardView(const DesignerModel& model, QWidget* parent) : QWidget(parent), m_model(model) {
        setMinimumSize(420, 140);
        setAccessibleName(QStringLiteral("Fretboard drawing"));
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        if (m_model.board())
            paintDrawing(painter, boardDrawing(*m_model.board(), m_model.units()), rect());
    }

  private:
    const DesignerModel& m_model;
};

QString qText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

DesignerWindow::DesignerWindow(const FretboardSettings& record, PrinterProvider& printers,
                               MessageBox& messages, DesignerStorage* storage,
                               SaveFileChooser chooseFile, QWidget* parent)
    : QDialog(parent, Qt::Window),
      m_model(record, storage),
      m_printers(printers),
      m_messages(messages),
      m_chooseFile(std::move(chooseFile)) {
    setObjectName(QStringLiteral("diaFannedFrets"));
    setWindowTitle(QStringLiteral("Fretboard Designer"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* inputs = new QVBoxLayout;
    std::map<std::string_view, QFormLayout*> forms;
    QComboBox* pendingLabel = nullptr;  // a choice that stands as the next box's label
    for (const DesignerInput& input : designerInputs()) {
        QFormLayout*& form = forms[input.group];
        if (!form) {
            auto* group = new QGroupBox(qText(input.group), this);
            form = new QFormLayout(group);
            inputs->addWidget(group);
        }
        const QString key = qText(input.key), caption = qText(input.caption);
        const QString text = qText(m_model.text(input.key));
        const auto edited = [this, key = std::string(input.key)](const std::string& value) {
            if (!m_showing) m_model.edit(key, value);
        };
        if (input.kind == InputKind::Choice) {
            auto* choice = new QComboBox(this);
            choice->setObjectName(key);
            choice->setAccessibleName(caption);
            for (const std::string_view item : input.choices) choice->addItem(qText(item));
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
            auto* check = new QCheckBox(caption, this);
            check->setObjectName(key);
            check->setAccessibleName(caption);
            check->setChecked(text == QLatin1String("1"));
            connect(check, &QCheckBox::toggled, this,
                    [edited](bool on) { edited(on ? "1" : "0"); });
            form->addRow(check);
            m_controls[std::string(input.key)] = check;
            continue;
        }
        auto* box = new QLineEdit(text, this);
        box->setObjectName(key);
        box->setAccessibleName(caption);
        connect(box, &QLineEdit::textChanged, this,
                [edited](const QString& value) { edited(value.toStdString()); });
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
        } else {
            form->addRow(caption + QLatin1Char(':'), row);
        }
        if (input.kind == InputKind::Path) {
            auto* browse = namedButton(this, "cmdBrowseScala", "Browse...");
            form->addRow(QString(), browse);
            connect(browse, &QPushButton::clicked, this, [this, box, caption] {
                const QString chosen = QFileDialog::getOpenFileName(
                    this, caption, box->text(),
                    QStringLiteral("Scala scales (*.scl);;All files (*)"));
                if (!chosen.isEmpty()) box->setText(chosen);
            });
        }
    }
    inputs->addStretch();
    strings = findChild<QLineEdit*>(QStringLiteral("txtStrings"));
    firstScale = findChild<QLineEdit*>(QStringLiteral("txtFirstScale"));
    perpendicularKind = findChild<QComboBox*>(QStringLiteral("cboPerpendicular"));
    perpendicular = findChild<QLineEdit*>(QStringLiteral("txtPerpendicular"));
    temperament = findChild<QComboBox*>(QStringLiteral("cboTemperament"));
    findChild<QLineEdit*>(QStringLiteral("txtBassOverhang"))
        ->setPlaceholderText(QStringLiteral("same"));

    status = new QLabel(this);
    status->setObjectName(QStringLiteral("lblStatus"));
    status->setWordWrap(true);
    drawing = new BoardView(m_model, this);
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
    connect(printButton, &QPushButton::clicked, this, &DesignerWindow::printTemplate);
    connect(exportButton, &QPushButton::clicked, this, &DesignerWindow::exportFile);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::close);
    auto* top = new QHBoxLayout;
    top->addLayout(inputs);
    top->addWidget(drawing, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(status);
    layout->addWidget(table, 1);
    layout->addLayout(buttonRow({printButton, exportButton, closeButton}));
    resize(980, 720);
    m_model.setListener([this](unsigned changes) { showModel(changes); });
    m_model.reload();  // what the window last held, else the defaults
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
            if (box->text() != text) box->setText(text);
        } else if (auto* check = qobject_cast<QCheckBox*>(control)) {
            check->setChecked(text == QLatin1String("1"));
        } else if (auto* choice = qobject_cast<QComboBox*>(control)) {
            choice->setCurrentIndex(text.toInt());
        }
    }
    m_showing = false;
}

void DesignerWindow::showBoard() {
    const auto& board = m_model.board();
    perpendicular->setAccessibleName(perpendicularKind->currentText());
    for (QLabel* unit : m_unitLabels)
        unit->setText(QString::fromLatin1(unitSymbol(m_model.units())));
    status->setText(QString::fromStdString(m_model.status()));
    table->setRowCount(board ? static_cast<int>(board->table.size()) : 0);
    if (board) {
        for (const BoardFret& f : board->table) {
            const int row = f.fret - 1;
            const std::string cells[] = {f.label,
                                         formatFixed(f.alongFirst, 3),
                                         formatFixed(f.alongLast, 3),
                                         formatFixed(f.alongMidline, 3),
                                         formatFixed(f.angleDegrees, 2),
                                         formatFixed(f.width, 3),
                                         formatFixed(f.radius, 3),
                                         markerName(f.marker),
                                         formatFixed(f.cents, 2),
                                         formatFixed(f.fromTwelve, 2)};
            for (int c = 0; c < 10; ++c) {
                table->setItem(row, c,
                               new QTableWidgetItem(
                                   QString::fromStdString(cells[static_cast<std::size_t>(c)])));
            }
        }
    }
    printButton->setEnabled(board.has_value());
    exportButton->setEnabled(board.has_value());
    drawing->update();
    if (const auto failure = m_model.takeStoreFailure()) m_messages.show(*failure);
}

void DesignerWindow::printTemplate() {
    if (!board()) return;
    const auto failure = printDocument(m_printers, boardDocument(*board(), m_model.units()));
    m_messages.show(failure ? failure->toStdString() : std::string("Template printed"));
}

void DesignerWindow::exportFile() {
    if (!board()) return;
    // The files a board makes.
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
    const auto failure =
        exportBoard(format, file, *board(), m_model.units(), exportPaper(m_printers));
    if (failure) m_messages.show(failure->toStdString());
}

}  // namespace varnel
