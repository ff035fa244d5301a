#include <algorithm>
#include <cmath>
#include <tuple>

#include "core/designerboard.h"
#include "core/numtext.h"

namespace varnel {

namespace {

// What the intonation cannot be worked out from: a set that could not be read or has too few
// strings, an action lower at fret 12 than at the nut, frets to intonate that are not there.
std::optional<std::string> intonationRefusal(const DesignerInputs& in, const FretboardSettings& s) {
    const IntonationInputs& i = in.intonation;
    if (!i.refusal.empty()) return i.refusal;
    if (!i.set || i.saddle == SaddleKind::Typed) return std::nullopt;
    const auto text = [](double v) { return formatGeneral(v); };
    if (static_cast<int>(i.set->strings.size()) < in.strings) {
        return "The string set has " + std::to_string(i.set->strings.size()) +
               " strings, fewer than the board's " + std::to_string(in.strings) + ".";
    }
    if (!(i.action12 >= i.actionNut)) {
        return "The action at fret 12, " + text(i.action12) +
               ", must be at least the action at the nut, " + text(i.actionNut) + ".";
    }
    if (i.nutToo && in.workshop.zeroFret) {
        return "Nut Compensation moves each string's nut point, but with a zero fret the strings "
               "speak from the zero fret: turn one of them off.";
    }
    if (i.frets < 2 || i.frets > s.nFrets) {
        return "Frets to Intonate, " + std::to_string(i.frets) + ", must be 2 to the number of " +
               "frets, " + std::to_string(s.nFrets) + ".";
    }
    return std::nullopt;
}

// What the board's own geometry refuses of the workshop inputs.
std::optional<std::string> workshopRefusal(const DesignerInputs& in, const FretboardSettings& s) {
    const Workshop& w = in.workshop;
    const auto text = [](double v) { return formatGeneral(v); };
    for (const auto& [name, frets] :
         {std::pair{"Position Markers", &w.markers}, {"Double Markers", &w.doubleMarkers}}) {
        for (const int fret : *frets) {
            // Markers above the last fret are left out: the default set serves boards of 21,
            // 22 and 24 frets alike.
            if (fret < 1) {
                return std::string(name) + ": fret " + std::to_string(fret) +
                       " is not on the board, whose frets are 1 to " + std::to_string(s.nFrets) +
                       ".";
            }
        }
    }
    DesignerInputs flat = in;
    flat.workshop.slotWidth = 0;  // the slots are not needed to measure the gaps
    flat.intonation.set.reset();  // nor the strings' intonation
    const DesignerBoard board = layOutBoard(flat, s);
    // The gap square to fret j from the one before it, at its nearer end.
    const auto gap = [&](int j) {
        const Segment a = scaleLine(board, j - 1);
        const Segment b = scaleLine(board, j);
        return std::min(offLine(b, a.from), offLine(b, a.to));
    };
    double narrowest = 1e300;
    for (int j = 1; j <= static_cast<int>(board.frets.size()); ++j)
        narrowest = std::min(narrowest, gap(j));
    if (w.slotWidth > 0 && !(w.slotWidth < narrowest)) {
        return "The slot width, " + text(w.slotWidth) +
               ", must be narrower than the narrowest fret spacing, " + text(narrowest) + ".";
    }
    const std::string halfSlot =
        " must be at least half the slot width, " + text(w.slotWidth / 2) + ", ";
    if (w.zeroFret && !(w.nutGap > w.slotWidth / 2))
        return "The nut gap, " + text(w.nutGap) + "," + halfSlot + "to stand behind the zero fret.";
    if (!(w.boardEnd >= w.slotWidth / 2))
        return "The board end, " + text(w.boardEnd) + "," + halfSlot + "to hold the last slot.";
    // Each marker clear of its two frets' slots, a face marker clear of the edges.
    const auto clear = [&](const Circle& c, const char* name,
                           bool face) -> std::optional<std::string> {
        const double radius = c.diameter / 2;
        const Segment before = scaleLine(board, c.fret - 1);
        const Segment after = scaleLine(board, c.fret);
        const std::string which = std::string("The ") + name + ", " + text(c.diameter) + ",";
        if (std::min(offLine(before, c.centre), offLine(after, c.centre)) - w.slotWidth / 2 <
            radius) {
            return which + " does not fit between frets " + std::to_string(c.fret - 1) + " and " +
                   std::to_string(c.fret) + ".";
        }
        if (face && std::min(offLine(board.trebleEdge, c.centre),
                             offLine(board.bassEdge, c.centre)) < radius)
            return which + " does not fit across the board at fret " + std::to_string(c.fret) + ".";
        return std::nullopt;
    };
    // A radius no smaller than half the board where it applies (both ends: the radius and the
    // width both change in a straight line along the board).
    for (const auto& [name, radius, line] :
         {std::tuple{"radius at the nut", w.radiusAtNut, board.nut},
          {"radius at the end", w.radiusAtEnd, board.boardEnd}}) {
        const double half = widthAcross(board, line) / 2;
        if (radius > 0 && radius < half) {
            return std::string("The ") + name + ", " + text(radius) +
                   ", must be at least half the board's width there, " + text(half) + ".";
        }
    }
    for (const Circle& c : board.markers) {
        if (auto refusal = clear(c, "marker diameter", true)) return refusal;
    }
    for (const Circle& c : board.sideMarkers) {
        if (auto refusal = clear(c, "side marker diameter", false)) return refusal;
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> designerRefusal(const DesignerInputs& in, const FretboardSettings& s) {
    const double d = std::fabs(in.bridgeSpacing - in.nutSpacing) / 2;
    const auto text = [](double v) { return formatGeneral(v); };
    const Workshop& w = in.workshop;
    if (in.strings < 2 || in.strings > 12) {
        return "The number of strings, " + std::to_string(in.strings) + ", must be 2 to 12.";
    }
    // Every number of the inputs, by its name in refusals.
    std::vector<std::pair<std::string_view, double>> numbers;
    for (const DesignerInput& input : designerInputs()) {
        if (input.value) numbers.emplace_back(input.noun, input.value(in));
    }
    // Beyond about 1e150 the layout's squares overflow; no instrument comes near 1e100.
    constexpr double kLargest = 1e100;
    for (const auto& [name, value] : numbers) {
        const std::string said = "The " + std::string(name) + ", " + text(value);
        if (!std::isfinite(value)) return said + ", must be a finite number.";
        if (std::fabs(value) > kLargest) return said + ", is too large to lay out.";
    }
    if (!in.tuning.refusal.empty()) return in.tuning.refusal;
    const std::vector<int>& degrees = in.tuning.degrees;
    if (!degrees.empty() && static_cast<int>(degrees.size()) != in.strings) {
        return "String Tuning gives " + std::to_string(degrees.size()) + " degrees for " +
               std::to_string(in.strings) + " strings: give one a string, first string first.";
    }
    if (std::any_of(degrees.begin(), degrees.end(), [](int b) { return b < 0; }))
        return "String Tuning: a string's degree must be 0 or more.";
    if (in.tuning.diatonic) {
        if (in.tuning.scale) return "The diatonic fret set is for 12 Equal.";
        const auto set = diatonicFrets(s.nFrets, in.tuning.extraFrets);
        if (const std::string* why = std::get_if<std::string>(&set)) return *why;
    }
    if (!in.tuning.scale && s.calcType == kCalcRule18 && !(s.calcFact >= 0 && s.calcFact <= 1)) {
        return "The rule-of-18ths factor, " + text(s.calcFact) +
               ", must be 0 to 1 to place frets on the strings.";
    }
    if (!(in.nutSpacing > 0)) {
        return "The string spacing at the nut, " + text(in.nutSpacing) + ", must be more than 0.";
    }
    if (!(in.bridgeSpacing > 0)) {
        return "The string spacing at the bridge, " + text(in.bridgeSpacing) +
               ", must be more than 0.";
    }
    for (const auto& [name, length] : {std::pair{"first", in.firstScale}, {"last", in.lastScale}}) {
        if (!(length > d)) {
            return std::string("The ") + name + " string's scale length, " + text(length) +
                   ", must be more than " + text(d) +
                   ", half the difference between the two string spacings.";
        }
    }
    if (in.perpendicularFret) {
        if (*in.perpendicularFret < 0) {
            return "The perpendicular fret, " + std::to_string(*in.perpendicularFret) +
                   ", must be 0 (the nut) or a fret number.";
        }
    } else if (!(in.perpendicularRatio >= 0 && in.perpendicularRatio <= 1)) {
        return "The perpendicular ratio, " + text(in.perpendicularRatio) + ", must be 0 to 1.";
    }
    if (!(in.trebleOverhang >= 0) || !(in.bassOverhang >= 0)) {
        return "The fretboard overhang must be 0 or more.";
    }
    for (const DesignerInput& input : designerInputs()) {
        if (input.notNegative && input.value(in) < 0) {
            return "The " + std::string(input.noun) + ", " + text(input.value(in)) +
                   ", must be 0 or more.";
        }
    }
    if ((w.radiusAtNut > 0) != (w.radiusAtEnd > 0)) {
        return "The radius at the nut and at the end must both be 0 (a flat board) or both more "
               "than 0.";
    }
    if (s.nFrets < 1) return std::nullopt;
    if (auto refusal = workshopRefusal(in, s)) return refusal;
    return intonationRefusal(in, s);
}

}  // namespace varnel
