#include "gui/checkwindow.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QFormLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/numtext.h"
#include "gui/dialogparts.h"
#include "gui/drawingview.h"
#include "layout/checkreport.h"
#include "render/exports.h"
#include "render/printjobs.h"
#include "text/localnumbers.h"
#include "text/qnumbertext.h"
#include "text/translations.h"

namespace varnel {

namespace {

// Numbers shown as the locale writes them.
QString fixed(double value, int decimals) {
    return localDecimals(QString::fromStdString(formatFixed(value, decimals)));
}
QString shown(double value) {
    return localDecimals(numberText(value));
}
// A typed distance, with the locale's decimal separator or a point.
std::optional<double> typedDistance(const QString& text) {
    return distanceFromText(pointDecimals(text.trimmed()).toStdString());
}

// Measurements typed as in a spreadsheet: Enter takes the cell and moves down, Delete and
// Backspace clear the selected cells.
class MeasurementTable : public QTableWidget {
  public:
    using QTableWidget::QTableWidget;

  protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Delete || event->key() == Qt::Key_Backspace) {
            for (QTableWidgetItem* item : selectedItems()) item->setText(QString());
            return;
        }
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            // Typed into a cell, the editor's value is taken once the key is handled: move after
            // that, so that the editor is closed by the view it belongs to.
            if (state() == EditingState) {
                QMetaObject::invokeMethod(
                    this, [this] { moveDown(); }, Qt::QueuedConnection);
            } else {
                moveDown();
            }
            return;
        }
        QTableWidget::keyPressEvent(event);
    }
    // Enter in a cell being typed into reaches the table too (the editor leaves it): the move
    // down is keyPressEvent's, and closing the editor moves nowhere.
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint) override {
        QTableWidget::closeEditor(editor, QAbstractItemDelegate::NoHint);
    }

  private:
    void moveDown() {
        const QModelIndex at = currentIndex();
        if (at.isValid() && at.row() + 1 < rowCount()) setCurrentCell(at.row() + 1, at.column());
    }
};

}  // namespace

