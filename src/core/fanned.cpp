#include "core/fanned.h"

#include <cmath>
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

}  // namespace

double fretFraction(const FretboardSettings& s, int fret) {
    if (s.calcType == kCalcRule18) return 1 - std::pow(1 - s.calcFact, fret);
    return 1 - std::pow(2.0, -fret / 12.0);
}

double perpendicularRatio(const FannedInputs& in, const FretboardSettings& s) {
    return in.perpendicularFret ? fretFraction(s, *in.perpendicularFret) : in.perpendicularRatio;
}

std::optional<std::string> fannedRefusal(const FannedInputs& in, const FretboardSettings& s) {
    const double d = std::fabs(in.bridgeSpacing - in.nutSpacing) / 2;
    const auto text = [](double v) { return formatGeneral(v); };
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
    if (s.calcType == kCalcRule18 && !(s.calcFact >= 0 && s.calcFact <= 1)) {
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
    return std::nullopt;
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
    number("txtFirstScale", scale, [&](double v) { in.firstScale = v; });
    number("txtLastScale", scale, [&](double v) { in.lastScale = v; });
    number("txtNutSpacing", scale, [&](double v) { in.nutSpacing = v; });
    number("txtBridgeSpacing", scale, [&](double v) { in.bridgeSpacing = v; });
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
    number("txtOverhang", scale, [&](double v) { in.trebleOverhang = in.bassOverhang = v; });
    return unreadable;
}

FannedBoard layOutFannedBoard(const FannedInputs& in, const FretboardSettings& s) {
    FannedBoard board;
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
    board.nut = cut(first.from, last.from, board);
    board.bridge = cut(first.to, last.to, board);
    const Point nutOnMidline = meet(first.from, last.from, {0, 0}, {1, 0});
    for (int j = 1; j <= s.nFrets; ++j) {
        const double r = fretFraction(s, j);
        const Point a = along(first, r);
        const Point b = along(last, r);
        board.frets.push_back(cut(a, b, board));
        FannedFret row;
        row.fret = j;
        row.alongFirst = r * in.firstScale;
        row.alongLast = r * in.lastScale;
        row.alongMidline = meet(a, b, {0, 0}, {1, 0}).x - nutOnMidline.x;
        row.angleDegrees = std::atan2(b.x - a.x, b.y - a.y) * 180 / kPi;
        board.table.push_back(row);
    }
    return board;
}

}  // namespace varnel
