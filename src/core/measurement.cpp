#include "core/measurement.h"

#include <cmath>

#include "core/fretboard.h"
#include "core/numtext.h"

namespace varnel {

namespace {

constexpr int kSixtyFourths = 64;
// From this fraction on, the nearest 64th is a whole inch.
constexpr double kCarryToWholeInch = 127.0 / 128.0;
constexpr std::size_t kWholeInchWidth = 6;
constexpr std::size_t kFractionWidth = 5;

std::string padLeft(std::string text, std::size_t width) {
    if (text.size() < width) text.insert(0, width - text.size(), ' ');
    return text;
}

std::string padRight(std::string text, std::size_t width) {
    if (text.size() < width) text.append(width - text.size(), ' ');
    return text;
}

}  // namespace

std::string formatFraction(double f) {
    // Computed in floating point so that no value, however odd, overflows an integer.
    const double sixtyFourths = std::trunc(f * kSixtyFourths + 0.5);
    if (!(sixtyFourths > 0)) return " ";
    if (sixtyFourths >= kSixtyFourths) return "1";  // only reachable for f outside [0, 1)
    int n = static_cast<int>(sixtyFourths);
    int d = kSixtyFourths;
    while (n % 2 == 0) {
        n /= 2;
        d /= 2;
    }
    return std::to_string(n) + "/" + std::to_string(d);
}

std::string formatMeasurement(double v, std::int16_t unitsType, std::int16_t unitsGranularity) {
    // The whole count is kept as a double: no length, however large, overflows it.
    double whole = 0;
    double fraction = 0;
    if (unitsGranularity == kGranularityCoarse) {
        whole = std::trunc(v);
        fraction = v - whole;
    }
    if (unitsType == kUnitsMillimetres) {
        if (unitsGranularity == kGranularityCoarse) {
            if (fraction >= 0.75) {
                whole += 1;
                fraction = 0;
            } else if (fraction >= 0.25) {
                fraction = 0.5;
            } else {
                fraction = 0;
            }
            v = whole + fraction;
        }
        return formatFixed(v, 1);
    }
    if (unitsType == kUnitsInches) {
        if (unitsGranularity == kGranularityFine) return formatFixed(v, 2);
        if (unitsGranularity == kGranularityCoarse) {
            if (fraction >= kCarryToWholeInch) {
                whole += 1;
                fraction = 0;
            }
            return padLeft(formatFixed(whole, 0), kWholeInchWidth) + " " +
                   padRight(formatFraction(fraction), kFractionWidth);
        }
    }
    return {};
}

}  // namespace varnel
