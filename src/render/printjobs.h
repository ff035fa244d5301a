#pragma once
// The two printed documents: the fret chart, and the full-scale fret slot cutting template,
// each ended by the footer line.

#include <QString>
#include <functional>
#include <optional>

#include <vector>

#include "core/checkfit.h"
#include "core/fretboard.h"
#include "layout/drawing.h"
#include "layout/templatelayout.h"
#include "render/printerprovider.h"
#include "render/printersurface.h"

namespace varnel {

// Draws pages laid out for this printer, each after a new page but the first.
void replayPages(PrinterSurface& printer, const std::vector<Drawing>& pages);
// The same unless the layout refused; the refusal.
std::optional<QString> replayUnlessRefused(PrinterSurface& printer,
                                           const std::optional<QString>& refusal,
                                           const std::vector<Drawing>& pages);

// The printer's correction note as a layout takes it (empty without a correction).
std::string noteOf(const PrinterSurface& printer);

// A factor as a percentage with two decimals ("100.20 %"), and a correction as
// "horizontal 100.20 %, vertical 99.85 %".
std::string percentText(double factor);
Message correctionText(const ScaleCorrection& correction);

// A length as the main window's messages write it, its digits as they stand and its unit:
// "2.54 inches", "650 mm".
MessageArg lengthWithUnit(const std::string& digits, bool inches);

// "Scale corrected for NAME: horizontal 100.20 %, vertical 99.85 %"; none without a correction.
std::optional<QString> correctionNote(const PrinterSurface& printer);

// The faces of the printed chart and of the template's fret numbers.
inline const QString kChartFont = QString::fromStdString(kChartFace);
inline const QString kFretNumberFont = QString::fromStdString(kNumberFace);

// The chart's and the template's pages (chartPages, templatePages), laid out once for this
// printer, then drawn on it: none; or why the document cannot be printed there, having drawn
// nothing. The chart is refused for a font size outside its range or one whose lines are wider
// than the page; the template, in this order, for a line width, line height or spacing outside
// its range, a line height or spacing that leaves no room for a template line on the page, and
// a fret farther from the previous one than fits across an empty template line. Neither ends
// the document.
std::optional<QString> drawChart(PrinterSurface& printer, const FretboardSettings& s,
                                 const FretPositions& p);
std::optional<QString> drawTemplate(PrinterSurface& printer, const FretboardSettings& s,
                                    const FretPositions& p);

// The report of an instrument check (checkReportPages), drawn in millimetres: none; or why
// it cannot be printed there (a page too small for its plot), having drawn nothing.
std::optional<QString> drawCheckReport(PrinterSurface& printer, const InstrumentCheck& check);
// The same as a document; the check must outlive it.
Document checkReportDocument(const InstrumentCheck& check);

// A report on pages in millimetres: laid out on the printer's frame with its correction note and
// drawn; or, having drawn nothing, why the page is too small for it.
using ReportLayout =
    std::function<std::vector<Drawing>(const PageFrame& frame, const std::string& note)>;
std::optional<QString> drawReport(PrinterSurface& printer, const ReportLayout& layOut);

}  // namespace varnel
