#pragma once
// Rounding and text of lengths as the chart shows them.

#include <cstdint>
#include <string>

namespace varnel {

// The part of an inch after the whole inches (0 <= f < 1) as a reduced fraction of 64ths,
// rounded to the nearest 64th with halves upward: "7/16", "63/64"; " " when it rounds to 0.
std::string formatFraction(double f);

// A length of 0 or more in the given units at the given granularity, without a unit:
// coarse inches as 12 fixed characters ("    25 1/2  "), coarse millimetres snapped to the
// nearest half millimetre ("647.5"), fine inches to hundredths, fine millimetres to tenths.
// Lengths too large for the fixed fields keep all their digits and widen the text instead.
std::string formatMeasurement(double v, std::int16_t unitsType, std::int16_t unitsGranularity);

}  // namespace varnel
