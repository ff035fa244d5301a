#include "fannedprint.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "printjobs.h"

namespace varnel {

namespace {

const QColor kBlack(0, 0, 0);
constexpr double kLabelPoints = 8;

}  // namespace

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

DrawDocument fannedDocument(const FannedBoard& board, bool inches) {
    return [&board, inches](PrinterSurface& printer) {
        auto refusal = fannedPageRefusal(printer, board, inches);
        if (!refusal) printFannedBoard(printer, board, inches);
        return refusal;
    };
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
    t.pieces = step > 0
                   ? std::max(1, static_cast<int>(std::ceil((e.right - e.left - overlap) / step)))
                   : 0;
    if (e.right - e.left <= t.pieceLength) t.pieces = 1;
    return t;
}

namespace {

// The board on this printer's pages, in the drawing's unit, with the labels' font set: what the
// refusal checks is what the printing lays out.
struct FannedPages {
    Drawing drawing;
    Extent extent;
    double arm;
    double textHeight;
    double pieceHeight;
    Tiling tiling;
};

FannedPages fannedPages(PrinterSurface& printer, const FannedBoard& board, bool inches) {
    printer.setScaleMode(inches ? PageUnit::Inches : PageUnit::Millimetres);
    printer.setFontName(kFretNumberFont);
    printer.setFontSize(kLabelPoints);
    const double perMm = unitsPerMillimetre(inches);
    FannedPages pages;
    pages.drawing = fannedDrawing(board, inches);
    pages.extent = extentOf(pages.drawing);
    pages.arm = kCrossArmMm * perMm;
    pages.textHeight = printer.textHeight(QStringLiteral("1"));
    // From the top: the "piece k of n" label, the upper crosses' band, the board, the fret
    // numbers below the bass edge, the lower crosses' band. Nothing drawn reaches into a label.
    pages.pieceHeight = pages.textHeight + 2 * pages.arm + pages.extent.bottom - pages.extent.top +
                        kFannedNumberDropMm * perMm + pages.textHeight + 2 * pages.arm;
    pages.tiling =
        tileDrawing(pages.drawing, printer.scaleWidth(), kPieceOverlapMm * perMm, pages.arm);
    return pages;
}

}  // namespace

std::optional<QString> fannedPageRefusal(PrinterSurface& printer, const FannedBoard& board,
                                         bool inches) {
    const FannedPages pages = fannedPages(printer, board, inches);
    const Tiling& t = pages.tiling;
    if (t.pieces > 0 && pages.pieceHeight <= printer.scaleHeight()) return std::nullopt;
    const double perMm = unitsPerMillimetre(inches);
    return QStringLiteral(
               "The fretboard does not fit on a page of this paper: a piece needs %1 by %2 mm. "
               "Print on larger paper or in the other orientation.")
        .arg(std::lround((t.pieceLength > 0 ? t.pieceLength : kPieceOverlapMm * perMm) / perMm))
        .arg(std::lround(pages.pieceHeight / perMm));
}

void printFannedBoard(PrinterSurface& printer, const FannedBoard& board, bool inches) {
    const FannedPages pages = fannedPages(printer, board, inches);
    const Extent& e = pages.extent;
    const double arm = pages.arm;
    const double textHeight = pages.textHeight;
    const double pieceHeight = pages.pieceHeight;
    const double numbersBelow = kFannedNumberDropMm * unitsPerMillimetre(inches) + textHeight;
    const Tiling& t = pages.tiling;
    double top = 0;
    for (int k = 0; k < t.pieces; ++k) {
        if (top > 0 && top + pieceHeight > printer.scaleHeight()) {
            printer.newPage();
            top = 0;
        }
        const double x0 = t.pieceStart(k);
        const double x1 = x0 + t.pieceLength;
        // Drawing coordinates to the page: the piece's start at the cross arm's room.
        const double dx = arm - x0;
        const double dy = top + textHeight + 2 * arm - e.top;
        // The drawing's lines and texts that fall on this piece.
        for (const DrawingLine& line : pages.drawing.lines) {
            const DrawingLayer& layer = pages.drawing.layers[line.layer];
            if (const auto part = clipped(line.segment, x0, x1)) {
                printer.setDrawWidth(layer.penPixels);
                printer.line(part->from.x + dx, part->from.y + dy, part->to.x + dx, part->to.y + dy,
                             QColor(layer.colour.red, layer.colour.green, layer.colour.blue));
            }
        }
        for (const DrawingText& text : pages.drawing.texts) {
            if (text.topLeft.x < x0 || text.topLeft.x > x1) continue;
            printer.setFontSize(unitToPoints(text.size, inches));
            printer.currentX = text.topLeft.x + dx;
            printer.currentY = text.topLeft.y + dy;
            printer.print(QString::fromStdString(text.text));
        }
        printer.setFontSize(kLabelPoints);
        // Crosses at both ends of each overlap this piece shares, the same drawing coordinates
        // on both pieces.
        const auto cross = [&](double x) {
            printer.setDrawWidth(1);
            for (const double y : {e.top - arm, e.bottom + numbersBelow + arm}) {
                printer.line(x + dx - arm, y + dy, x + dx + arm, y + dy, kBlack);
                printer.line(x + dx, y + dy - arm, x + dx, y + dy + arm, kBlack);
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
        printer.currentX = 0;
        printer.currentY = top;
        printer.print(QStringLiteral("piece %1 of %2").arg(k + 1).arg(t.pieces));
        top += pieceHeight + textHeight;
    }
    printFooter(printer, top);
}

}  // namespace varnel
