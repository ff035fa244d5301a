#pragma once
// The printed fret chart, laid out once: its text in Courier at the chart font size from the
// top left of the printable area, continuing on further pages as needed, then the footer.

#include <string>
#include <vector>

#include "core/fretboard.h"
#include "layout/drawing.h"

namespace varnel {

// The pages in inches (a frame in inches), and the widest chart line's width, which must fit
// the frame's width.
struct ChartPages {
    std::vector<Drawing> pages;
    double widestLine = 0;
};
ChartPages chartPages(const FretboardSettings& s, const FretPositions& p, const PageFrame& frame,
                      const TextMeasure& measure, const std::string& note);

}  // namespace varnel
