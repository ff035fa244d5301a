#pragma once
// The window model's choices in one line, for compact expectations:
// "rule18 0.0560695 D in fine 34": method, factor, the factor item checked (C, D, P, or -),
// units, precision, scale length. Codes outside the choices show as "?".

#include <string>

#include "core/numtext.h"
#include "model/windowmodel.h"

namespace varnel::test {

inline std::string describe(const WindowModel& m) {
    const FretboardSettings& s = m.settings();
    const std::optional<Factor> checked = m.checkedFactor();
    std::string out = m.ruleOf18ths() ? "rule18 " : "root ";
    out += formatGeneral(s.calcFact) + ' ' + (checked ? "CDP"[static_cast<int>(*checked)] : '-');
    out += s.unitsType == kUnitsInches ? " in" : s.unitsType == kUnitsMillimetres ? " mm" : " ?";
    out += s.unitsGranularity == kGranularityCoarse ? " coarse"
           : s.unitsGranularity == kGranularityFine ? " fine"
                                                    : " ?";
    return out + ' ' + formatGeneral(s.scaleLen);
}

}  // namespace varnel::test
