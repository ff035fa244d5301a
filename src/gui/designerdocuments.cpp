#include "gui/designerwindow.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <algorithm>

#include "gui/printdialogs.h"
#include "render/boardprint.h"

// The designer's documents: its board's tiled template, its radius gauges and its intonation
// report, each printed, previewed or exported.

namespace varnel {

void DesignerWindow::print(const Document& document, const QString& done) {
    const auto failure = printDocument(m_printers, document);
    m_messages.show((failure ? *failure : done).toStdString());
}

void DesignerWindow::preview(const Document& document) {
    if (const auto refusal = previewDocument(m_printers, document, this))
        m_messages.show(refusal->toStdString());
}

void DesignerWindow::printTemplate() {
    if (board()) print(boardDocument(*board(), m_model.units()), tr("Template printed"));
}

void DesignerWindow::previewTemplate() {
    if (board()) preview(boardDocument(*board(), m_model.units()));
}

std::optional<std::pair<QString, ExportFormat>> DesignerWindow::chooseExport(
    const std::vector<ExportFormat>& formats, const QString& stem) {
    QStringList filters;
    for (const ExportFormat f : formats) filters << exportFilter(f);
    QString chosenFilter = filters.front();
    QString file = m_chooseFile(this, stem + QLatin1Char('.') + exportExtension(formats.front()),
                                filters.join(QStringLiteral(";;")), &chosenFilter);
    if (file.isEmpty()) return std::nullopt;
    const qsizetype chosen = filters.lastIndexOf(chosenFilter);
    const ExportFormat chosenFormat =
        chosen < 0 ? formats.front() : formats[static_cast<std::size_t>(chosen)];
    // The name's own extension picks the format; a name without a known one gets the chosen
    // filter's format and its extension.
    const QString suffix = QFileInfo(file).suffix().toLower();
    // Two formats write .csv: the chosen filter's wins.
    if (exportExtension(chosenFormat) == suffix) return std::pair(file, chosenFormat);
    const auto known = std::find_if(formats.begin(), formats.end(),
                                    [&](ExportFormat f) { return exportExtension(f) == suffix; });
    if (known != formats.end()) return std::pair(file, *known);
    file += QLatin1Char('.') + exportExtension(chosenFormat);
    // The save dialog asked about replacing the name as chosen, not this one.
    if (QFileInfo::exists(file)) {
        m_messages.show(tr("%1 exists already. To replace it, choose it by its full name.")
                            .arg(QDir::toNativeSeparators(file))
                            .toStdString());
        return std::nullopt;
    }
    return std::pair(file, chosenFormat);
}

void DesignerWindow::exportFile() {
    if (!board()) return;
    // The files a board makes.
    const auto chosen =
        chooseExport({ExportFormat::TemplateDxf, ExportFormat::TemplateSvg,
                      ExportFormat::TemplatePdf, ExportFormat::ChartCsv, ExportFormat::FretPoints},
                     QStringLiteral("fanned-fretboard"));
    if (!chosen) return;
    const auto failure = exportBoard(chosen->second, chosen->first, *board(), m_model.units(),
                                     exportPaper(m_printers), boardOnly->isChecked());
    if (failure) m_messages.show(failure->toStdString());
}

std::optional<RadiusGauges> DesignerWindow::gaugesToMake() {
    if (!board()) return std::nullopt;
    RadiusGauges gauges = boardGauges(*board(), m_model.units(), {});
    if (const auto refusal = gaugeRefusal(gauges)) {
        m_messages.say(*refusal);
        return std::nullopt;
    }
    return gauges;
}

void DesignerWindow::printGauges() {
    if (const auto gauges = gaugesToMake())
        print(gaugeDocument(*gauges), tr("Radius gauges printed"));
}

void DesignerWindow::previewGauges() {
    if (const auto gauges = gaugesToMake()) preview(gaugeDocument(*gauges));
}

void DesignerWindow::exportGaugeFile() {
    const auto gauges = gaugesToMake();
    if (!gauges) return;
    const auto chosen = chooseExport(
        {ExportFormat::TemplateDxf, ExportFormat::TemplateSvg, ExportFormat::TemplatePdf},
        QStringLiteral("radius-gauges"));
    if (!chosen) return;
    const auto failure =
        exportGauges(chosen->second, chosen->first, *gauges, exportPaper(m_printers));
    if (failure) m_messages.show(failure->toStdString());
}

void DesignerWindow::printIntonation() {
    if (board())
        print(intonationDocument(*board(), m_model.units()), tr("Intonation report printed"));
}

void DesignerWindow::previewIntonation() {
    if (board()) preview(intonationDocument(*board(), m_model.units()));
}

void DesignerWindow::exportIntonationFile() {
    if (!board()) return;
    const auto chosen = chooseExport({ExportFormat::ChartCsv, ExportFormat::TemplatePdf},
                                     QStringLiteral("intonation"));
    if (!chosen) return;
    if (const auto failure = exportIntonation(chosen->second, chosen->first, *board(),
                                              m_model.units(), exportPaper(m_printers)))
        m_messages.show(failure->toStdString());
}

}  // namespace varnel
