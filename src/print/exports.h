#pragma once
// The template and the chart as files for the workshop: the continuous template as SVG and DXF
// (for CAD programs, CNC routers and lasers), the chart's numbers as CSV, the chart text, and
// both printed documents as PDF.

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

#include "drawing.h"
#include "fanned.h"
#include "fretboard.h"
#include "pagesetup.h"
#include "printerprovider.h"

class DL_Dxf;
class DL_WriterA;

namespace varnel {

// What a DXF drawing is drawn with: lines and texts on named layers.
struct DxfOut {
    DL_Dxf& dxf;
    DL_WriterA& writer;
    void line(const char* layer, double x1, double y1, double x2, double y2);
    void text(const char* layer, double x, double y, double height, const QString& text);
};

// A drawing as DXF: $INSUNITS of its unit, a layer of each of its layers with the nearest DXF
// colour, a LINE per line and a TEXT per text (its baseline one type size below its top). DXF's
// y points up, so y is the drawing's yUp - y: what is at the bottom on paper is at the bottom.
QByteArray drawingDxf(const Drawing& drawing);

// A drawing as SVG: width and height in its unit, one user unit one mm (or inch), its title; a
// group per layer (id its name in lower case, stroke and fill its colour, stroke-width its pen at
// 1/600 inch a pixel, its dashes, its face), each text's baseline one type size below its top.
QByteArray drawingSvg(const Drawing& drawing);

// The fanned fretboard's table as CSV: fret, distances along the first and last strings and the
// midline in mm then in inches, and the fret's angle to the perpendicular in degrees.
QByteArray fannedCsv(const FannedBoard& board, bool inches);

// CSV (RFC 4180, CR LF): fret,from_nut_mm,from_fret_mm,from_nut_in,from_fret_in, a row per
// fret, both units whatever the current one, each number the shortest text that reads back
// the same double.
QByteArray chartCsv(const FretboardSettings& s, const FretPositions& p);

// Writes the bytes to the file whole, or not at all (a temporary file renamed into place);
// "-" writes to standard output. False with the reason in error.
bool saveBytes(const QString& fileName, const QByteArray& bytes, QString& error);

// Prints a document into a PDF file on the setup's paper, whole or not at all: the refusal or
// the failure, or none.
std::optional<QString> savePdf(const QString& fileName, const PageSetup& setup,
                               const std::function<std::optional<QString>(PrinterSurface&)>& draw);

// The six files the program writes.
enum class ExportFormat { TemplateSvg, TemplateDxf, TemplatePdf, ChartCsv, ChartPdf, ChartText };

// The file's extension ("svg") and its file-dialog filter ("SVG drawing (*.svg)").
QString exportExtension(ExportFormat format);
QString exportFilter(ExportFormat format);

// Writes one file (whole or not at all; "-" for standard output, text formats only). The PDFs go
// on the setup's paper with its correction, and have the printed documents' refusals. The
// message for the user when nothing was written, none when the file was.
std::optional<QString> exportDocument(ExportFormat format, const QString& fileName,
                                      const FretboardSettings& s, const FretPositions& p,
                                      const PageSetup& setup);

// The fanned fretboard's files: TemplateDxf, TemplateSvg, TemplatePdf (tiled, on the setup's
// paper) and ChartCsv (its table). The message when nothing was written; kFannedFormatsMessage
// for any other format.
inline const QString kFannedFormatsMessage =
    QStringLiteral("A fanned fretboard is written as a DXF, SVG, PDF or CSV file.");
std::optional<QString> exportFanned(ExportFormat format, const QString& fileName,
                                    const FannedBoard& board, bool inches, const PageSetup& setup);

// The paper a window's PDF files are made on: the chosen printer's, without that printer's
// scale correction (the file may be printed anywhere).
PageSetup exportPaper(PrinterProvider& printers);

// Asks where to save a file: the suggested name and the file types' filters (";;" between them)
// in, the chosen path out (empty for none) and, when asked for, the filter chosen.
using SaveFileChooser =
    std::function<QString(const QString& suggested, const QString& filter, QString* chosenFilter)>;

// A name to offer for a file: "fretboard-648mm-24.svg", "fretboard-25.5in-22.csv".
QString suggestedFileName(const FretboardSettings& s, const QString& extension);

}  // namespace varnel
