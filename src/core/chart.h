#pragma once
// The fixed-pitch fret chart: a header, then one 40-character row per fret, every line ended
// by CR LF.

#include <string>

#include "core/fretboard.h"

namespace varnel {

// Lines 1 to 4 of the chart: the scale length, an empty line, the column titles, the rules.
std::string buildChartHeader(const FretboardSettings& s);

// The whole chart for frets 1 to positions.count(). Precondition: positions were calculated
// from s just before.
std::string buildFretChart(const FretboardSettings& s, const FretPositions& positions);

}  // namespace varnel
