#pragma once
// Fanned frets: a multiscale fretboard laid out in two dimensions. All lengths in the current
// units. The neck's midline is the x axis, from the nut towards the bridge; y runs across the
// neck, the first (treble) string on the negative side, the last (bass) on the positive side.
//
// The outer strings are exactly their scale lengths long: with d = (Wb - Wn) / 2, the first
// runs from (-p a1, -Wn/2) to ((1 - p) a1, -Wb/2), the last from (-p aN, Wn/2) to
// ((1 - p) aN, Wb/2), where a = sqrt(L^2 - d^2); so the points at the fraction p of both lie on
// one perpendicular to the midline. Inner strings join the points k/(N - 1) of the way along the
// nut and along the bridge. Fret j is the line through the points at r_j (the fraction of a
// string where the fret lies) of the two outer strings; it, the nut and the bridge are cut at the
// edges, the outer strings moved outwards across the midline by the overhang.

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/fretboard.h"

namespace varnel {

struct FannedInputs {
    int strings = 6;
    double firstScale = 648;  // treble
    double lastScale = 686;   // bass
    double nutSpacing = 35;   // between the outer strings' centres, across the midline
    double bridgeSpacing = 52;
    double perpendicularRatio = 0.5;  // 0: perpendicular nut, 1: perpendicular bridge
    double trebleOverhang = 3.5;
    double bassOverhang = 3.5;
    // The fret (0 for the nut) that stands perpendicular to the midline, instead of the ratio:
    // the ratio then follows from the method and factor.
    std::optional<int> perpendicularFret;
};

struct Point {
    double x = 0;
    double y = 0;
};
struct Segment {
    Point from;
    Point to;
};

// One row of the fret table.
struct FannedFret {
    int fret = 0;
    double alongFirst = 0;    // distance from the nut along the first string
    double alongLast = 0;     // along the last string
    double alongMidline = 0;  // where the fret crosses the midline, from where the nut does
    double angleDegrees = 0;  // the fret's angle to the perpendicular of the midline
};

struct FannedBoard {
    std::vector<Segment> strings;  // first to last
    std::vector<Segment> frets;    // fret 1 to the fret count, edge to edge
    Segment nut;
    Segment bridge;
    Segment trebleEdge;
    Segment bassEdge;
    std::vector<FannedFret> table;
};

// The fraction of a string's length at which fret j lies, by the record's method and factor; also
// the perpendicular ratio that a perpendicular fret j gives.
double fretFraction(const FretboardSettings& s, int fret);

// Why the inputs make no instrument with the record's method and factor (the message names the
// input), or none: every length and the ratio finite and within 1e100, a rule-of-18ths factor
// of 0 to 1 (its frets on the strings).
std::optional<std::string> fannedRefusal(const FannedInputs& in, const FretboardSettings& s);

// The perpendicular ratio in use: the perpendicular fret's fraction when one is given.
double perpendicularRatio(const FannedInputs& in, const FretboardSettings& s);

// The Fanned Frets window's remembered inputs: its boxes' texts by their object names
// ("txtStrings", "txtFirstScale", "txtLastScale", "txtNutSpacing", "txtBridgeSpacing",
// "cboPerpendicular" (0 fret, 1 ratio), "txtPerpendicular", "txtOverhang", and "unitsType", the
// units the lengths were typed in), as the window stores them and saved configurations carry
// them.
using FannedTexts = std::map<std::string, std::string, std::less<>>;
// Reads each text into in, its lengths converted from the stored units to unitsType (a units
// code); a missing
// text keeps in's value. The object names of the texts that are not numbers of their kind, in
// the window's order; their fields keep in's values.
std::vector<std::string> readFannedTexts(const FannedTexts& texts, std::int16_t unitsType,
                                         FannedInputs& in);

// The fretboard. Preconditions: no refusal, and at least one fret in s.nFrets.
FannedBoard layOutFannedBoard(const FannedInputs& in, const FretboardSettings& s);

}  // namespace varnel
