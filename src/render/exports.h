#pragma once
// The documents as files for the workshop: the template as SVG and DXF (its sheet), the chart's
// numbers as CSV, the chart text, and the printed documents as PDF; the designer's board's files.

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

#include "core/designerboard.h"
#include "core/fretboard.h"
#include "core/translatable.h"
#include "export/files.h"
#include "layout/gaugelayout.h"
#include "render/pagesetup.h"
#include "render/printerprovider.h"

class QWidget;

namespace varnel {

// Writes the bytes to the file (saveBytes): the message for the user when it was not written.
std::optional<QString> saveOrSay(const QString& fileName, const QByteArray& bytes);

// Prints a document into a PDF file on the setup's paper, whole or not at all: the refusal or
// the failure, or none.
std::optional<QString> savePdf(const QString& fileName, const PageSetup& setup,
                               const Document& document);

// The six files the program writes, and the designer's board's fret points.
enum class ExportFormat {
    TemplateSvg,
    TemplateDxf,
    TemplatePdf,
    ChartCsv,
    ChartPdf,
    ChartText,
    FretPoints
};

// The file's extension ("svg") and its file-dialog filter ("SVG drawing (*.svg)").
QString exportExtension(ExportFormat format);
QString exportFilter(ExportFormat format);

// Writes one file (whole or not at all; "-" for standard output, text formats only). The PDFs go
// on the setup's paper with its correction, and have the printed documents' refusals. The
// message for the user when nothing was written, none when the file was.
std::optional<QString> exportDocument(ExportFormat format, const QString& fileName,
                                      const FretboardSettings& s, const FretPositions& p,
                                      const PageSetup& setup);

// The designer's board's files: TemplateDxf, TemplateSvg, TemplatePdf (tiled, on the setup's
// paper), ChartCsv (its table) and FretPoints (a row per string per fret). The message when nothing
// was written; kBoardFormatsMessage for any other format.
inline const char* const kBoardFormatsMessage = QT_TRANSLATE_NOOP(
    "varnel::Words", "A fanned fretboard is written as a DXF, SVG, PDF or CSV file.");
// With boardOnly, the DXF and SVG hold only what lies on the board (boardOnlyDrawing).
std::optional<QString> exportBoard(ExportFormat format, const QString& fileName,
                                   const DesignerBoard& board, Units units, const PageSetup& setup,
                                   bool boardOnly = false);

// The intonation's files: ChartCsv (intonationCsv) and TemplatePdf (the report on the setup's
// paper). The message when nothing was written (kNoIntonationMessage without a string set).
std::optional<QString> exportIntonation(ExportFormat format, const QString& fileName,
                                        const DesignerBoard& board, Units units,
                                        const PageSetup& setup);

// The radius gauges' files: TemplatePdf (pieces on the setup's paper, labelled for their board),
// TemplateDxf and TemplateSvg (every gauge on one sheet). The message when nothing was written.
std::optional<QString> exportGauges(ExportFormat format, const QString& fileName,
                                    const RadiusGauges& gauges, const PageSetup& setup);

// The paper a window's PDF files are made on: the chosen printer's, without that printer's
// scale correction (the file may be printed anywhere).
PageSetup exportPaper(PrinterProvider& printers);

// Asks where to save a file, over the window that asks (its dialog belongs to that window, and
// the focus goes back there): the suggested name and the file types' filters (";;" between them)
// in, the chosen path out (empty for none) and, when asked for, the filter chosen.
using SaveFileChooser = std::function<QString(QWidget* window, const QString& suggested,
                                              const QString& filter, QString* chosenFilter)>;

// A name to offer for a file: "fretboard-648mm-24.svg", "fretboard-25.5in-22.csv".
QString suggestedFileName(const FretboardSettings& s, const QString& extension);

}  // namespace varnel
