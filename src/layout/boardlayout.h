#pragma once
// The designer's board as one drawing, which the tiled pages, the window and the files all
// show: strings, edges, nut, bridge, frets, and each fret's number just below the bass edge.

#include <functional>
#include <string>
#include <vector>

#include "core/designerboard.h"
#include "layout/drawing.h"

namespace varnel {

// The fret numbers' type, and how far below the bass end of its fret a number's top stands.
constexpr double kBoardNumberPoints = 8;
constexpr double kBoardNumberDropMm = 1.5;

// In the board's coordinates and unit: x along the midline, y across it towards the bass.
Drawing boardDrawing(const DesignerBoard& board, Units units);

// Only what lies on the board's face: its outline, the nut, the frets and their slots, the
// markers and the fret numbers (no strings, bridge, saddle or side markers), so that a file's
// page is the board's outline and its margin.
Drawing boardOnlyDrawing(const DesignerBoard& board, Units units);

// On paper the drawing is cut across its length into pieces as long as the printable width
// allows, each overlapping the next by 10 mm, stacked down the pages. Two alignment crosses mark
// every cut, at the same drawing coordinates on both pieces (the two ends of the overlap, 10 mm
// apart), and each piece is labelled "piece 2 of 4".
constexpr double kPieceOverlapMm = 10;
constexpr double kCrossArmMm = 3;
// More pieces than any fretboard needs: a board that would take more is refused.
constexpr int kMaxPieces = 1000;

// The pieces' start along the drawing's x, in the drawing's unit, for a printable width.
struct Tiling {
    double left = 0;  // the drawing's extent along x
    double right = 0;
    double pieceLength = 0;
    int pieces = 0;
    double pieceStart(int k) const { return left + k * (pieceLength - overlap); }
    double overlap = 0;
    bool tooMany = false;  // more than kMaxPieces
};

// The tiling of a drawing for a printable width, in the drawing's unit.
Tiling tileDrawing(const Drawing& drawing, double printableWidth, double overlap, double arm);

// A drawing to print in pieces: the room below its lines that the texts hanging under them take
// (the fret numbers), and what a piece showing the drawing between two x can be checked by ("nut
// to fret 5 = 163.351 mm"; none when empty).
struct TiledPart {
    Drawing drawing;
    double roomBelow = 0;
    std::function<Message(double x0, double x1)> check;
};

// The parts' pieces stacked down pages of the frame (in the unit), then the footer with the note
// under it. Each piece carries at its top "piece k of n" (counted over all parts), the
// description and the program, and under its lower crosses the check rule and its check
// dimension. No pages when a piece does not fit the page (no piece, or one higher than the page,
// or more than kMaxPieces).
struct BoardPages {
    std::vector<Drawing> pages;
    Tiling tiling;           // the first part's
    double pieceHeight = 0;  // the highest piece's
};
BoardPages tiledPages(const std::vector<TiledPart>& parts, Units units, const PageFrame& frame,
                      const TextMeasure& measure, const std::string& description,
                      const std::string& note);

// What a board is for: "scale 648 to 686 mm, 24 frets, twelfth root of 2".
Message boardDescription(const DesignerBoard& board, Units units);

// The board's pieces, each checked along its first string.
BoardPages boardPages(const DesignerBoard& board, Units units, const PageFrame& frame,
                      const TextMeasure& measure, const std::string& note);

}  // namespace varnel
