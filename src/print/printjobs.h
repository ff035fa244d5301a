#pragma once
// The two printed documents: the fret chart, and the full-scale fret slot cutting template,
// each ended by the footer line.

#include <QString>
#include <optional>

#include "fretboard.h"
#include "printersurface.h"

namespace varnel {

// The footer's type size, in points.
constexpr double kFooterPoints = 8.0;

// "Printed by Varnel v.1.0" after a line end: the words stand one line below where it starts.
QString footerText();

// Prints the footer so that it begins at height y (current page unit), in 8-point type; under
// it, on a printer with a scale correction, the correction note.
void printFooter(PrinterSurface& printer, double y);

// A factor as a percentage with two decimals ("100.20 %"), and a correction as
// "horizontal 100.20 %, vertical 99.85 %".
QString percentText(double factor);
QString correctionText(const ScaleCorrection& correction);

// "Scale corrected for NAME: horizontal 100.20 %, vertical 99.85 %"; none without a correction.
std::optional<QString> correctionNote(const PrinterSurface& printer);

// The chart text in "Courier" at the chart font size from the top left of the printable area,
// continuing on further pages as needed, then the footer. Does not end the document.
void printChart(PrinterSurface& printer, const FretboardSettings& s, const FretPositions& p);

// The face of the printed chart.
inline const QString kChartFont = QStringLiteral("Courier");

// Why the chart cannot be printed on this printer, before anything is drawn: a chart font size
// outside its range, or one whose lines are wider than the page. None when it can be printed.
std::optional<QString> chartRefusal(PrinterSurface& printer, const FretboardSettings& s,
                                    const FretPositions& p);

// The face of the template's fret numbers.
inline const QString kFretNumberFont = QStringLiteral("DejaVu Sans");
constexpr double kFretNumberPoints = 8.0;

// Why the template cannot be printed on this printer, before anything is drawn, checked in this
// order: a line width, line height or spacing outside its range; a line height or spacing that
// leaves no room for a template line on the page; a fret farther from the previous one than fits
// across an empty template line. None when it can be printed.
std::optional<QString> templateRefusal(PrinterSurface& printer, const FretboardSettings& s,
                                       const FretPositions& p);

// The template: strips as high as the fretboard is wide, a marker at every fret at its true
// distance from the previous one, guide and edge lines, optional fret numbers; a fret that
// does not fit starts the next strip, which repeats the fret before it; a strip that would end
// below the printable area starts a new page. Then the footer. Precondition: no refusal.
void printTemplate(PrinterSurface& printer, const FretboardSettings& s, const FretPositions& p);

// y of the alignment guide of a template line.
float calcGuideLineY(std::int16_t hLinePos, float lineTop, float lineHeight);

}  // namespace varnel
