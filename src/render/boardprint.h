#pragma once
// The designer's board at full scale on paper: its pieces (boardPages) on the printer; and its
// radius gauges.

#include <QString>
#include <optional>

#include "core/designerboard.h"
#include "core/translatable.h"
#include "layout/boardlayout.h"
#include "layout/gaugelayout.h"
#include "render/printerprovider.h"
#include "render/printersurface.h"

namespace varnel {

// Draws every piece of the board's drawing, then the footer: none; or, having drawn nothing,
// why the board cannot be tiled on this printer (a piece does not fit the page).
std::optional<QString> drawBoard(PrinterSurface& printer, const DesignerBoard& board, Units units);

// The tiled board as a document, laid out once, with its refusal; the board must outlive it.
Document boardDocument(const DesignerBoard& board, Units units);

// The radius gauges in pieces, labelled for their board; or, having drawn nothing, why not.
std::optional<QString> drawGauges(PrinterSurface& printer, const RadiusGauges& gauges);
Document gaugeDocument(const RadiusGauges& gauges);

// The intonation report of a board with a string set; or, having drawn nothing, why not.
inline const char* const kNoIntonationMessage = QT_TRANSLATE_NOOP(
    "varnel::Words", "The intonation needs a string set (Intonation, String Set; --string-set).");
std::optional<QString> drawIntonationReport(PrinterSurface& printer, const DesignerBoard& board,
                                            Units units);
Document intonationDocument(const DesignerBoard& board, Units units);

}  // namespace varnel
