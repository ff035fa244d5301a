#pragma once
// The calibration page, laid out once: a horizontal and a vertical ruler from the printable
// area's top left corner (ticks every millimetre, longer every 5 and 10, numbered in
// centimetres; or every 1/16 inch, numbered in inches), then the lines of text saying what was
// printed, then the footer beside them, clear of the vertical ruler.

#include <string>
#include <vector>

#include "layout/drawing.h"

namespace varnel {

// Each ruler's printed length in the page's unit.
struct RulerLengths {
    double horizontal = 0;
    double vertical = 0;
};

std::vector<Drawing> calibrationPages(Units units, const RulerLengths& rulers,
                                      const std::vector<std::string>& lines, double pageHeight,
                                      const TextMeasure& measure);

}  // namespace varnel
