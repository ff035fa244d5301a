#pragma once
// The two printed documents: the fret chart, and the full-scale fret slot cutting template,
// each ended by the footer line.

#include <QString>
#include <optional>

#include <vector>

#include "core/fretboard.h"
#include "layout/drawing.h"
#include "layout/templatelayout.h"
#include "render/printersurface.h"

namespace varnel {

// Draws pages laid out for this printer, each after a new page but the first.
void replayPages(PrinterSurface& printer, const std::vector<Drawing>& pages);

// Prints the footer so that it begins at height y (current page unit) in 8-point type of the
// current face; under it, on a printer with a scale correction, the correction note.
void printFooter(PrinterSurface& printer, double y);

// A factor as a percentage with two decimals ("100.20 %"), and a correction as
// "horizontal 100.20 %, vertical 99.85 %".
QString percentText(double factor);
QString correctionText(const ScaleCorrection& correction);

// "Scale corrected for NAME: horizontal 100.20 %, vertical 99.85 %"; none without a correction.
std::optional<QString> correctionNote(const PrinterSurface& printer);

// The faces of the printed chart and of the template's fret numbers.
inline const QString kChartFont = QString::fromStdString(kChartFace);
inline const QString kFretNumberFont = QString::fromStdString(kNumberFace);

// Why the chart cannot be printed on this printer, before anything is drawn: a chart font size
// outside its range, or one whose lines are wider than the page. None when it can be printed.
std::optional<QString> chartRefusal(PrinterSurface& printer, const FretboardSettings& s,
                                    const FretPositions& p);

// Why the template cannot be printed on this printer, before anything is drawn, checked in this
// order: a line width, line height or spacing outside its range; a line height or spacing that
// leaves no room for a template line on the page; a fret farther from the previous one than fits
// across an empty template line. None when it can be printed.
std::optional<QString> templateRefusal(PrinterSurface& printer, const FretboardSettings& s,
                                       const FretPositions& p);

// The chart's and the template's pages (chartPages, templatePages) on this printer, then the
// footer. Precondition: no refusal. Does not end the document.
void printChart(PrinterSurface& printer, const FretboardSettings& s, const FretPositions& p);
void printTemplate(PrinterSurface& printer, const FretboardSettings& s, const FretPositions& p);

// The refusal, having drawn nothing; or none, having printed the document: laid out once.
std::optional<QString> drawChart(PrinterSurface& printer, const FretboardSettings& s,
                                 const FretPositions& p);
std::optional<QString> drawTemplate(PrinterSurface& printer, const FretboardSettings& s,
                                    const FretPositions& p);

}  // namespace varnel
