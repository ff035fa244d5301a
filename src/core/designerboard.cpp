#include "core/designerboard.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <tuple>
#include <utility>

#include "core/numtext.h"
#include "core/translatable.h"

namespace varnel {

namespace {

constexpr double kPi = 3.14159265358979323846;

// Each string's saddle (and nut) setback from its string set and the action, over the frets to
// intonate: its frets and their cents as the board places them on that string.
void intonateBoard(const DesignerInputs& in, const FretboardSettings& s, DesignerBoard& board) {
    const IntonationInputs& i = in.intonation;
    const std::size_t strings = board.strings.size();
    const std::size_t frets = board.table.size();
    if (!i.set || i.saddle == SaddleKind::Typed || i.set->strings.size() < strings || i.frets < 2 ||
        static_cast<std::size_t>(i.frets) > frets)
        return;
    const double metres = 1e-3 / unitsPerMillimetre(unitsOf(s.unitsType));
    std::vector<StringGeometry> geometry(strings);
    std::vector<double> places(strings);
    for (std::size_t k = 0; k < strings; ++k) {
        StringGeometry& g = geometry[k];
        const Segment& string = board.strings[k];
        g.length = std::hypot(string.to.x - string.from.x, string.to.y - string.from.y);
        g.octave = g.length / 2;  // where fret 12 would stand, on a board without one
        g.actionNut = i.actionNut;
        g.action12 = i.action12;
        g.metresPerUnit = metres;
        for (std::size_t j = 0; j < frets; ++j) {
            const FretPoint& point = board.fretPoints[j * strings + k];
            // The action is measured at the fret numbered 12; frets 1 to K by their numbers
            // (a diatonic board's extra fret "6+" among them).
            const int number = std::atoi(point.fret.c_str());
            if (point.fret == "12") g.octave = point.fromNut;
            if (number > i.frets) continue;
            g.frets.push_back(point.fromNut);
            g.fretCents.push_back(point.cents);
        }
        places[k] = static_cast<double>(k) / static_cast<double>(strings - 1);
    }
    const std::vector<StringSpec> specs(i.set->strings.begin(),
                                        i.set->strings.begin() + static_cast<long>(strings));
    board.intonation =
        intonate(specs, geometry, i.nutToo, i.saddle == SaddleKind::Straight, places);
    board.intonationInputs = i;
    for (std::size_t k = 0; k < strings; ++k) {
        const Segment& string = board.strings[k];
        const double length = geometry[k].length;
        board.saddlePoints.push_back(along(string, (length + board.intonation[k].saddle) / length));
        if (i.nutToo) board.nutPoints.push_back(along(string, board.intonation[k].nut / length));
    }
}

Message tuningName(const DesignerInputs& in, const FretboardSettings& s) {
    const DesignerTuning& t = in.tuning;
    if (t.scale && t.temperament == 1)
        return Message(QT_TRANSLATE_NOOP("varnel::Words", "%1 equal divisions of %2"),
                       {verbatim(t.divisions), verbatim(t.period)});
    if (t.scale) {
        const std::size_t slash = t.scalaFile.find_last_of("/\\");
        return Message(QT_TRANSLATE_NOOP("varnel::Words", "Scala file %1"),
                       {verbatim(t.scalaFile.substr(slash == std::string::npos ? 0 : slash + 1))});
    }
    if (!t.diatonic) return methodDescription(s);
    return Message(QT_TRANSLATE_NOOP("varnel::Words", "diatonic frets, %1"),
                   {inner(methodDescription(s))});
}

Point shifted(const Point& p, double dy) {
    return {p.x, p.y + dy};
}

// The line through a and b cut at the two edges.
Segment cut(const Point& a, const Point& b, const DesignerBoard& board) {
    return {meet(a, b, board.trebleEdge.from, board.trebleEdge.to),
            meet(a, b, board.bassEdge.from, board.bassEdge.to)};
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

}  // namespace

double widthAcross(const DesignerBoard& board, const Segment& line) {
    const Point crossing = onXAxis(line);
    const Segment across = cut(crossing, {crossing.x, crossing.y + 1}, board);
    return across.to.y - across.from.y;
}

Segment scaleLine(const DesignerBoard& board, int j) {
    if (j > 0) return board.frets[static_cast<std::size_t>(j - 1)];
    return board.zeroFret ? *board.zeroFret : board.nut;
}

std::pair<std::vector<int>, std::vector<int>> boardMarkers(const Workshop& w,
                                                           const DesignerTuning& tuning) {
    const Workshop guitar;
    if (w.markers != guitar.markers || w.doubleMarkers != guitar.doubleMarkers)
        return {w.markers, w.doubleMarkers};
    // A scale of twelve equal steps of the octave is twelve equal, however it was typed.
    const auto twelveEqual = [](const Scale& scale) {
        if (scale.size() != 12) return false;
        for (int k = 1; k <= 12; ++k) {
            if (std::fabs(scale.centsAbove(k) - 100.0 * k) > 1e-6) return false;
        }
        return true;
    };
    if (tuning.scale && !twelveEqual(*tuning.scale)) return {};
    if (tuning.diatonic) return {{3, 5, 7, 10, 12, 14}, {7, 14}};
    return {w.markers, w.doubleMarkers};
}

std::string markerName(MarkerKind kind) {
    // Also the fret table's words, which a window translates.
    return kind == MarkerKind::Double   ? QT_TRANSLATE_NOOP("varnel::Words", "double")
           : kind == MarkerKind::Single ? QT_TRANSLATE_NOOP("varnel::Words", "single")
                                        : QT_TRANSLATE_NOOP("varnel::Words", "none");
}

double fretFraction(const FretboardSettings& s, int fret) {
    if (s.calcType == kCalcRule18) return 1 - std::pow(1 - s.calcFact, fret);
    return 1 - std::pow(2.0, -fret / 12.0);
}

namespace {

// Where the fret `steps` above the open note of a string tuned to `degree` stands, as a
// fraction of the string: 1 - R(degree) / R(degree + steps); R is the record's twelve equal
// steps (by its method) without a scale.
double stringFraction(const DesignerInputs& in, const FretboardSettings& s, int degree, int steps) {
    if (!in.tuning.scale && degree == 0) return fretFraction(s, steps);
    const auto ratio = [&](int m) {
        return in.tuning.scale ? in.tuning.scale->ratio(m) : 1 / (1 - fretFraction(s, m));
    };
    return 1 - ratio(degree) / ratio(degree + steps);
}

// The cents of that fret above the string's open note, from the pitches as given: twelve equal
// steps are 100 cents each, a scale's pitches keep their own digits.
double stringCents(const DesignerInputs& in, const FretboardSettings& s, int degree, int steps) {
    if (in.tuning.scale)
        return in.tuning.scale->centsAbove(degree + steps) - in.tuning.scale->centsAbove(degree);
    if (s.calcType != kCalcRule18) return 100.0 * steps;
    return centsOf(1 / (1 - stringFraction(in, s, degree, steps)));
}

}  // namespace

double fretFraction(const DesignerInputs& in, const FretboardSettings& s, int fret) {
    // The fret of that number on the first string.
    const int steps = in.tuning.diatonic ? diatonicStep(fret) : fret;
    return stringFraction(in, s, in.tuning.degrees.empty() ? 0 : in.tuning.degrees.front(), steps);
}

namespace {

// The board's frets: every step of the tuning numbered 1 to the fret count, or the diatonic
// set. Precondition: no refusal.
FretSet boardFrets(const DesignerInputs& in, const FretboardSettings& s) {
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

double perpendicularRatio(const DesignerInputs& in, const FretboardSettings& s) {
    return in.perpendicularFret ? fretFraction(in, s, *in.perpendicularFret)
                                : in.perpendicularRatio;
}

DesignerBoard layOutBoard(const DesignerInputs& in, const FretboardSettings& s) {
    DesignerBoard board;
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
    const Point startOnMidline = onXAxis(start);
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
        BoardFret row;
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
    const double nutX = onXAxis(board.nut).x;
    const double endX = onXAxis(board.boardEnd).x;
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
    for (BoardFret& row : board.table) {
        const Segment fret = scaleLine(board, row.fret);
        const Point crossing = onXAxis(fret);
        row.width = widthAcross(board, fret);
        row.radius =
            w.radiusAtNut + (w.radiusAtEnd - w.radiusAtNut) * (crossing.x - nutX) / (endX - nutX);
        row.marker = kinds[static_cast<std::size_t>(row.fret)];
        if (row.marker == MarkerKind::None) continue;
        const bool twin = row.marker == MarkerKind::Double;
        const Segment before = scaleLine(board, row.fret - 1);
        const Point centre = mid(onXAxis(before), crossing);
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
    board.firstScale = in.firstScale;
    board.lastScale = in.lastScale;
    board.tuningName = tuningName(in, s);
    board.radiusAtNut = w.radiusAtNut;
    board.radiusAtEnd = w.radiusAtEnd;
    intonateBoard(in, s, board);
    return board;
}

}  // namespace varnel