CheckWindow::CheckWindow(const FretboardSettings& settings, PrinterProvider& printers,
                         MessageBox& messages, SaveFileChooser chooseFile, QWidget* parent)
    : QDialog(parent, Qt::Window),
      m_settings(settings),
      m_printers(printers),
      m_messages(messages),
      m_chooseFile(std::move(chooseFile)),
      m_units(unitsOf(settings.unitsType)) {
    setObjectName(QStringLiteral("diaCheckInstrument"));
    setWindowTitle(tr("Check an Instrument"));
    // Closing hides the window: what was typed is there at the next opening.
    const int rows = settings.nFrets >= 3 && settings.nFrets <= 36 ? settings.nFrets : 24;
    measured = new MeasurementTable(rows, 2, this);
    measured->setObjectName(QStringLiteral("tblMeasured"));
    measured->setAccessibleName(tr("Measured Positions"));
    measured->verticalHeader()->hide();
    measured->horizontalHeader()->setStretchLastSection(true);
    for (int row = 0; row < rows; ++row)
        measured->setItem(row, 0, new QTableWidgetItem(QString::number(row + 1)));
    connect(measured, &QTableWidget::itemChanged, this, &CheckWindow::recalculate);
    auto* paste = new QShortcut(QKeySequence::Paste, measured);
    connect(paste, &QShortcut::activated, this,
            [this] { pasteMeasurements(QApplication::clipboard()->text()); });
    scaleLength = namedBox(this, "txtScaleLength", tr("Scale Length"));
    connect(scaleLength, &QLineEdit::textChanged, this, &CheckWindow::recalculate);
    m_scaleUnit = new QLabel(this);
    m_scaleUnit->setObjectName(QStringLiteral("txtScaleLengthUnit"));
    fit = new QLabel(this);
    fit->setObjectName(QStringLiteral("lblFit"));
    fit->setAccessibleName(tr("Fit"));
    fit->setWordWrap(true);  // a long line (a translation's) wraps, never cut off
    status = new QLabel(this);
    status->setObjectName(QStringLiteral("lblStatus"));
    status->setWordWrap(true);
    results = new QTableWidget(0, 5, this);
    results->setObjectName(QStringLiteral("tblResults"));
    results->setAccessibleName(tr("Errors per Fret"));
    results->verticalHeader()->hide();
    results->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Each column as wide as its header or its widest number, in any language.
    results->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    plot = new DrawingView(this);
    plot->setObjectName(QStringLiteral("drwPlot"));
    plot->setAccessibleName(tr("Cents per fret"));
    plot->setMinimumSize(360, 160);
    auto* open = namedButton(this, "cmdOpen", tr("&Open Measurements..."));
    auto* print = namedButton(this, "cmdPrintReport", tr("&Print Report"));
    auto* exportButton = namedButton(this, "cmdExport", tr("&Export..."));
    auto* close = namedButton(this, "cmdClose", tr("&Close"));
    connect(open, &QPushButton::clicked, this, &CheckWindow::openMeasurements);
    connect(print, &QPushButton::clicked, this, &CheckWindow::printReport);
    connect(exportButton, &QPushButton::clicked, this, &CheckWindow::exportFile);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    auto* form = new QFormLayout;
    auto* scaleRow = new QHBoxLayout;
    scaleRow->addWidget(scaleLength);
    scaleRow->addWidget(m_scaleUnit);
    form->addRow(tr("Scale Length (optional):"), scaleRow);
    auto* right = new QVBoxLayout;
    right->addLayout(form);
    right->addWidget(fit);
    right->addWidget(plot, 1);
    right->addWidget(results, 1);
    auto* top = new QHBoxLayout;
    top->addWidget(measured);
    top->addLayout(right, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addWidget(status);
    layout->addLayout(buttonRow({open, print, exportButton, close}));
    showUnits();
    resize(900, 620);
    recalculate();
}

void CheckWindow::showUnits() {
    const QString unit = QString::fromLatin1(unitSymbol(m_units));
    const auto withUnit = [&unit](const QString& caption) {
        return QStringLiteral("%1 (%2)").arg(caption, unit);
    };
    measured->setHorizontalHeaderLabels({tr("Fret"), withUnit(tr("Distance from Nut"))});
    results->setHorizontalHeaderLabels({tr("Fret"), withUnit(tr("Measured")), withUnit(tr("Best")),
                                        withUnit(tr("Residual")), tr("Cents")});
    m_scaleUnit->setText(unit);
    // The headers readable at the opening size, the table no wider than they need.
    measured->resizeColumnsToContents();
    measured->setMinimumWidth(measured->horizontalHeader()->length() + 2 * measured->frameWidth() +
                              measured->verticalScrollBar()->sizeHint().width());
}

void CheckWindow::followSettings() {
    const Units units = unitsOf(m_settings.unitsType);
    if (units == m_units) return;
    const double factor = lengthFactor(m_units, units);
    const auto converted = [factor](const QString& text) {
        const auto value = typedDistance(text);
        return value ? localDecimals(QString::fromStdString(convertedLengthText(*value * factor)))
                     : text;
    };
    m_filling = true;
    for (int row = 0; row < measured->rowCount(); ++row) {
        if (QTableWidgetItem* item = measured->item(row, 1)) item->setText(converted(item->text()));
    }
    {
        const QSignalBlocker quiet(scaleLength);
        scaleLength->setText(converted(scaleLength->text()));
    }
    m_filling = false;
    m_units = units;
    showUnits();
    recalculate();
}

void CheckWindow::pasteMeasurements(const QString& text) {
    // Cells copied from a spreadsheet come with tabs between them, which the reader takes with
    // their decimal commas. A column alone, with no point anywhere, is distances in the
    // locale's way ("36,369" is not fret 36 at 369 where a comma is the decimal point).
    const bool fields = text.contains(QLatin1Char('\t')) || text.contains(QLatin1Char(';'));
    fillMeasurements(fields || text.contains(QLatin1Char('.')) ? text : pointDecimals(text));
}

void CheckWindow::fillMeasurements(const QString& csv) {
    const auto read = readMeasurements(csv.toStdString());
    if (const Message* why = std::get_if<Message>(&read)) {
        status->setText(messageText(*why));
        return;
    }
    const auto& rows = std::get<std::vector<Measurement>>(read);
    m_filling = true;
    measured->setRowCount(std::max(measured->rowCount(), static_cast<int>(rows.size())));
    for (int row = 0; row < measured->rowCount(); ++row) {
        const bool given = row < static_cast<int>(rows.size());
        const auto index = static_cast<std::size_t>(row);
        measured->setItem(
            row, 0, new QTableWidgetItem(QString::number(given ? rows[index].fret : row + 1)));
        measured->setItem(row, 1,
                          new QTableWidgetItem(given ? shown(rows[index].distance) : QString()));
    }
    m_filling = false;
    recalculate();
}

void CheckWindow::openMeasurements() {
    const QString name = QFileDialog::getOpenFileName(this, tr("Open Measurements"), QString(),
                                                      tr("CSV (*.csv);;All files (*)"));
    if (name.isEmpty()) return;
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly) || file.size() > (1 << 20)) {
        status->setText(tr("The file %1 could not be read.").arg(name));
        return;
    }
    fillMeasurements(QString::fromUtf8(file.readAll()));
}

