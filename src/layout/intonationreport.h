#pragma once
// The intonation of a board's strings, laid out once: what it was worked out from, a table of
// each string's saddle and nut setbacks and its errors before and after, and a plot of each
// fret's error in cents, before (dashed) and after (solid), a line a string. Laid out in
// millimetres; its lengths are said in the board's unit.

#include <string>
#include <vector>

#include "core/designerboard.h"
#include "layout/drawing.h"

namespace varnel {

// The inputs and the table as lines of text, the first its header, in the surface's language.
std::vector<std::string> intonationLines(const DesignerBoard& board, Units units,
                                         const TextMeasure& measure);

// The table and the plot on one sheet, as wide as given: what the window shows.
Drawing intonationSheet(const DesignerBoard& board, Units units, double width,
                        const TextMeasure& measure);

// The report's pages: a title, the board, the lines, the plot, then the footer.
std::vector<Drawing> intonationReportPages(const DesignerBoard& board, Units units,
                                           const PageFrame& frame, const TextMeasure& measure,
                                           const std::string& note);

}  // namespace varnel
