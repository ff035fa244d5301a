#include "fannedlayout.h"

#include <string>

namespace varnel {

Drawing fannedDrawing(const FannedBoard& board, bool inches) {
    Drawing d;
    d.inches = inches;
    // Drawn in this order: what is cut lies over the strings and the edges.
    enum Layer : std::size_t { kStrings, kEdges, kNut, kBridge, kFrets, kNumbers };
    d.layers = {{"STRINGS", {150, 150, 150}, 1}, {"EDGES", {0, 255, 255}, 2},
                {"NUT", {0, 0, 0}, 3},           {"BRIDGE", {0, 0, 0}, 3},
                {"FRETS", {0, 0, 0}, 1},         {"NUMBERS", {0, 0, 0}, 1}};
    for (const Segment& s : board.strings) d.lines.push_back({kStrings, s});
    d.lines.push_back({kEdges, board.trebleEdge});
    d.lines.push_back({kEdges, board.bassEdge});
    d.lines.push_back({kNut, board.nut});
    d.lines.push_back({kBridge, board.bridge});
    for (const Segment& s : board.frets) d.lines.push_back({kFrets, s});
    const double drop = kFannedNumberDropMm * unitsPerMillimetre(inches);
    const double size = pointsToUnit(kFannedNumberPoints, inches);
    for (std::size_t i = 0; i < board.frets.size(); ++i) {
        const Point& end = board.frets[i].to;
        d.texts.push_back({kNumbers, {end.x, end.y + drop}, size, std::to_string(i + 1)});
    }
    return d;
}

}  // namespace varnel
