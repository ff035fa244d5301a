#include "layout/boardlayout.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

#include "core/numtext.h"
#include "layout/pagelabels.h"

namespace varnel {

Drawing boardDrawing(const DesignerBoard& board, Units units) {
    Drawing d;
    d.units = units;
    // Drawn in this order: what is cut lies over the strings and the edges.
    enum Layer : std::size_t {
        kStrings,
        kEdges,
        kNut,
        kBridge,
        kSaddle,
        kFrets,
        kSlots,
        kMarkers,
        kSideMarkers,
        kNumbers
    };
    d.layers = {{"STRINGS", {150, 150, 150}, 1},
                {"EDGES", {0, 255, 255}, 2, false, kNumberFace, true},
                {"NUT", {0, 0, 0}, 3},
                {"BRIDGE", {0, 0, 0}, 3},
                {"SADDLE", {0, 0, 255}, 2},
                {"FRETS", {0, 0, 0}, 1},
                {"SLOTS", {255, 0, 0}, 1, false, kNumberFace, true},
                {"MARKERS", {255, 0, 255}, 1, false, kNumberFace, true},
                {"SIDEMARKERS", {255, 0, 255}, 1},
                {"NUMBERS", {0, 0, 0}, 1}};
    for (const Segment& s : board.strings) d.lines.push_back({kStrings, s});
    d.outline(kEdges, board.outline);
    // A compensated nut and saddle run through each string's point; else they are straight.
    const auto polyline = [&d](std::size_t layer, const std::vector<Point>& points) {
        for (std::size_t k = 0; k + 1 < points.size(); ++k) d.line(layer, points[k], points[k + 1]);
    };
    if (board.nutPoints.empty()) {
        d.lines.push_back({kNut, board.nut});
    } else {
        // From edge to edge, as the nut it stands for: its outer pieces carried on to the edges.
        std::vector<Point> nut = board.nutPoints;
        if (nut.size() >= 2) {
            const Segment& treble = board.trebleEdge;
            const Segment& bass = board.bassEdge;
            nut.insert(nut.begin(), meet(nut[0], nut[1], treble.from, treble.to));
            nut.push_back(meet(nut[nut.size() - 2], nut.back(), bass.from, bass.to));
        }
        polyline(kNut, nut);
    }
    d.lines.push_back({kBridge, board.bridge});
    if (board.saddlePoints.empty()) {
        d.lines.push_back({kSaddle, board.saddle});
    } else {
        polyline(kSaddle, board.saddlePoints);
    }
    if (board.zeroFret) d.lines.push_back({kFrets, *board.zeroFret});
    // Partial frets as their pieces.
    if (board.fretPieces.empty()) {
        for (const Segment& s : board.frets) d.lines.push_back({kFrets, s});
    } else {
        for (const auto& pieces : board.fretPieces) {
            for (const Segment& s : pieces) d.lines.push_back({kFrets, s});
        }
    }
    for (const std::vector<Point>& slot : board.slotOutlines) d.outline(kSlots, slot);
    for (const Circle& c : board.markers) d.circle(kMarkers, c.centre, c.diameter);
    for (const Circle& c : board.sideMarkers) d.circle(kSideMarkers, c.centre, c.diameter);
    const double drop = kBoardNumberDropMm * unitsPerMillimetre(units);
    for (std::size_t i = 0; i < board.frets.size(); ++i) {
        // Below the fret's bass end: its last piece's, when it is partial.
        const Point& end =
            board.fretPieces.empty() ? board.frets[i].to : board.fretPieces[i].back().to;
        d.text(kNumbers, {end.x, end.y + drop}, kBoardNumberPoints, board.table[i].label);
    }
    return d;
}

Drawing boardOnlyDrawing(const DesignerBoard& board, Units units) {
    return keepLayers(boardDrawing(board, units),
                      {"EDGES", "NUT", "FRETS", "SLOTS", "MARKERS", "NUMBERS"});
}

Tiling tileDrawing(const Drawing& drawing, double printableWidth, double overlap, double arm) {
    const Extent e = extentOf(drawing);
    Tiling t;
    t.left = e.left;
    t.right = e.right;
    t.overlap = overlap;
    // A cross at a piece's end needs its arm's room inside the printable width.
    t.pieceLength = printableWidth - 2 * arm;
    const double step = t.pieceLength - overlap;
    // Counted as a double first: an absurd length would overflow an int.
    const double count =
        step > 0 ? std::max(1.0, std::ceil((e.right - e.left - overlap) / step)) : 0;
    t.pieces = count > kMaxPieces ? 0 : static_cast<int>(count);
    t.tooMany = count > kMaxPieces;
    if (e.right - e.left <= t.pieceLength) t.pieces = 1;
    return t;
}

namespace {

// The part of a segment between two x, or none.
std::optional<Segment> clipped(const Segment& s, double x0, double x1) {
    Point a = s.from, b = s.to;
    if (a.x > b.x) std::swap(a, b);
    if (b.x < x0 || a.x > x1) return std::nullopt;
    const auto at = [&](double x) {
        if (b.x == a.x) return a;
        const double t = (x - a.x) / (b.x - a.x);
        return Point{x, a.y + t * (b.y - a.y)};
    };
    return Segment{a.x < x0 ? at(x0) : a, b.x > x1 ? at(x1) : b};
}

}  // namespace

namespace {

// Where fret i crosses the first string, when a fret line is drawn there (a partial fret may
// stop short of it).
std::optional<Point> crossingOnFirstString(const DesignerBoard& board, std::size_t i) {
    const Segment& string = board.strings.front();
    const double length = std::hypot(string.to.x - string.from.x, string.to.y - string.from.y);
    const double t = board.table[i].alongFirst / length;
    const Point p{string.from.x + t * (string.to.x - string.from.x),
                  string.from.y + t * (string.to.y - string.from.y)};
    if (board.fretPieces.empty()) return p;
    for (const Segment& piece : board.fretPieces[i]) {
        const double dx = piece.to.x - piece.from.x, dy = piece.to.y - piece.from.y;
        const double along =
            ((p.x - piece.from.x) * dx + (p.y - piece.from.y) * dy) / (dx * dx + dy * dy);
        if (along >= -1e-9 && along <= 1 + 1e-9) return p;
    }
    return std::nullopt;
}

// The first and the last line across the first string that a piece shows whole, and the
// distance between them along the string.
Message pieceCheck(const DesignerBoard& board, Units units, double x0, double x1) {
    struct Mark {
        Message name;
        double along;
    };
    std::vector<Mark> marks;
    if (board.strings.empty()) return {};
    // The nut where it is drawn: a compensated one stands its setback along the string.
    const bool moved = !board.nutPoints.empty();
    const Point start = moved ? board.nutPoints.front() : board.strings.front().from;
    if (start.x >= x0 && start.x <= x1) {
        marks.push_back(
            {board.zeroFret ? QT_TRANSLATE_NOOP("varnel::Words", "zero fret") : fretName(0),
             moved ? board.intonation.front().nut : 0});
    }
    for (std::size_t i = 0; i < board.table.size() && i < board.frets.size(); ++i) {
        const auto p = crossingOnFirstString(board, i);
        if (p && p->x >= x0 && p->x <= x1)
            marks.push_back({fretName(board.table[i].label), board.table[i].alongFirst});
    }
    if (marks.size() < 2) return {};
    return Message(QT_TRANSLATE_NOOP("varnel::Words", "first string, %1"),
                   {inner(checkDimension(marks.front().name, marks.back().name,
                                         marks.back().along - marks.front().along, units))});
}

}  // namespace

Message boardDescription(const DesignerBoard& board, Units units) {
    return boardLabel(board.firstScale, board.lastScale, units, board.frets.size(),
                      board.tuningName);
}

BoardPages boardPages(const DesignerBoard& board, Units units, const PageFrame& frame,
                      const TextMeasure& measure, const std::string& note) {
    const double textHeight =
        inchesToUnit(measure.lineHeightInches(kNumberFace, kBoardNumberPoints), units);
    TiledPart part{
        boardDrawing(board, units), kBoardNumberDropMm * unitsPerMillimetre(units) + textHeight,
        [&board, units](double x0, double x1) { return pieceCheck(board, units, x0, x1); }};
    return tiledPages({std::move(part)}, units, frame, measure,
                      measure.words(boardDescription(board, units)), note);
}

BoardPages tiledPages(const std::vector<TiledPart>& parts, Units units, const PageFrame& frame,
                      const TextMeasure& measure, const std::string& description,
                      const std::string& note) {
    const double perMm = unitsPerMillimetre(units);
    const double arm = kCrossArmMm * perMm;
    const double gap = perMm;
    const double textHeight =
        inchesToUnit(measure.lineHeightInches(kNumberFace, kBoardNumberPoints), units);
    BoardPages out;
    if (parts.empty()) return out;
    // Every piece: its labels, the upper crosses' band, the drawing, the room below it, the
    // lower crosses' band, then the rule and its check. Nothing drawn reaches into a label.
    std::vector<Tiling> tilings;
    int total = 0;
    for (const TiledPart& part : parts) {
        tilings.push_back(tileDrawing(part.drawing, frame.width, kPieceOverlapMm * perMm, arm));
        total += tilings.back().pieces;
        if (tilings.back().tooMany || total > kMaxPieces) tilings.back().tooMany = true;
    }
    out.tiling = tilings.front();
    out.tiling.tooMany =
        std::any_of(tilings.begin(), tilings.end(), [](const Tiling& t) { return t.tooMany; });
    const auto pieceText = [&measure](int k, int n) {
        return measure.words(
            Message(QT_TRANSLATE_NOOP("varnel::Words", "piece %1 of %2"), {number(k), number(n)}));
    };
    const std::vector<std::string> widest{pieceText(total, total), description, programText()};
    const double labelsHeight =
        appendLabelRow(nullptr, 0, 0, frame.width, widest, widest, measure, units);
    // Any check gives the rule's height.
    const double ruleHeight = appendCheckRule(nullptr, 0, 0, frame.width, "check", measure, units);
    const auto heightOf = [&](const TiledPart& part) {
        const Extent e = extentOf(part.drawing);
        return labelsHeight + 2 * arm + e.bottom - e.top + part.roomBelow + 2 * arm + gap +
               ruleHeight;
    };
    for (const TiledPart& part : parts) out.pieceHeight = std::max(out.pieceHeight, heightOf(part));
    const bool anyEmpty =
        std::any_of(tilings.begin(), tilings.end(), [](const Tiling& t) { return t.pieces == 0; });
    if (anyEmpty || out.tiling.tooMany || out.pieceHeight > frame.height) return out;
    Drawing blank = parts.front().drawing.blank();
    const std::size_t marks = blank.addLayer({"CROSSES", {0, 0, 0}, 1});
    const std::size_t labels = blank.addLayer(labelLayer());
    // Every part's layers on the pages, one by a name: each item keeps its style.
    std::vector<std::vector<std::size_t>> layersOf;
    for (const TiledPart& part : parts) {
        std::vector<std::size_t>& layerOf = layersOf.emplace_back();
        for (const DrawingLayer& layer : part.drawing.layers) {
            const auto known =
                std::find_if(blank.layers.begin(), blank.layers.end(),
                             [&](const DrawingLayer& l) { return l.name == layer.name; });
            layerOf.push_back(known != blank.layers.end()
                                  ? static_cast<std::size_t>(known - blank.layers.begin())
                                  : blank.addLayer(layer));
        }
    }
    out.pages.push_back(blank);
    double top = 0;
    int number = 0;
    for (std::size_t n = 0; n < parts.size(); ++n) {
        const Drawing& drawing = parts[n].drawing;
        const Tiling& t = tilings[n];
        const Extent e = extentOf(drawing);
        const double height = heightOf(parts[n]);
        const std::vector<std::size_t>& layerOf = layersOf[n];
        for (int k = 0; k < t.pieces; ++k) {
            if (top > 0 && top + height > frame.height) {
                out.pages.push_back(blank);
                top = 0;
            }
            Drawing& page = out.pages.back();
            const double x0 = t.pieceStart(k);
            const double x1 = x0 + t.pieceLength;
            // Drawing coordinates to the page: the piece's start at the cross arm's room.
            const double dx = arm - x0;
            const double dy = top + labelsHeight + 2 * arm - e.top;
            const auto onPage = [&](const Point& p) { return Point{p.x + dx, p.y + dy}; };
            // The drawing's lines, outlines (as their sides), circles, arcs and texts on this
            // piece.
            const auto clip = [&](std::size_t layer, const Segment& segment) {
                if (const auto part = clipped(segment, x0, x1))
                    page.line(layerOf[layer], onPage(part->from), onPage(part->to));
            };
            for (const DrawingLine& line : drawing.lines) clip(line.layer, line.segment);
            for (const DrawingOutline& outline : drawing.outlines) {
                for (const Segment& side : sidesOf(outline)) clip(outline.layer, side);
            }
            for (const DrawingCircle& c : drawing.circles) {
                if (c.centre.x >= x0 && c.centre.x <= x1)
                    page.circle(layerOf[c.layer], onPage(c.centre), c.diameter);
            }
            for (const DrawingArc& arc : drawing.arcs) {
                for (DrawingArc piece : arcBetween(arc, x0, x1)) {
                    piece.layer = layerOf[arc.layer];
                    piece.centre = onPage(piece.centre);
                    page.arcs.push_back(piece);
                }
            }
            for (const DrawingText& text : drawing.texts) {
                if (text.topLeft.x < x0 || text.topLeft.x > x1) continue;
                page.text(layerOf[text.layer], onPage(text.topLeft), text.points, text.text);
            }
            // Crosses at both ends of each overlap this piece shares, the same drawing
            // coordinates on both pieces.
            const auto cross = [&](double x) {
                for (const double y : {e.top - arm, e.bottom + parts[n].roomBelow + arm}) {
                    page.line(marks, {x + dx - arm, y + dy}, {x + dx + arm, y + dy});
                    page.line(marks, {x + dx, y + dy - arm}, {x + dx, y + dy + arm});
                }
            };
            if (k > 0) {
                cross(x0);
                cross(x0 + t.overlap);
            }
            if (k + 1 < t.pieces) {
                cross(t.pieceStart(k + 1));
                cross(t.pieceStart(k + 1) + t.overlap);
            }
            ++number;
            appendLabelRow(&page, labels, top, frame.width,
                           {pieceText(number, total), description, programText()}, widest, measure,
                           units);
            const Message check = parts[n].check ? parts[n].check(x0, x1) : Message();
            appendCheckRule(&page, labels, top + height - ruleHeight, frame.width, check, measure,
                            units);
            top += height + textHeight;
        }
    }
    TextFlow footer(out.pages, blank, frame.height);
    footer.y = top;
    appendFooter(footer, marks, measure, note);
    return out;
}

}  // namespace varnel
