#pragma once
// The fanned fretboard at full scale on paper: the drawing is cut across its length into pieces
// as long as the printable width allows, each overlapping the next by 10 mm, stacked down the
// pages. Two alignment crosses mark every cut, at the same drawing coordinates on both pieces
// (the two ends of the overlap, 10 mm apart), and each piece is labelled "piece 2 of 4".

#include <QString>
#include <optional>

#include "fanned.h"
#include "fannedlayout.h"
#include "printerprovider.h"
#include "printersurface.h"

namespace varnel {

// How much neighbouring pieces share, and the arms of an alignment cross, in millimetres.
constexpr double kPieceOverlapMm = 10;
constexpr double kCrossArmMm = 3;

// The pieces' start along the drawing's x, in the drawing's unit, for a printable width.
struct Tiling {
    double left = 0;  // the drawing's extent along x
    double right = 0;
    double pieceLength = 0;
    int pieces = 0;
    double pieceStart(int k) const { return left + k * (pieceLength - overlap); }
    double overlap = 0;
};

// Why the board cannot be tiled on this printer (a piece does not fit the page), or none.
std::optional<QString> fannedPageRefusal(PrinterSurface& printer, const FannedBoard& board,
                                         bool inches);

// Draws every piece of the board's drawing (fannedDrawing), then the footer. Precondition: no
// refusal.
void printFannedBoard(PrinterSurface& printer, const FannedBoard& board, bool inches);

// The tiled board as a document, with its refusal; the board must outlive it.
DrawDocument fannedDocument(const FannedBoard& board, bool inches);

// The tiling of a drawing for a printable width, in the drawing's unit.
Tiling tileDrawing(const Drawing& drawing, double printableWidth, double overlap, double arm);

}  // namespace varnel
