#pragma once
// The fanned fretboard at full scale on paper: its pieces (fannedPages) on the printer.

#include <QString>
#include <optional>

#include "core/designerboard.h"
#include "layout/fannedlayout.h"
#include "render/printerprovider.h"
#include "render/printersurface.h"

namespace varnel {

// Draws every piece of the board's drawing, then the footer: none; or, having drawn nothing,
// why the board cannot be tiled on this printer (a piece does not fit the page).
std::optional<QString> drawFanned(PrinterSurface& printer, const FannedBoard& board, Units units);

// The tiled board as a document, laid out once, with its refusal; the board must outlive it.
Document fannedDocument(const FannedBoard& board, Units units);

}  // namespace varnel
