#include "core/fretboard.h"

#include <cmath>

#include "core/numtext.h"

namespace varnel {

std::string_view unitLabel(std::int16_t unitsType) {
    return unitLabels[unitsType == kUnitsInches ? 0 : 1];
}

Message methodDescription(const FretboardSettings& s) {
    // The factor is kept as its reciprocal (1/17.817); the rule is known by its divisor.
    if (s.calcType != kCalcRule18) return QT_TRANSLATE_NOOP("varnel::Words", "twelfth root of 2");
    return Message(QT_TRANSLATE_NOOP("varnel::Words", "rule of 18ths, factor %1"),
                   {number(std::round(1000 / s.calcFact) / 1000)});
}

bool inputsAreValid(const FretboardSettings& s) {
    return s.scaleLen > 0 && std::isfinite(s.scaleLen) && s.nFrets > 1;
}

FretPositions calcFretPositions(const FretboardSettings& s) {
    const int n = s.nFrets > 0 ? s.nFrets : 0;
    FretPositions p;
    p.distFromNut.assign(static_cast<std::size_t>(n) + 1, 0.0);
    p.distFromFret.assign(static_cast<std::size_t>(n) + 1, 0.0);
    if (s.calcType == kCalcRule18) {
        // Cumulative: each spacing is a share of the string beyond the previous fret, and the
        // distance from the nut is the running sum of the spacings.
        double remaining = s.scaleLen;
        double total = 0;
        for (std::size_t i = 1; i <= static_cast<std::size_t>(n); ++i) {
            p.distFromFret[i] = remaining * s.calcFact;
            remaining -= p.distFromFret[i];
            total += p.distFromFret[i];
            p.distFromNut[i] = total;
        }
    } else {
        // Twelfth root of two: every fret computed on its own from the scale length.
        for (std::size_t i = 1; i <= static_cast<std::size_t>(n); ++i) {
            p.distFromNut[i] =
                s.scaleLen * (1.0 - 1.0 / std::pow(2.0, static_cast<double>(i) / 12.0));
            p.distFromFret[i] = i == 1 ? p.distFromNut[1] : p.distFromNut[i] - p.distFromNut[i - 1];
        }
    }
    return p;
}

}  // namespace varnel
