#pragma once
// The Fretboard Designer's board: a fanned or straight fretboard laid out in two dimensions from
// its inputs. All lengths in the current units. The neck's midline is the x axis, from the nut
// towards the bridge; y runs across the neck, the first (treble) string on the negative side,
// the last (bass) on the positive side.
//
// The outer strings are exactly their scale lengths long: with d = (Wb - Wn) / 2, the first
// runs from (-p a1, -Wn/2) to ((1 - p) a1, -Wb/2), the last from (-p aN, Wn/2) to
// ((1 - p) aN, Wb/2), where a = sqrt(L^2 - d^2); so the points at the fraction p of both lie on
// one perpendicular to the midline. Inner strings join the points k/(N - 1) of the way along the
// nut and along the bridge. Fret j is the line through the points at r_j (the fraction of a
// string where the fret lies) of the two outer strings; it, the nut and the bridge are cut at the
// edges, the outer strings moved outwards across the midline by the overhang.

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/designerinputs.h"
#include "core/fretboard.h"
#include "core/geometry.h"
#include "core/message.h"

namespace varnel {

// The position markers a board carries, single and double, by the fret numbers shown. The
// twelve-equal guitar's set (the default) stands for the tuning's own default: the same on a
// twelve-equal board, a dulcimer's (3 5 7 10 12 14, doubles at 7 and 14) on a diatonic fret
// set, and none in another tuning, whose frets fall elsewhere. Other sets are taken as typed.
std::pair<std::vector<int>, std::vector<int>> boardMarkers(const Workshop& w,
                                                           const DesignerTuning& tuning);

// A marker: its centre and diameter, and the fret it stands before.
struct Circle {
    Point centre;
    double diameter = 0;
    int fret = 0;
};

enum class MarkerKind { None, Single, Double };
// "none", "single", "double", as the table and the CSV name them.
std::string markerName(MarkerKind kind);

// One row of the fret table.
struct BoardFret {
    int fret = 0;             // 1 to the number of frets on the board
    std::string label;        // its number as shown: "7", or "6+" for an extra fret
    double alongFirst = 0;    // distance from the nut along the first string
    double alongLast = 0;     // along the last string
    double alongMidline = 0;  // where the fret crosses the midline, from where the nut does
    double angleDegrees = 0;  // the fret's angle to the perpendicular of the midline
    double cents = 0;         // its pitch above the open strings
    double fromTwelve = 0;    // cents from the nearest fret of twelve equal steps
    double width = 0;         // the board's width across the midline at the fret
    double radius = 0;        // the fingerboard radius at the fret (0: flat)
    MarkerKind marker = MarkerKind::None;
};

// Where a fret crosses a string: the string (1 the first), the fret's number as shown, its
// pitch in cents above the open string, and its distance along the string from the string's
// nut point.
struct FretPoint {
    int string = 0;
    std::string fret;
    double cents = 0;
    double fromNut = 0;
};

struct DesignerBoard {
    std::vector<Segment> strings;  // first to last
    std::vector<Segment> frets;    // fret 1 to the fret count, edge to edge (treble end first)
    // With strings tuned to different degrees of a scale that is not equal: each fret's pieces,
    // each across the bands of the strings it serves (empty: every fret is its whole line).
    std::vector<std::vector<Segment>> fretPieces;
    std::vector<FretPoint> fretPoints;  // string by string, fret by fret
    std::optional<Segment> zeroFret;
    Segment nut;
    Segment bridge;
    Segment saddle;      // the compensated saddle line, first string to last
    Segment boardEnd;    // parallel to the last fret
    Segment trebleEdge;  // nut to board end
    Segment bassEdge;
    std::vector<Point> outline;                    // closed: nut, treble edge, board end, bass edge
    std::vector<std::vector<Point>> slotOutlines;  // closed, four-sided: zero fret, fret 1, ...
    std::vector<Circle> markers;                   // on the face
    std::vector<Circle> sideMarkers;  // centred on the bass edge, drilled into the side
    std::vector<BoardFret> table;
    // What the board is, for its printed labels: the outer strings' scale lengths, and the
    // tuning ("twelfth root of 2", "19 equal divisions of 2/1", "Scala file just.scl"); the
    // radius at the nut and at the end (0 at both: flat).
    double firstScale = 0;
    double lastScale = 0;
    Message tuningName;
    double radiusAtNut = 0;
    double radiusAtEnd = 0;
    // With a string set (and a saddle not typed): each string's intonation, and the compensated
    // saddle through each string's saddle point and, when the nut moves too, the nut through
    // each string's nut point. Empty otherwise: the saddle is the typed compensation's line.
    std::vector<StringIntonation> intonation;
    std::vector<Point> saddlePoints;
    std::vector<Point> nutPoints;
    IntonationInputs intonationInputs;  // what it was worked out from
};

// The fraction of a string's length at which fret j lies, by the record's method and factor; also
// the perpendicular ratio that a perpendicular fret j gives. The same in the inputs' tuning.
double fretFraction(const FretboardSettings& s, int fret);
double fretFraction(const DesignerInputs& in, const FretboardSettings& s, int fret);

// Why the inputs make no instrument with the record's method and factor (the message names the
// input), or none: every length and the ratio finite and within 1e100, a rule-of-18ths factor
// of 0 to 1 (its frets on the strings); no negative workshop length, both radii 0 or neither; and
// with frets in the record, a slot narrower than the narrowest fret spacing, markers on fret 1
// or above (those above the last fret are left out), each fitting between its frets and across
// the board; a radius at least half the board's width at the nut and at the end.
std::optional<Message> designerRefusal(const DesignerInputs& in, const FretboardSettings& s);

// The perpendicular ratio in use: the perpendicular fret's fraction when one is given.
double perpendicularRatio(const DesignerInputs& in, const FretboardSettings& s);

// The board's line j: the scale's start (the nut, or the zero fret) for 0, else fret j.
Segment scaleLine(const DesignerBoard& board, int j);

// The board's width square to the midline where a line crosses it.
double widthAcross(const DesignerBoard& board, const Segment& line);

// The fretboard. Preconditions: no refusal, and at least one fret in s.nFrets.
DesignerBoard layOutBoard(const DesignerInputs& in, const FretboardSettings& s);

}  // namespace varnel