void CheckWindow::recalculate() {
    if (m_filling) return;
    std::vector<Measurement> rows;
    m_check.reset();
    const auto say = [this](const QString& why) {
        status->setText(why);
        fit->clear();
        results->setRowCount(0);
        plot->setDrawing(std::nullopt);
    };
    for (int row = 0; row < measured->rowCount(); ++row) {
        const QTableWidgetItem* fretItem = measured->item(row, 0);
        const QTableWidgetItem* distanceItem = measured->item(row, 1);
        const QString distanceText = distanceItem ? distanceItem->text().trimmed() : QString();
        if (distanceText.isEmpty()) continue;  // not measured
        const auto fret = int16FromText(fretItem ? fretItem->text().trimmed() : QString());
        const auto distance = typedDistance(distanceText);
        if (!fret || !distance) {
            return say(
                tr("Row %1: \"%2\" is not a fret and a distance.").arg(row + 1).arg(distanceText));
        }
        rows.push_back({*fret, *distance});
    }
    std::optional<double> scale;
    if (!scaleLength->text().trimmed().isEmpty()) {
        scale = doubleFromText(pointDecimals(scaleLength->text().trimmed()));
        if (!scale) return say(tr("The Scale Length must be a number, or empty."));
    }
    auto checked = checkInstrument(rows, scale,
                                   customFactor(m_settings.calcType, m_settings.calcFact), m_units);
    if (const Message* why = std::get_if<Message>(&checked)) return say(messageText(*why));
    m_check = std::get<InstrumentCheck>(std::move(checked));
    const ModelFit& best = m_check->models.front();
    QString lines = tr("Best: %1").arg(messageText(best.name));
    for (const ModelFit& m : m_check->models)
        lines += QLatin1Char('\n') + messageText(fitText(*m_check, m));
    for (const Message& finding : checkFindings(*m_check))
        lines += QLatin1Char('\n') + messageText(finding);
    fit->setText(lines);
    results->setRowCount(static_cast<int>(m_check->frets.size()));
    for (int row = 0; row < results->rowCount(); ++row) {
        const FretCheck& f = m_check->frets[static_cast<std::size_t>(row)];
        const QString cells[] = {QString::number(f.fret), shown(f.measured), fixed(f.best, 3),
                                 fixed(f.residual, 3), fixed(f.cents, 2)};
        for (int c = 0; c < 5; ++c) results->setItem(row, c, new QTableWidgetItem(cells[c]));
    }
    status->setText(tr("%1 frets checked.").arg(m_check->frets.size()));
    // The cents of every fret against the best model, as the report plots them.
    plot->setDrawing(checkPlot(*m_check, 200, ScreenMeasure()));
}

void CheckWindow::printReport() {
    if (!m_check) return;
    const auto failure = printDocument(m_printers, checkReportDocument(*m_check));
    m_messages.show((failure ? *failure : tr("Report printed")).toStdString());
}

void CheckWindow::exportFile() {
    if (!m_check) return;
    const QString pdf = exportFilter(ExportFormat::TemplatePdf);
    const QString csv = exportFilter(ExportFormat::ChartCsv);
    QString chosen = pdf;
    const QString file = m_chooseFile(this, QStringLiteral("instrument-check.pdf"),
                                      pdf + QStringLiteral(";;") + csv, &chosen);
    if (file.isEmpty()) return;
    const bool table =
        file.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive) ||
        (!file.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive) && chosen == csv);
    std::optional<QString> failure;
    if (table) {
        failure = saveOrSay(file, checkCsv(*m_check));
    } else {
        failure = savePdf(file, exportPaper(m_printers), checkReportDocument(*m_check));
    }
    if (failure) m_messages.show(failure->toStdString());
}

}  // namespace varnel
