#pragma once
// The file writers of the workshop's files: any drawing as SVG and DXF (for CAD programs, CNC
// routers and lasers), the charts' numbers as CSV, and the writing of a file whole.

#include <QByteArray>
#include <QString>

#include "core/checkfit.h"
#include "core/designerboard.h"
#include "core/fretboard.h"
#include "layout/drawing.h"

namespace varnel {

// A drawing as DXF: $INSUNITS of its unit, a layer of each of its layers with the nearest DXF
// colour, a LINE per line and a TEXT per text (its baseline one type size below its top). DXF's
// y points up, so y is the drawing's yUp - y: what is at the bottom on paper is at the bottom.
QByteArray drawingDxf(const Drawing& drawing);

// A drawing as SVG: width and height in its unit, one user unit one mm (or inch), its title; a
// group per layer (id its name in lower case, stroke and fill its colour, stroke-width its pen at
// 1/600 inch a pixel, its dashes, its face), each text's baseline one type size below its top.
QByteArray drawingSvg(const Drawing& drawing);

// The designer's board's table as CSV: fret, distances along the first and last strings and the
// midline in mm then in inches, the fret's angle to the perpendicular in degrees, the board's
// width and radius at the fret in mm then in inches, its marker ("none", "single", "double"),
// its cents above the open strings and their difference from the nearest fret of twelve equal
// steps.
QByteArray boardCsv(const DesignerBoard& board, Units units);

// The designer's board's fret points as CSV: string,fret,cents,from_nut_mm,from_nut_in, a row
// per string per fret (string 1 the first), distances along the string from its nut point.
QByteArray fretPointsCsv(const DesignerBoard& board, Units units);

// Each string's intonation, a row a string: its saddle and nut setbacks in the board's unit, its
// RMS error before and after and its largest error after, in cents.
QByteArray intonationCsv(const DesignerBoard& board);

// An instrument check's table as CSV: fret,measured_mm,best_mm,residual_mm,cents (measured_in
// and best_in for a check in inches; the residual in millimetres whatever the check's unit).
QByteArray checkCsv(const InstrumentCheck& check);

// CSV (RFC 4180, CR LF): fret,from_nut_mm,from_fret_mm,from_nut_in,from_fret_in, a row per
// fret, both units whatever the current one, each number the shortest text that reads back
// the same double.
QByteArray chartCsv(const FretboardSettings& s, const FretPositions& p);

// Writes the bytes to the file whole, or not at all (a temporary file renamed into place);
// "-" writes to standard output. False with the reason in error.
bool saveBytes(const QString& fileName, const QByteArray& bytes, QString& error);

}  // namespace varnel
