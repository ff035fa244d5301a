#pragma once
// The fanned fretboard as one drawing, which the tiled pages, the window and the files all
// show: strings, edges, nut, bridge, frets, and each fret's number just below the bass edge.

#include "drawing.h"
#include "fanned.h"

namespace varnel {

// The fret numbers' type, and how far below the bass end of its fret a number's top stands.
constexpr double kFannedNumberPoints = 8;
constexpr double kFannedNumberDropMm = 1.5;

// In the board's coordinates and unit: x along the midline, y across it towards the bass.
Drawing fannedDrawing(const FannedBoard& board, bool inches);

}  // namespace varnel
