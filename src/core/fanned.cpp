#include "core/fanned.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <span>
#include <tuple>
#include <utility>

#include "core/numtext.h"

namespace varnel {

namespace {

constexpr double kPi = 3.14159265358979323846;

Point along(const Segment& s, double t) {
    return {s.from.x + t * (s.to.x - s.from.x), s.from.y + t * (s.to.y - s.from.y)};
}

Point shifted(const Point& p, double dy) {
    return {p.x, p.y + dy};
}

// Where the line through a and b meets the line through c and e.
Point meet(const Point& a, const Point& b, const Point& c, const Point& e) {
    const double rx = b.x - a.x, ry = b.y - a.y, sx = e.x - c.x, sy = e.y - c.y;
    const double t = ((c.x - a.x) * sy - (c.y - a.y) * sx) / (rx * sy - ry * sx);
    return {a.x + t * rx, a.y + t * ry};
}

// The line through a and b cut at the two edges.
Segment cut(const Point& a, const Point& b, const FannedBoard& board) {
    return {meet(a, b, board.trebleEdge.from, board.trebleEdge.to),
            meet(a, b, board.bassEdge.from, board.bassEdge.to)};
}

Point mid(const Point& a, const Point& b) {
    return {(a.x + b.x) / 2, (a.y + b.y) / 2};
}

double distance(const Point& a, const Point& b) {
    return std::hypot(b.x - a.x, b.y - a.y);
}

Point onMidline(const Segment& s) {
    return meet(s.from, s.to, {0, 0}, {1, 0});
}

// The board's width square to the midline where a line crosses it.
double widthAcross(const FannedBoard& board, const Segment& line) {
    const Point crossing = onMidline(line);
    const Segment across = cut(crossing, {crossing.x, crossing.y + 1}, board);
    return across.to.y - across.from.y;
}

// A fret's slot: the lines half the slot's width to either side of the fret, cut at the two
// lines that bound it (the edges, or a partial fret's bands).
std::vector<Point> slotOf(const Segment& fret, double width, const Segment& lower,
                          const Segment& upper) {
    const double length = distance(fret.from, fret.to);
    const double nx = -(fret.to.y - fret.from.y) / length * width / 2;
    const double ny = (fret.to.x - fret.from.x) / length * width / 2;
    const auto side = [&](double sign) {
        const Point a{fret.from.x + sign * nx, fret.from.y + sign * ny};
        const Point b{fret.to.x + sign * nx, fret.to.y + sign * ny};
        return Segment{meet(a, b, lower.from, lower.to), meet(a, b, upper.from, upper.to)};
    };
    const Segment before = side(-1), after = side(1);
    return {before.from, after.from, after.to, before.to};
}

// The board's line j: the scale's start (the nut, or the zero fret) for 0, else fret j.
Segment lineOf(const FannedBoard& board, const Segment& start, int j) {
    return j == 0 ? start : board.frets[static_cast<std::size_t>(j - 1)];
}

// The distance of a point from the line through a segment.
double offLine(const Segment& s, const Point& p) {
    const double dx = s.to.x - s.from.x, dy = s.to.y - s.from.y;
    return std::fabs(dx * (p.y - s.from.y) - dy * (p.x - s.from.x)) / std::hypot(dx, dy);
}

}  // namespace

Workshop workshopDefaults(std::int16_t unitsType) {
    Workshop w;
    const double factor = lengthFactor(kUnitsMillimetres, unitsType);
    for (double* length :
         {&w.slotWidth, &w.markerDiameter, &w.sideMarkerDiameter, &w.boardEnd, &w.nutGap})
        *length *= factor;
    return w;
}

namespace {

std::vector<std::pair<const char*, double*>> workshopLengths(Workshop& w) {
    return {{"txtSlotWidth", &w.slotWidth},
            {"txtMarkerDiameter", &w.markerDiameter},
            {"txtSideMarkerDiameter", &w.sideMarkerDiameter},
            {"txtBoardEnd", &w.boardEnd},
            {"txtNutGap", &w.nutGap},
            {"txtTrebleSaddle", &w.trebleSaddle},
            {"txtBassSaddle", &w.bassSaddle},
            {"txtRadiusNut", &w.radiusAtNut},
            {"txtRadiusEnd", &w.radiusAtEnd}};
}

}  // namespace

std::vector<std::pair<const char*, double*>> fannedLengths(FannedInputs& in) {
    std::vector<std::pair<const char*, double*>> lengths = {
        {"txtFirstScale", &in.firstScale},   {"txtLastScale", &in.lastScale},
        {"txtNutSpacing", &in.nutSpacing},   {"txtBridgeSpacing", &in.bridgeSpacing},
        {"txtOverhang", &in.trebleOverhang}, {"txtBassOverhang", &in.bassOverhang}};
    const auto workshop = workshopLengths(in.workshop);
    lengths.insert(lengths.end(), workshop.begin(), workshop.end());
    return lengths;
}

FannedTexts newerDefaultTexts(std::int16_t unitsType) {
    Workshop w = workshopDefaults(unitsType);
    FannedTexts texts;
    for (const auto& [box, length] : workshopLengths(w)) texts[box] = formatGeneral(*length);
    texts["txtMarkers"] = fretListText(w.markers);
    texts["txtDoubleMarkers"] = fretListText(w.doubleMarkers);
    texts["chkSideMarkers"] = w.sideMarkers ? "1" : "0";
    texts["chkZeroFret"] = w.zeroFret ? "1" : "0";
    for (const auto& [box, text] : {std::pair{"txtBassOverhang", ""},
                                    {"cboTemperament", "0"},
                                    {"txtDivisions", "12"},
                                    {"txtPeriod", "2/1"},
                                    {"txtScalaFile", ""},
                                    {"txtStringTuning", ""},
                                    {"cboFretSet", "0"},
                                    {"txtExtraFrets", ""}})
        texts[box] = text;
    return texts;
}

std::pair<std::vector<int>, std::vector<int>> boardMarkers(const Workshop& w,
                                                           const FannedTuning& tuning) {
    const Workshop guitar;
    if (w.markers != guitar.markers || w.doubleMarkers != guitar.doubleMarkers)
        return {w.markers, w.doubleMarkers};
    if (tuning.scale) return {};
    if (tuning.diatonic) return {{3, 5, 7, 10, 12, 14}, {7, 14}};
    return {w.markers, w.doubleMarkers};
}

std::string markerName(MarkerKind kind) {
    return kind == MarkerKind::Double ? "double" : kind == MarkerKind::Single ? "single" : "none";
}

std::string fretListText(const std::vector<int>& frets) {
    std::string text;
    for (const int fret : frets) text += (text.empty() ? "" : " ") + std::to_string(fret);
    return text;
}

std::optional<std::vector<int>> fretListFromText(std::string_view text) {
    std::vector<int> frets;
    for (const std::string_view word : wordsOf(text)) {
        const auto fret = toInt16(std::string(word));
        if (!fret) return std::nullopt;
        frets.push_back(*fret);
    }
    return frets;
}

double fretFraction(const FretboardSettings& s, int fret) {
    if (s.calcType == kCalcRule18) return 1 - std::pow(1 - s.calcFact, fret);
    return 1 - std::pow(2.0, -fret / 12.0);
}

namespace {

// Where the fret `steps` above the open note of a string tuned to `degree` stands, as a
// fraction of the string: 1 - R(degree) / R(degree + steps); R is the record's twelve equal
// steps (by its method) without a scale.
double stringFraction(const FannedInputs& in, const FretboardSettings& s, int degree, int steps) {
    if (!in.tuning.scale && degree == 0) return fretFraction(s, steps);
    const auto ratio = [&](int m) {
        return in.tuning.scale ? in.tuning.scale->ratio(m) : 1 / (1 - fretFraction(s, m));
    };
    return 1 - ratio(degree) / ratio(degree + steps);
}

// The cents of that fret above the string's open note, from the pitches as given: twelve equal
// steps are 100 cents each, a scale's pitches keep their own digits.
double stringCents(const FannedInputs& in, const FretboardSettings& s, int degree, int steps) {
    if (in.tuning.scale)
        return in.tuning.scale->centsAbove(degree + steps) - in.tuning.scale->centsAbove(degree);
    if (s.calcType != kCalcRule18) return 100.0 * steps;
    return centsOf(1 / (1 - stringFraction(in, s, degree, steps)));
}

}  // namespace

double fretFraction(const FannedInputs& in, const FretboardSettings& s, int fret) {
    // The fret of that number on the first string.
    const int steps = in.tuning.diatonic ? diatonicStep(fret) : fret;
    return stringFraction(in, s, in.tuning.degrees.empty() ? 0 : in.tuning.degrees.front(), steps);
}

namespace {

// The board's frets: every step of the tuning numbered 1 to the fret count, or the diatonic
// set. Precondition: no refusal.
FretSet boardFrets(const FannedInputs& in, const FretboardSettings& s) {
    if (in.tuning.diatonic) {
        auto set = diatonicFrets(s.nFrets, in.tuning.extraFrets);
        if (FretSet* frets = std::get_if<FretSet>(&set)) return std::move(*frets);
    }
    FretSet all;
    for (int j = 1; j <= s.nFrets; ++j) {
        all.steps.push_back(j);
        all.labels.push_back(std::to_string(j));
    }
    return all;
}

}  // namespace

double perpendicularRatio(const FannedInputs& in, const FretboardSettings& s) {
    return in.perpendicularFret ? fretFraction(in, s, *in.perpendicularFret)
                                : in.perpendicularRatio;
}

namespace {

// What the board's own geometry refuses of the workshop inputs.
std::optional<std::string> workshopRefusal(const FannedInputs& in, const FretboardSettings& s) {
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
    FannedInputs flat = in;
    flat.workshop.slotWidth = 0;  // the slots are not needed to measure the gaps
    const FannedBoard board = layOutFannedBoard(flat, s);
    const Segment start = board.zeroFret ? *board.zeroFret : board.nut;
    // The gap square to fret j from the one before it, at its nearer end.
    const auto gap = [&](int j) {
        const Segment a = lineOf(board, start, j - 1);
        const Segment b = lineOf(board, start, j);
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
        const Segment before = lineOf(board, start, c.fret - 1);
        const Segment after = lineOf(board, start, c.fret);
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

std::optional<std::string> fannedRefusal(const FannedInputs& in, const FretboardSettings& s) {
    const double d = std::fabs(in.bridgeSpacing - in.nutSpacing) / 2;
    const auto text = [](double v) { return formatGeneral(v); };
    const Workshop& w = in.workshop;
    if (in.strings < 2 || in.strings > 12) {
        return "The number of strings, " + std::to_string(in.strings) + ", must be 2 to 12.";
    }
    const std::pair<const char*, double> numbers[] = {
        {"first string's scale length", in.firstScale},
        {"last string's scale length", in.lastScale},
        {"string spacing at the nut", in.nutSpacing},
        {"string spacing at the bridge", in.bridgeSpacing},
        {"perpendicular ratio", in.perpendicularFret ? 0.0 : in.perpendicularRatio},
        {"fretboard overhang", in.trebleOverhang},
        {"fretboard overhang", in.bassOverhang},
        {"slot width", w.slotWidth},
        {"marker diameter", w.markerDiameter},
        {"side marker diameter", w.sideMarkerDiameter},
        {"board end", w.boardEnd},
        {"nut gap", w.nutGap},
        {"treble saddle compensation", w.trebleSaddle},
        {"bass saddle compensation", w.bassSaddle},
        {"radius at the nut", w.radiusAtNut},
        {"radius at the end", w.radiusAtEnd},
    };
    // Beyond about 1e150 the layout's squares overflow; no instrument comes near 1e100.
    constexpr double kLargest = 1e100;
    for (const auto& [name, value] : numbers) {
        if (!std::isfinite(value)) {
            return std::string("The ") + name + ", " + text(value) + ", must be a finite number.";
        }
        if (std::fabs(value) > kLargest)
            return std::string("The ") + name + ", " + text(value) + ", is too large to lay out.";
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
    for (const auto& [name, value] : std::span(numbers).subspan(7)) {
        if (value < 0)
            return std::string("The ") + name + ", " + text(value) + ", must be 0 or more.";
    }
    if ((w.radiusAtNut > 0) != (w.radiusAtEnd > 0)) {
        return "The radius at the nut and at the end must both be 0 (a flat board) or both more "
               "than 0.";
    }
    return s.nFrets >= 1 ? workshopRefusal(in, s) : std::nullopt;
}

std::vector<std::string> readFannedTexts(const FannedTexts& texts, std::int16_t unitsType,
                                         FannedInputs& in) {
    const auto textOf = [&texts](std::string_view name) -> const std::string* {
        const auto found = texts.find(name);
        return found == texts.end() ? nullptr : &found->second;
    };
    // Lengths typed in the other unit are converted; texts stored before the unit was kept are
    // taken as typed.
    double scale = 1;
    if (const std::string* stored = textOf("unitsType")) {
        if (const auto units = toInt16(*stored)) scale = lengthFactor(*units, unitsType);
    }
    std::vector<std::string> unreadable;
    const auto number = [&](const char* name, double factor, auto&& take) {
        const std::string* t = textOf(name);
        if (!t) return;
        const auto value = toDouble(*t);
        if (value && std::isfinite(*value)) {
            take(*value * factor);
        } else {
            unreadable.emplace_back(name);
        }
    };
    if (const std::string* t = textOf("txtStrings")) {
        if (const auto n = toInt16(*t)) {
            in.strings = *n;
        } else {
            unreadable.emplace_back("txtStrings");
        }
    }
    const auto readPerpendicular = [&] {
        const std::string* kind = textOf("cboPerpendicular");
        const bool ratio = kind ? *kind == "1" : !in.perpendicularFret;
        if (kind && ratio) in.perpendicularFret.reset();
        if (const std::string* t = textOf("txtPerpendicular")) {
            if (!ratio) {
                if (const auto fret = toInt16(*t)) {
                    in.perpendicularFret = *fret;
                } else {
                    unreadable.emplace_back("txtPerpendicular");
                }
            } else {
                number("txtPerpendicular", 1, [&](double v) {
                    in.perpendicularRatio = v;
                    in.perpendicularFret.reset();
                });
            }
        }
    };
    for (const auto& [name, length] : fannedLengths(in)) {
        const std::string_view box = name;
        if (box == "txtOverhang") {
            readPerpendicular();  // the window's order
            // The one box sets both sides; a bass overhang typed beside it, the bass side.
            number(name, scale, [&in](double v) { in.trebleOverhang = in.bassOverhang = v; });
            continue;
        }
        if (box == "txtBassOverhang") {
            const std::string* t = textOf(box);
            if (t && t->find_first_not_of(' ') == std::string::npos) continue;  // the same
        }
        number(name, scale, [length = length](double v) { *length = v; });
    }
    Workshop& w = in.workshop;
    for (const auto& [name, frets] :
         {std::pair{"txtMarkers", &w.markers}, {"txtDoubleMarkers", &w.doubleMarkers}}) {
        const std::string* t = textOf(name);
        if (!t) continue;
        if (const auto read = fretListFromText(*t)) {
            *frets = *read;
        } else {
            unreadable.emplace_back(name);
        }
    }
    for (const auto& [name, flag] :
         {std::pair{"chkSideMarkers", &w.sideMarkers}, {"chkZeroFret", &w.zeroFret}}) {
        if (const std::string* t = textOf(name)) *flag = *t == "1";
    }
    if (const std::string* set = textOf("cboFretSet")) in.tuning.diatonic = *set == "1";
    if (const std::string* tuned = textOf("txtStringTuning")) {
        if (const auto degrees = fretListFromText(*tuned)) {
            in.tuning.degrees = *degrees;
        } else {
            unreadable.emplace_back("txtStringTuning");
        }
    }
    if (const std::string* extra = textOf("txtExtraFrets")) in.tuning.extraFrets = *extra;
    // The tuning: twelve equal steps (0), equal divisions of a period (1), a Scala file (2).
    const std::string* temperament = textOf("cboTemperament");
    FannedTuning& tuning = in.tuning;
    if (temperament) {
        const FannedTuning frets = tuning;
        tuning = {};
        tuning.diatonic = frets.diatonic;
        tuning.extraFrets = frets.extraFrets;
        tuning.degrees = frets.degrees;
    }
    if (temperament && *temperament == "1") {
        const std::string* divisionsText = textOf("txtDivisions");
        const auto divisions =
            divisionsText ? toInt16(*divisionsText) : std::optional<std::int16_t>(12);
        const std::string* periodText = textOf("txtPeriod");
        const auto period = periodText ? pitchOf(*periodText) : std::optional(Pitch{2, 1200});
        if (!divisions || *divisions < 1 || *divisions > kMaxDivisions)
            unreadable.emplace_back("txtDivisions");
        const bool periodRises = period && period->ratio > 1 && std::isfinite(period->ratio);
        if (!periodRises) unreadable.emplace_back("txtPeriod");
        if (divisions && *divisions >= 1 && *divisions <= kMaxDivisions && periodRises)
            tuning.scale = equalDivisions(*divisions, *period);
    } else if (temperament && *temperament == "2") {
        const std::string* path = textOf("txtScalaFile");
        ScalaFile file = readScalaFile(path ? *path : std::string());
        if (const Scale* read = std::get_if<Scale>(&file.scale)) {
            tuning.scale = *read;
        } else if (file.missing) {
            tuning.note =
                std::get<std::string>(file.scale) + " The frets follow twelve equal steps.";
        } else {
            tuning.refusal = std::get<std::string>(file.scale);
        }
    }
    return unreadable;
}

FannedBoard layOutFannedBoard(const FannedInputs& in, const FretboardSettings& s) {
    FannedBoard board;
    const Workshop& w = in.workshop;
    const double d = (in.bridgeSpacing - in.nutSpacing) / 2;
    const double p = perpendicularRatio(in, s);
    const double a1 = std::sqrt(in.firstScale * in.firstScale - d * d);
    const double aN = std::sqrt(in.lastScale * in.lastScale - d * d);
    const Segment first{{-p * a1, -in.nutSpacing / 2}, {(1 - p) * a1, -in.bridgeSpacing / 2}};
    const Segment last{{-p * aN, in.nutSpacing / 2}, {(1 - p) * aN, in.bridgeSpacing / 2}};
    const Segment nutLine{first.from, last.from};
    const Segment bridgeLine{first.to, last.to};
    for (int k = 0; k < in.strings; ++k) {
        const double t = static_cast<double>(k) / (in.strings - 1);
        board.strings.push_back({along(nutLine, t), along(bridgeLine, t)});
    }
    board.trebleEdge = {shifted(first.from, -in.trebleOverhang),
                        shifted(first.to, -in.trebleOverhang)};
    board.bassEdge = {shifted(last.from, in.bassOverhang), shifted(last.to, in.bassOverhang)};
    // The scale starts at the nut, or at the zero fret with the nut the gap behind it.
    const Segment start = cut(first.from, last.from, board);
    const auto back = [](const Point& q, double dx) { return Point{q.x + dx, q.y}; };
    board.nut = start;
    if (w.zeroFret) {
        board.zeroFret = start;
        board.nut = cut(back(first.from, -w.nutGap), back(last.from, -w.nutGap), board);
    }
    board.bridge = cut(first.to, last.to, board);
    const auto saddlePoint = [](const Segment& string, double scale, double compensation) {
        return along(string, (scale + compensation) / scale);
    };
    board.saddle = {saddlePoint(board.strings.front(), in.firstScale, w.trebleSaddle),
                    saddlePoint(board.strings.back(), in.lastScale, w.bassSaddle)};
    const Point startOnMidline = onMidline(start);
    const FretSet set = boardFrets(in, s);
    const int count = static_cast<int>(set.steps.size());
    // Each string's frets, from its own degree of the scale: R(b + step) / R(b) above it.
    const std::size_t strings = board.strings.size();
    const auto degree = [&](std::size_t string) {
        return in.tuning.degrees.empty() ? 0 : in.tuning.degrees[string];
    };
    // Where fret j stands on string k: the fraction of the outer strings the fret's line joins.
    const auto fractionOf = [&](std::size_t k, int step) {
        return stringFraction(in, s, degree(k), step);
    };
    for (int j = 1; j <= count; ++j) {
        const int step = set.steps[static_cast<std::size_t>(j - 1)];
        // The whole fret line is the first string's; the last string's fret has its own.
        const double r = fractionOf(0, step);
        const Point a = along(first, r);
        const Point b = along(last, r);
        board.frets.push_back(cut(a, b, board));
        FannedFret row;
        row.fret = j;
        row.label = set.labels[static_cast<std::size_t>(j - 1)];
        row.alongFirst = r * in.firstScale;
        row.alongLast = fractionOf(strings - 1, step) * in.lastScale;
        row.alongMidline = meet(a, b, {0, 0}, {1, 0}).x - startOnMidline.x;
        row.angleDegrees = std::atan2(b.x - a.x, b.y - a.y) * 180 / kPi;
        row.cents = stringCents(in, s, degree(0), step);
        row.fromTwelve = row.cents - 100 * std::round(row.cents / 100);
        board.table.push_back(row);
    }
    // The line halfway between neighbouring strings bounds each one's band; the outer strings'
    // bands run to the edges.
    std::vector<Segment> bounds{board.trebleEdge};
    for (std::size_t k = 0; k + 1 < strings; ++k) {
        const Segment& a = board.strings[k];
        const Segment& b = board.strings[k + 1];
        bounds.push_back({mid(a.from, b.from), mid(a.to, b.to)});
    }
    bounds.push_back(board.bassEdge);
    const bool partial = std::any_of(in.tuning.degrees.begin(), in.tuning.degrees.end(),
                                     [&](int b) { return b != degree(0); });
    std::vector<double> fractions(strings);
    std::vector<std::vector<Point>> pieceSlots;
    for (int j = 1; j <= count; ++j) {
        const int step = set.steps[static_cast<std::size_t>(j - 1)];
        for (std::size_t k = 0; k < strings; ++k) {
            fractions[k] = fractionOf(k, step);
            const Point a = along(first, fractions[k]);
            const Point b = along(last, fractions[k]);
            const Segment& string = board.strings[k];
            board.fretPoints.push_back({static_cast<int>(k) + 1,
                                        set.labels[static_cast<std::size_t>(j - 1)],
                                        stringCents(in, s, degree(k), step),
                                        distance(string.from, meet(a, b, string.from, string.to))});
        }
        if (!partial) continue;
        // Neighbours whose fret stands at one fraction share one piece.
        std::vector<Segment> pieces;
        for (std::size_t k = 0; k < strings;) {
            std::size_t end = k + 1;
            while (end < strings &&
                   std::fabs(fractions[end] - fractions[k]) <= 1e-12 * fractions[k])
                ++end;
            const Point a = along(first, fractions[k]);
            const Point b = along(last, fractions[k]);
            pieces.push_back({meet(a, b, bounds[k].from, bounds[k].to),
                              meet(a, b, bounds[end].from, bounds[end].to)});
            if (w.slotWidth > 0)
                pieceSlots.push_back(slotOf(pieces.back(), w.slotWidth, bounds[k], bounds[end]));
            k = end;
        }
        board.fretPieces.push_back(std::move(pieces));
    }
    // The board ends parallel to the last fret, the board end past it along the midline.
    const Segment& lastFret = board.frets.back();
    board.boardEnd = cut(back(lastFret.from, w.boardEnd), back(lastFret.to, w.boardEnd), board);
    board.trebleEdge = {board.nut.from, board.boardEnd.from};
    board.bassEdge = {board.nut.to, board.boardEnd.to};
    board.outline = {board.nut.from, board.boardEnd.from, board.boardEnd.to, board.nut.to};
    if (w.slotWidth > 0) {
        if (board.zeroFret) {
            board.slotOutlines.push_back(
                slotOf(*board.zeroFret, w.slotWidth, board.trebleEdge, board.bassEdge));
        }
        // A partial fret's slots follow its pieces.
        if (partial) {
            board.slotOutlines.insert(board.slotOutlines.end(), pieceSlots.begin(),
                                      pieceSlots.end());
        } else {
            for (const Segment& fret : board.frets)
                board.slotOutlines.push_back(
                    slotOf(fret, w.slotWidth, board.trebleEdge, board.bassEdge));
        }
    }
    // The fingerboard's radius, straight from the nut's to the end's along the midline.
    const double nutX = onMidline(board.nut).x;
    const double endX = onMidline(board.boardEnd).x;
    // Each fret's marker, looked up once; a marker names a fret by its number.
    std::map<std::string, int, std::less<>> byLabel;
    for (int j = 1; j <= count; ++j) byLabel[set.labels[static_cast<std::size_t>(j - 1)]] = j;
    std::vector<MarkerKind> kinds(static_cast<std::size_t>(count) + 1, MarkerKind::None);
    const auto [singles, doubles] = boardMarkers(w, in.tuning);
    for (const auto& [frets, kind] :
         {std::pair{&singles, MarkerKind::Single}, {&doubles, MarkerKind::Double}}) {
        for (const int fret : *frets) {
            const auto found = byLabel.find(std::to_string(fret));
            if (found != byLabel.end()) kinds[static_cast<std::size_t>(found->second)] = kind;
        }
    }
    for (FannedFret& row : board.table) {
        const Segment& fret = lineOf(board, start, row.fret);
        const Point crossing = onMidline(fret);
        row.width = widthAcross(board, fret);
        row.radius =
            w.radiusAtNut + (w.radiusAtEnd - w.radiusAtNut) * (crossing.x - nutX) / (endX - nutX);
        row.marker = kinds[static_cast<std::size_t>(row.fret)];
        if (row.marker == MarkerKind::None) continue;
        const bool twin = row.marker == MarkerKind::Double;
        const Segment& before = lineOf(board, start, row.fret - 1);
        const Point centre = mid(onMidline(before), crossing);
        if (twin) {
            const Segment line = cut(
                centre, {centre.x + fret.to.x - fret.from.x, centre.y + fret.to.y - fret.from.y},
                board);
            board.markers.push_back({along(line, 0.25), w.markerDiameter, row.fret});
            board.markers.push_back({along(line, 0.75), w.markerDiameter, row.fret});
        } else {
            board.markers.push_back({centre, w.markerDiameter, row.fret});
        }
        if (w.sideMarkers)
            board.sideMarkers.push_back({mid(before.to, fret.to), w.sideMarkerDiameter, row.fret});
    }
    return board;
}

}  // namespace varnel
