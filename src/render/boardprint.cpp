#include "render/boardprint.h"

#include <cmath>

#include "layout/intonationreport.h"
#include "render/printjobs.h"

namespace varnel {

namespace {

// Why pieces laid out on this printer left no pages, or none when they did. The subject is what
// does not fit: "The fretboard", or "The radius gauges" (plural).
std::optional<QString> piecesRefusal(const BoardPages& pages, Units units, const QString& subject,
                                     bool plural) {
    if (!pages.pages.empty()) return std::nullopt;
    const double perMm = unitsPerMillimetre(units);
    const Tiling& t = pages.tiling;
    if (t.tooMany) {
        return QStringLiteral(
                   "%1 %2 too long to print: it would take more than %3 pieces of paper.")
            .arg(subject, plural ? QStringLiteral("are") : QStringLiteral("is"))
            .arg(kMaxPieces);
    }
    return QStringLiteral(
               "%1 %2 not fit on a page of this paper: a piece needs %3 by %4 mm. "
               "Print on larger paper or in the other orientation.")
        .arg(subject, plural ? QStringLiteral("do") : QStringLiteral("does"))
        .arg(std::lround((t.pieceLength > 0 ? t.pieceLength : kPieceOverlapMm * perMm) / perMm))
        .arg(std::lround(pages.pieceHeight / perMm));
}

}  // namespace

std::optional<QString> drawBoard(PrinterSurface& printer, const DesignerBoard& board, Units units) {
    const BoardPages pages =
        boardPages(board, units, printer.frame(units), printer, noteOf(printer));
    return replayUnlessRefused(
        printer, piecesRefusal(pages, units, QStringLiteral("The fretboard"), false), pages.pages);
}

Document boardDocument(const DesignerBoard& board, Units units) {
    return {QStringLiteral("Fretboard Designer Template"),
            [&board, units](PrinterSurface& printer) { return drawBoard(printer, board, units); }};
}

std::optional<QString> drawGauges(PrinterSurface& printer, const RadiusGauges& gauges) {
    if (const auto refusal = gaugeRefusal(gauges)) return QString::fromStdString(*refusal);
    const Units units = gauges.units;
    const BoardPages pages = tiledPages(gaugeParts(gauges), units, printer.frame(units), printer,
                                        "radius gauges for " + gauges.board, noteOf(printer));
    return replayUnlessRefused(
        printer, piecesRefusal(pages, units, QStringLiteral("The radius gauges"), true),
        pages.pages);
}

Document gaugeDocument(const RadiusGauges& gauges) {
    return {QStringLiteral("Radius Gauges"),
            [gauges](PrinterSurface& printer) { return drawGauges(printer, gauges); }};
}

std::optional<QString> drawIntonationReport(PrinterSurface& printer, const DesignerBoard& board,
                                            Units units) {
    if (board.intonation.empty()) return kNoIntonationMessage;
    return drawReport(printer, [&](const PageFrame& frame, const std::string& note) {
        return intonationReportPages(board, units, frame, printer, note);
    });
}

Document intonationDocument(const DesignerBoard& board, Units units) {
    return {QStringLiteral("Intonation Report"), [&board, units](PrinterSurface& printer) {
                return drawIntonationReport(printer, board, units);
            }};
}

}  // namespace varnel
