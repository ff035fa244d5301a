#pragma once
// The report of an instrument check, laid out once: the fit of every model, a plot of each
// fret's error in cents (a bar a fret, the band of +-5 cents a trained ear begins to hear, the
// rule of 18ths' error for comparison, the largest error labelled), then the table of frets,
// continuing on further pages as needed, then the footer. Laid out in millimetres; its lengths
// are said in the check's own unit.

#include <string>
#include <vector>

#include "core/checkfit.h"
#include "layout/drawing.h"

namespace varnel {

// The band a trained ear begins to hear, in cents either side of true.
constexpr double kAudibleCents = 5;
// The plot's height on the page, and the narrowest page its words fit across.
constexpr double kPlotHeightMm = 60;
constexpr double kReportMinimumWidthMm = 100;

// A report's blank page: its layers TEXT, TABLE (fixed pitch) and AXES, then its plot's own.
Drawing reportBlank(std::vector<DrawingLayer> plotLayers);

// A step of 1, 2 or 5 times a power of ten that puts at most `most` ticks in the span above
// zero: a plot's ticks.
double tickStep(double span, int most);

// A plot's axis of cents from `top` to `bottom` (0 in the middle, ticks either side to the span,
// labelled at its left, "cents" above it) and the zero line across to `right`: where the axis
// stands and where a number of cents lies.
struct CentsAxis {
    double x = 0;
    double top = 0;
    double bottom = 0;
    double span = 1;
    double y(double cents) const { return (top + bottom) / 2 - cents / span * (bottom - top) / 2; }
};
CentsAxis appendCentsAxis(Drawing& page, std::size_t axes, std::size_t text, double top,
                          double bottom, double span, double right, double points,
                          const TextMeasure& measure);

// The report's table: a heading, then a row a fret (its measured and best distances, the
// residual and the cents), the columns as wide as the surface's language's headings need.
std::vector<std::string> checkTableLines(const InstrumentCheck& check, const TextMeasure& measure);

// The plot alone, its top at y = 0, as wide as given: what the window shows.
Drawing checkPlot(const InstrumentCheck& check, double width, const TextMeasure& measure);

// One model's fit as the report and the window say it, every length with its unit.
Message fitText(const InstrumentCheck& check, const ModelFit& fit);

std::vector<Drawing> checkReportPages(const InstrumentCheck& check, const PageFrame& frame,
                                      const TextMeasure& measure, const std::string& note);

}  // namespace varnel
