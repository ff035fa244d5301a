#include "render/boardprint.h"

#include <cmath>

#include "layout/intonationreport.h"
#include "render/printjobs.h"
#include "text/translations.h"

namespace varnel {

namespace {

// Why pieces laid out on this printer left no pages, or none when they did: too many pieces
// (%1 the most there may be), or a piece larger than the page (%1 by %2 mm).
struct PiecesWordings {
    const char* tooMany;
    const char* tooLarge;
};

std::optional<QString> piecesRefusal(const BoardPages& pages, Units units,
                                     const PiecesWordings& wordings) {
    if (!pages.pages.empty()) return std::nullopt;
    const double perMm = unitsPerMillimetre(units);
    const Tiling& t = pages.tiling;
    if (t.tooMany) return messageText(Message(wordings.tooMany, {number(kMaxPieces)}));
    return messageText(Message(
        wordings.tooLarge,
        {number(
             std::llround((t.pieceLength > 0 ? t.pieceLength : kPieceOverlapMm * perMm) / perMm)),
         number(std::llround(pages.pieceHeight / perMm))}));
}

}  // namespace

std::optional<QString> drawBoard(PrinterSurface& printer, const DesignerBoard& board, Units units) {
    const BoardPages pages =
        boardPages(board, units, printer.frame(units), printer, noteOf(printer));
    return replayUnlessRefused(
        printer,
        piecesRefusal(pages, units,
                      {QT_TRANSLATE_NOOP("varnel::Words",
                                         "The fretboard is too long to print: it would take more "
                                         "than %1 pieces of paper."),
                       QT_TRANSLATE_NOOP("varnel::Words",
                                         "The fretboard does not fit on a page of this paper: a "
                                         "piece needs %1 by %2 mm. Print on larger paper or in "
                                         "the other orientation.")}),
        pages.pages);
}

Document boardDocument(const DesignerBoard& board, Units units) {
    return {messageText(QT_TRANSLATE_NOOP("varnel::Words", "Fretboard Designer Template")),
            [&board, units](PrinterSurface& printer) { return drawBoard(printer, board, units); }};
}

std::optional<QString> drawGauges(PrinterSurface& printer, const RadiusGauges& gauges) {
    if (const auto refusal = gaugeRefusal(gauges)) return messageText(*refusal);
    const Units units = gauges.units;
    const BoardPages pages = gaugePages(gauges, printer.frame(units), printer, noteOf(printer));
    return replayUnlessRefused(
        printer,
        piecesRefusal(pages, units,
                      {QT_TRANSLATE_NOOP("varnel::Words",
                                         "The radius gauges are too long to print: they would "
                                         "take more than %1 pieces of paper."),
                       QT_TRANSLATE_NOOP("varnel::Words",
                                         "The radius gauges do not fit on a page of this paper: a "
                                         "piece needs %1 by %2 mm. Print on larger paper or in "
                                         "the other orientation.")}),
        pages.pages);
}

Document gaugeDocument(const RadiusGauges& gauges) {
    return {messageText(QT_TRANSLATE_NOOP("varnel::Words", "Radius Gauges")),
            [gauges](PrinterSurface& printer) { return drawGauges(printer, gauges); }};
}

std::optional<QString> drawIntonationReport(PrinterSurface& printer, const DesignerBoard& board,
                                            Units units) {
    if (board.intonation.empty()) return messageText(kNoIntonationMessage);
    return drawReport(printer, [&](const PageFrame& frame, const std::string& note) {
        return intonationReportPages(board, units, frame, printer, note);
    });
}

Document intonationDocument(const DesignerBoard& board, Units units) {
    return {messageText(QT_TRANSLATE_NOOP("varnel::Words", "Intonation Report")),
            [&board, units](PrinterSurface& printer) {
                return drawIntonationReport(printer, board, units);
            }};
}

}  // namespace varnel
