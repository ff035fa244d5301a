#include "render/boardprint.h"

#include <cmath>

#include "render/printjobs.h"

namespace varnel {

namespace {

// The pieces laid out on this printer, or why they do not fit.
std::optional<QString> layOutPieces(PrinterSurface& printer, const DesignerBoard& board,
                                    Units units, BoardPages& pages) {
    pages = boardPages(board, units, printer.frame(units), printer, noteOf(printer));
    if (!pages.pages.empty()) return std::nullopt;
    const double perMm = unitsPerMillimetre(units);
    const Tiling& t = pages.tiling;
    if (t.tooMany) {
        return QStringLiteral(
                   "The fretboard is too long to print: it would take more than %1 "
                   "pieces of paper.")
            .arg(kMaxPieces);
    }
    return QStringLiteral(
               "The fretboard does not fit on a page of this paper: a piece needs %1 by %2 mm. "
               "Print on larger paper or in the other orientation.")
        .arg(std::lround((t.pieceLength > 0 ? t.pieceLength : kPieceOverlapMm * perMm) / perMm))
        .arg(std::lround(pages.pieceHeight / perMm));
}

}  // namespace

std::optional<QString> drawBoard(PrinterSurface& printer, const DesignerBoard& board, Units units) {
    BoardPages pages;
    return replayUnlessRefused(printer, layOutPieces(printer, board, units, pages), pages.pages);
}

Document boardDocument(const DesignerBoard& board, Units units) {
    return {QStringLiteral("Fretboard Designer Template"),
            [&board, units](PrinterSurface& printer) { return drawBoard(printer, board, units); }};
}

}  // namespace varnel
