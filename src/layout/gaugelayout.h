#pragma once
// Radius gauges: for each radius a concave gauge (to lay across the board's face) and a convex
// one (to check a sanding block), at true scale, as wide as the board plus 20 mm, each with its
// radius printed inside. One sheet for a laser's files, and pieces for the printer.

#include <optional>
#include <string>
#include <vector>

#include "core/designerboard.h"
#include "layout/boardlayout.h"
#include "layout/drawing.h"

namespace varnel {

// How much wider than the board a gauge is, and how much stock it keeps above its arc.
constexpr double kGaugeWiderMm = 20;
constexpr double kGaugeStockMm = 25;

struct GaugeRadius {
    double radius = 0;  // in the gauges' unit
    Message place;      // "at the nut", "at the end", or empty for a radius given as such
};

struct RadiusGauges {
    std::vector<GaugeRadius> radii;
    double width = 0;  // the arcs' chord
    Units units = Units::Millimetres;
    Message board;  // what the board is, for the printed labels
};

// The board's gauges: its radius at the nut and at the end (once when they are the same; none
// for a flat board), then each radius given, as wide as the board at its widest plus 20 mm.
RadiusGauges boardGauges(const DesignerBoard& board, Units units,
                         const std::vector<double>& givenRadii);

// Why the gauges cannot be made: none to make, or a radius that is not a number above 0 or is
// too small to span the gauge's width.
std::optional<Message> gaugeRefusal(const RadiusGauges& gauges);

// Every gauge on one sheet, a row per radius, the concave gauge left of the convex: the outlines
// on a cut layer GAUGE (lines and true arcs meeting end to end), the texts on GAUGETEXT (in
// English: the sheet is for files).
Drawing gaugeSheet(const RadiusGauges& gauges);

// The gauges in pieces on pages of the frame (in the gauges' unit), each gauge a part of its
// own, labelled "radius gauges for" the board, the words in the surface's language.
BoardPages gaugePages(const RadiusGauges& gauges, const PageFrame& frame,
                      const TextMeasure& measure, const std::string& note);

}  // namespace varnel
