#include "layout/boardlayout.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

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
    d.lines.push_back({kNut, board.nut});
    d.lines.push_back({kBridge, board.bridge});
    d.lines.push_back({kSaddle, board.saddle});
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

BoardPages boardPages(const DesignerBoard& board, Units units, const PageFrame& frame,
                      const TextMeasure& measure, const std::string& note) {
    const Drawing drawing = boardDrawing(board, units);
    const Extent e = extentOf(drawing);
    const double perMm = unitsPerMillimetre(units);
    const double arm = kCrossArmMm * perMm;
    const double textHeight =
        inchesToUnit(measure.lineHeightInches(kNumberFace, kBoardNumberPoints), units);
    BoardPages out;
    // From the top: the "piece k of n" label, the upper crosses' band, the board, the fret
    // numbers below the bass edge, the lower crosses' band. Nothing drawn reaches into a label.
    const double numbersBelow = kBoardNumberDropMm * perMm + textHeight;
    out.pieceHeight = textHeight + 2 * arm + e.bottom - e.top + numbersBelow + 2 * arm;
    out.tiling = tileDrawing(drawing, frame.width, kPieceOverlapMm * perMm, arm);
    const Tiling& t = out.tiling;
    if (t.pieces == 0 || out.pieceHeight > frame.height) return out;
    Drawing blank = drawing;
    blank.lines.clear();
    blank.outlines.clear();
    blank.circles.clear();
    blank.texts.clear();
    const std::size_t marks = blank.addLayer({"CROSSES", {0, 0, 0}, 1});
    out.pages.push_back(blank);
    double top = 0;
    for (int k = 0; k < t.pieces; ++k) {
        if (top > 0 && top + out.pieceHeight > frame.height) {
            out.pages.push_back(blank);
            top = 0;
        }
        Drawing& page = out.pages.back();
        const double x0 = t.pieceStart(k);
        const double x1 = x0 + t.pieceLength;
        // Drawing coordinates to the page: the piece's start at the cross arm's room.
        const double dx = arm - x0;
        const double dy = top + textHeight + 2 * arm - e.top;
        // The drawing's lines, outlines (as their sides), circles and texts on this piece.
        const auto clip = [&](std::size_t layer, const Segment& segment) {
            if (const auto part = clipped(segment, x0, x1)) {
                page.line(layer, {part->from.x + dx, part->from.y + dy},
                          {part->to.x + dx, part->to.y + dy});
            }
        };
        for (const DrawingLine& line : drawing.lines) clip(line.layer, line.segment);
        for (const DrawingOutline& outline : drawing.outlines) {
            for (const Segment& side : sidesOf(outline)) clip(outline.layer, side);
        }
        for (const DrawingCircle& c : drawing.circles) {
            if (c.centre.x >= x0 && c.centre.x <= x1)
                page.circle(c.layer, {c.centre.x + dx, c.centre.y + dy}, c.diameter);
        }
        for (const DrawingText& text : drawing.texts) {
            if (text.topLeft.x < x0 || text.topLeft.x > x1) continue;
            page.text(text.layer, {text.topLeft.x + dx, text.topLeft.y + dy}, text.points,
                      text.text);
        }
        // Crosses at both ends of each overlap this piece shares, the same drawing coordinates
        // on both pieces.
        const auto cross = [&](double x) {
            for (const double y : {e.top - arm, e.bottom + numbersBelow + arm}) {
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
        page.text(marks, {0, top}, kBoardNumberPoints,
                  "piece " + std::to_string(k + 1) + " of " + std::to_string(t.pieces));
        top += out.pieceHeight + textHeight;
    }
    TextFlow footer(out.pages, blank, frame.height);
    footer.y = top;
    appendFooter(footer, marks, measure, note);
    return out;
}

}  // namespace varnel
