#include <algorithm>
#include <cmath>
#include <tuple>

#include "core/designerboard.h"
#include "core/designerinputs.h"
#include "core/message.h"

namespace varnel {

namespace {

// What the intonation cannot be worked out from: a set that could not be read or has too few
// strings, an action lower at fret 12 than at the nut, frets to intonate that are not there.
std::optional<Message> intonationRefusal(const DesignerInputs& in, const FretboardSettings& s) {
    const IntonationInputs& i = in.intonation;
    if (!i.refusal.empty()) return i.refusal;
    if (!i.set || i.saddle == SaddleKind::Typed) return std::nullopt;
    if (static_cast<int>(i.set->strings.size()) < in.strings) {
        return Message(
            QT_TRANSLATE_NOOP("varnel::Words",
                              "The string set has %1 strings, fewer than the board's %2."),
            {number(i.set->strings.size()), number(in.strings)});
    }
    if (!(i.action12 >= i.actionNut)) {
        return Message(
            QT_TRANSLATE_NOOP(
                "varnel::Words",
                "The action at fret 12, %1, must be at least the action at the nut, %2."),
            {number(i.action12), number(i.actionNut)});
    }
    if (i.nutToo && in.workshop.zeroFret) {
        return Message(QT_TRANSLATE_NOOP(
                           "varnel::Words",
                           "Nut Compensation moves each string's nut point, but with a zero fret "
                           "the strings speak from the zero fret: turn one of them off."),
                       {});
    }
    if (i.frets < 2 || i.frets > s.nFrets) {
        return Message(
            QT_TRANSLATE_NOOP("varnel::Words",
                              "Frets to Intonate, %1, must be 2 to the number of frets, %2."),
            {number(i.frets), number(s.nFrets)});
    }
    return std::nullopt;
}

// What the board's own geometry refuses of the workshop inputs.
std::optional<Message> workshopRefusal(const DesignerInputs& in, const FretboardSettings& s) {
    const Workshop& w = in.workshop;
    for (const auto& [name, frets] :
         {std::pair{designerInput("txtMarkers")->caption, &w.markers},
          {designerInput("txtDoubleMarkers")->caption, &w.doubleMarkers}}) {
        for (const int fret : *frets) {
            // Markers above the last fret are left out: the default set serves boards of 21,
            // 22 and 24 frets alike.
            if (fret < 1) {
                return Message(
                    QT_TRANSLATE_NOOP("varnel::Words",
                                      "%1: fret %2 is not on the board, whose frets are 1 to %3."),
                    {word(name), number(fret), number(s.nFrets)});
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
        return Message(QT_TRANSLATE_NOOP(
                           "varnel::Words",
                           "The slot width, %1, must be narrower than the narrowest fret spacing, "
                           "%2."),
                       {number(w.slotWidth), number(narrowest)});
    }
    if (w.zeroFret && !(w.nutGap > w.slotWidth / 2)) {
        return Message(
            QT_TRANSLATE_NOOP("varnel::Words",
                              "The nut gap, %1, must be at least half the slot width, %2, to stand "
                              "behind the zero fret."),
            {number(w.nutGap), number(w.slotWidth / 2)});
    }
    if (!(w.boardEnd >= w.slotWidth / 2)) {
        return Message(QT_TRANSLATE_NOOP(
                           "varnel::Words",
                           "The board end, %1, must be at least half the slot width, %2, to hold "
                           "the last slot."),
                       {number(w.boardEnd), number(w.slotWidth / 2)});
    }
    // Each marker clear of its two frets' slots, a face marker clear of the edges.
    const auto clear = [&](const Circle& c, std::string_view name,
                           bool face) -> std::optional<Message> {
        const double radius = c.diameter / 2;
        const Segment before = scaleLine(board, c.fret - 1);
        const Segment after = scaleLine(board, c.fret);
        if (std::min(offLine(before, c.centre), offLine(after, c.centre)) - w.slotWidth / 2 <
            radius) {
            return Message(QT_TRANSLATE_NOOP("varnel::Words",
                                             "The %1, %2, does not fit between frets %3 and %4."),
                           {word(name), number(c.diameter), number(c.fret - 1), number(c.fret)});
        }
        if (face && std::min(offLine(board.trebleEdge, c.centre),
                             offLine(board.bassEdge, c.centre)) < radius) {
            return Message(
                QT_TRANSLATE_NOOP("varnel::Words",
                                  "The %1, %2, does not fit across the board at fret %3."),
                {word(name), number(c.diameter), number(c.fret)});
        }
        return std::nullopt;
    };
    // A radius no smaller than half the board where it applies (both ends: the radius and the
    // width both change in a straight line along the board).
    for (const auto& [name, radius, line] :
         {std::tuple{designerInput("txtRadiusNut")->noun, w.radiusAtNut, board.nut},
          {designerInput("txtRadiusEnd")->noun, w.radiusAtEnd, board.boardEnd}}) {
        const double half = widthAcross(board, line) / 2;
        if (radius > 0 && radius < half) {
            return Message(
                QT_TRANSLATE_NOOP("varnel::Words",
                                  "The %1, %2, must be at least half the board's width there, %3."),
                {word(name), number(radius), number(half)});
        }
    }
    for (const Circle& c : board.markers) {
        if (auto refusal = clear(c, designerInput("txtMarkerDiameter")->noun, true)) return refusal;
    }
    for (const Circle& c : board.sideMarkers) {
        if (auto refusal = clear(c, designerInput("txtSideMarkerDiameter")->noun, false))
            return refusal;
    }
    return std::nullopt;
}

}  // namespace

std::optional<Message> designerRefusal(const DesignerInputs& in, const FretboardSettings& s) {
    const double d = std::fabs(in.bridgeSpacing - in.nutSpacing) / 2;
    const Workshop& w = in.workshop;
    if (in.strings < 2 || in.strings > 12)
        return Message(
            QT_TRANSLATE_NOOP("varnel::Words", "The number of strings, %1, must be 2 to 12."),
            {number(in.strings)});
    // Every number of the inputs, by its name in refusals.
    std::vector<std::pair<std::string_view, double>> numbers;
    for (const DesignerInput& input : designerInputs()) {
        if (input.value) numbers.emplace_back(input.noun, input.value(in));
    }
    // Beyond about 1e150 the layout's squares overflow; no instrument comes near 1e100.
    constexpr double kLargest = 1e100;
    for (const auto& [name, value] : numbers) {
        if (!std::isfinite(value))
            return Message(
                QT_TRANSLATE_NOOP("varnel::Words", "The %1, %2, must be a finite number."),
                {word(name), number(value)});
        if (std::fabs(value) > kLargest)
            return Message(
                QT_TRANSLATE_NOOP("varnel::Words", "The %1, %2, is too large to lay out."),
                {word(name), number(value)});
    }
    if (!in.tuning.refusal.empty()) return in.tuning.refusal;
    const std::vector<int>& degrees = in.tuning.degrees;
    if (!degrees.empty() && static_cast<int>(degrees.size()) != in.strings) {
        return Message(
            QT_TRANSLATE_NOOP(
                "varnel::Words",
                "String Tuning gives %1 degrees for %2 strings: give one a string, first "
                "string first."),
            {number(degrees.size()), number(in.strings)});
    }
    if (std::any_of(degrees.begin(), degrees.end(), [](int b) { return b < 0; }))
        return Message(QT_TRANSLATE_NOOP("varnel::Words",
                                         "String Tuning: a string's degree must be 0 or more."),
                       {});
    if (in.tuning.diatonic) {
        if (in.tuning.scale)
            return Message(
                QT_TRANSLATE_NOOP("varnel::Words", "The diatonic fret set is for 12 Equal."), {});
        const auto set = diatonicFrets(s.nFrets, in.tuning.extraFrets);
        if (const Message* why = std::get_if<Message>(&set)) return *why;
    }
    if (!in.tuning.scale && s.calcType == kCalcRule18 && !(s.calcFact >= 0 && s.calcFact <= 1)) {
        return Message(
            QT_TRANSLATE_NOOP("varnel::Words",
                              "The rule-of-18ths factor, %1, must be 0 to 1 to place frets on the "
                              "strings."),
            {number(s.calcFact)});
    }
    // Each spacing above 0, each scale length beyond half their difference.
    for (const auto& [wording, spacing] :
         {std::pair{QT_TRANSLATE_NOOP("varnel::Words",
                                      "The string spacing at the nut, %1, must be more than 0."),
                    in.nutSpacing},
          {QT_TRANSLATE_NOOP("varnel::Words",
                             "The string spacing at the bridge, %1, must be more than 0."),
           in.bridgeSpacing}}) {
        if (!(spacing > 0)) return Message(wording, {number(spacing)});
    }
    for (const auto& [wording, length] :
         {std::pair{QT_TRANSLATE_NOOP("varnel::Words",
                                      "The first string's scale length, %1, must be more than "
                                      "%2, half the difference between the two string spacings."),
                    in.firstScale},
          {QT_TRANSLATE_NOOP("varnel::Words",
                             "The last string's scale length, %1, must be more than %2, half the "
                             "difference between the two string spacings."),
           in.lastScale}}) {
        if (!(length > d)) return Message(wording, {number(length), number(d)});
    }
    if (in.perpendicularFret) {
        if (*in.perpendicularFret < 0) {
            return Message(QT_TRANSLATE_NOOP(
                               "varnel::Words",
                               "The perpendicular fret, %1, must be 0 (the nut) or a fret number."),
                           {number(*in.perpendicularFret)});
        }
    } else if (!(in.perpendicularRatio >= 0 && in.perpendicularRatio <= 1)) {
        return Message(
            QT_TRANSLATE_NOOP("varnel::Words", "The perpendicular ratio, %1, must be 0 to 1."),
            {number(in.perpendicularRatio)});
    }
    if (!(in.trebleOverhang >= 0) || !(in.bassOverhang >= 0))
        return Message(
            QT_TRANSLATE_NOOP("varnel::Words", "The fretboard overhang must be 0 or more."), {});
    for (const DesignerInput& input : designerInputs()) {
        if (input.notNegative && input.value(in) < 0) {
            return Message(QT_TRANSLATE_NOOP("varnel::Words", "The %1, %2, must be 0 or more."),
                           {word(input.noun), number(input.value(in))});
        }
    }
    if ((w.radiusAtNut > 0) != (w.radiusAtEnd > 0)) {
        return Message(QT_TRANSLATE_NOOP(
                           "varnel::Words",
                           "The radius at the nut and at the end must both be 0 (a flat board) or "
                           "both more than 0."),
                       {});
    }
    if (s.nFrets < 1) return std::nullopt;
    if (auto refusal = workshopRefusal(in, s)) return refusal;
    return intonationRefusal(in, s);
}

}  // namespace varnel
