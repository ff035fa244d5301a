#include "core/designerboard.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <tuple>

namespace varnel {
namespace {

double length(const Segment& s) {
    return std::hypot(s.to.x - s.from.x, s.to.y - s.from.y);
}
Point at(const Segment& s, double t) {
    return {s.from.x + t * (s.to.x - s.from.x), s.from.y + t * (s.to.y - s.from.y)};
}

// A table of instruments: each outer string exactly its scale length, the points at p on both
// joined by a perpendicular to the midline, every fret through the points at r_j of the outer
// strings and ending on the edges.
TEST(DesignerBoardTest, InstrumentsMeetTheGeometry) {
    FretboardSettings twelfth;
    twelfth.nFrets = 24;
    const struct {
        const char* name;
        DesignerInputs in;
    } rows[] = {
        {"6-string 648/686 mm", {6, 648, 686, 35, 52, 0.5, 3.5, 3.5, {}, {}}},
        {"8-string 25.5/28 in, fret 7",
         {8, 25.5, 28, 1.9, 2.6, 0, 0.12, 0.15, 7, workshopDefaults(Units::Inches)}},
        {"4-string bass 34/37 in",
         {4, 34, 37, 1.5, 2.3, 0.3, 0.1, 0.1, {}, workshopDefaults(Units::Inches)}},
        {"narrowing neck", {5, 640, 660, 40, 30, 1, 0, 2, {}, {}}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        DesignerInputs in = row.in;
        ASSERT_FALSE(designerRefusal(in, twelfth));
        if (in.perpendicularFret)
            in.perpendicularRatio = fretFraction(twelfth, *in.perpendicularFret);
        const DesignerBoard b = layOutBoard(in, twelfth);
        ASSERT_EQ(b.strings.size(), static_cast<std::size_t>(in.strings));
        const Segment& first = b.strings.front();
        const Segment& last = b.strings.back();
        EXPECT_NEAR(length(first) / in.firstScale, 1, 1e-9);
        EXPECT_NEAR(length(last) / in.lastScale, 1, 1e-9);
        const Point p1 = at(first, in.perpendicularRatio);
        const Point pN = at(last, in.perpendicularRatio);
        EXPECT_NEAR(std::atan2(pN.x - p1.x, pN.y - p1.y), 0, 1e-9);
        ASSERT_EQ(b.frets.size(), 24u);
        for (int j = 1; j <= 24; ++j) {
            const double r = 1 - std::pow(2.0, -j / 12.0);
            const Segment& f = b.frets[j - 1];
            EXPECT_LT(offLine(f, at(first, r)), 1e-6) << j;
            EXPECT_LT(offLine(f, at(last, r)), 1e-6) << j;
            EXPECT_LT(offLine(b.trebleEdge, f.from), 1e-9) << j;
            EXPECT_LT(offLine(b.bassEdge, f.to), 1e-9) << j;
            EXPECT_NEAR(b.table[j - 1].alongFirst, r * in.firstScale, 1e-9);
        }
    }
}

// One scale and parallel strings: frets perpendicular to the midline, where the chart has them.
TEST(DesignerBoardTest, ASingleScaleGivesTheChartsFrets) {
    FretboardSettings s;
    s.nFrets = 22;
    s.scaleLen = 647.7;
    const FretPositions chart = calcFretPositions(s);
    const DesignerBoard b = layOutBoard({6, 647.7, 647.7, 40, 40, 0, 3, 3, {}, {}}, s);
    for (int j = 1; j <= 22; ++j) {
        EXPECT_NEAR(b.frets[j - 1].from.x, chart.distFromNut[j], 1e-9) << j;
        EXPECT_NEAR(b.frets[j - 1].to.x, chart.distFromNut[j], 1e-9) << j;
        EXPECT_NEAR(b.table[j - 1].angleDegrees, 0, 1e-9);
    }
}

// Refusals name the input; no length that is not finite passes, and a perpendicular fret is
// refused as a fret, not as the ratio it would give.
TEST(DesignerBoardTest, InputsThatMakeNoInstrumentAreRefusedByName) {
    constexpr double inf = std::numeric_limits<double>::infinity();
    FretboardSettings rule18;
    rule18.calcType = kCalcRule18;
    rule18.calcFact = 2;  // any number the command line takes
    FretboardSettings frets24;
    frets24.nFrets = 24;
    // The workshop inputs of a 648/686 mm board, one changed.
    const auto workshop = [](auto&& change) {
        DesignerInputs in{6, 648, 686, 35, 52, 0.5, 3, 3, {}, {}};
        change(in.workshop);
        return in;
    };
    const struct {
        DesignerInputs in;
        const char* message;
        FretboardSettings settings = {};
    } rows[] = {
        {{13, 648, 686, 35, 52, 0.5, 3, 3, {}, {}}, "The number of strings, 13, must be 2 to 12."},
        {{6, 648, 686, 0, 52, 0.5, 3, 3, {}, {}},
         "The string spacing at the nut, 0, must be more than 0."},
        {{6, 648, 686, 35, -1, 0.5, 3, 3, {}, {}},
         "The string spacing at the bridge, -1, must be more than 0."},
        {{6, 8, 686, 10, 30, 0.5, 3, 3, {}, {}},
         "The first string's scale length, 8, must be more than 10, half the difference between "
         "the two string spacings."},
        {{6, 648, 686, 35, 52, 1.5, 3, 3, {}, {}}, "The perpendicular ratio, 1.5, must be 0 to 1."},
        {{6, 648, 686, 35, 52, 0.5, 3, -1, {}, {}}, "The fretboard overhang must be 0 or more."},
        {{6, 648, inf, 35, 52, 0.5, 3, 3, {}, {}},
         "The last string's scale length, inf, must be a finite number."},
        {{6, 648, 686, inf, inf, 0.5, 3, 3, {}, {}},
         "The string spacing at the nut, inf, must be a finite number."},
        {{6, 648, 686, 35, 52, 0.5, 3, inf, {}, {}},
         "The fretboard overhang, inf, must be a finite number."},
        {{6, 648, 686, 35, 52, std::nan(""), 3, 3, {}, {}},
         "The perpendicular ratio, nan, must be a finite number."},
        {{6, 648, 686, 35, 52, 7, 3, 3, -1, {}},
         "The perpendicular fret, -1, must be 0 (the nut) or a fret number."},
        {{6, 648, 686, 35, 52, 7, 3, 3, 12, {}}, ""},
        {{6, 648, 686, 35, 52, 7, 3, 3, 1, {}},
         "The rule-of-18ths factor, 2, must be 0 to 1 to place frets on the strings.",
         rule18},
        {{6, 1e300, 1e300, 35, 52, 0.5, 3, 3, {}, {}},
         "The first string's scale length, 1E+300, is too large to lay out."},
        {workshop([](Workshop& w) { w.slotWidth = -0.5; }),
         "The slot width, -0.5, must be 0 or more."},
        {workshop([](Workshop& w) { w.nutGap = inf; }),
         "The nut gap, inf, must be a finite number."},
        {workshop([](Workshop& w) { w.radiusAtNut = 305; }),
         "The radius at the nut and at the end must both be 0 (a flat board) or both more than 0."},
        {workshop([](Workshop& w) { w.slotWidth = 12; }),
         "The slot width, 12, must be narrower than the narrowest fret spacing, 9.4398649495683.",
         frets24},
        {workshop([](Workshop& w) {
             w.markers = {0, 3};
         }),
         "Position Markers: fret 0 is not on the board, whose frets are 1 to 24.", frets24},
        {workshop([](Workshop& w) { w.markerDiameter = 30; }),
         "The marker diameter, 30, does not fit between frets 4 and 5.", frets24},
        {workshop([](Workshop& w) {
             w.markerDiameter = 22;
             w.markers = {24};
             w.doubleMarkers = {};
         }),
         "The marker diameter, 22, does not fit between frets 23 and 24.", frets24},
        {workshop([](Workshop& w) {
             w.markerDiameter = 25;  // two of them across fret 3's 44 mm
             w.markers = {};
             w.doubleMarkers = {3};
         }),
         "The marker diameter, 25, does not fit across the board at fret 3.", frets24},
        {workshop([](Workshop& w) { w.sideMarkerDiameter = 12; }),
         "The side marker diameter, 12, does not fit between frets 20 and 21.", frets24},
        {workshop([](Workshop& w) {
             w.markers = {3, 30};
         }),
         "", frets24},  // 30 left out
        // Square to the slanted frets, the double pair's treble circle at fret 24 reaches into
        // fret 23's slot though the midline spacing has room.
        {workshop([](Workshop& w) { w.markerDiameter = 9.3; }),
         "The marker diameter, 9.3, does not fit between frets 23 and 24.", frets24},
        {workshop([](Workshop& w) {
             w.zeroFret = true;
             w.nutGap = 0.2;
         }),
         "The nut gap, 0.2, must be at least half the slot width, 0.29, to stand behind the zero "
         "fret.",
         frets24},
        // A radius under half the board's width cannot be sanded: a straight 41 mm board, and
        // the fanned board's end.
        {{6, 648, 648, 35, 35, 0.5, 3, 3, {}, {.radiusAtNut = 10, .radiusAtEnd = 406}},
         "The radius at the nut, 10, must be at least half the board's width there, 20.5.",
         frets24},
        {workshop([](Workshop& w) {
             w.radiusAtNut = 305;
             w.radiusAtEnd = 20;
         }),
         "The radius at the end, 20, must be at least half the board's width there, "
         "26.9532563716412.",
         frets24},
        {workshop([](Workshop& w) { w.boardEnd = 0; }),
         "The board end, 0, must be at least half the slot width, 0.29, to hold the last slot.",
         frets24},
    };
    for (const auto& row : rows)
        EXPECT_EQ(designerRefusal(row.in, row.settings).value_or(""), row.message);
}

// The window's remembered texts, as a configuration carries them: lengths converted from the
// units they were typed in, unreadable texts named and passed over.
TEST(DesignerBoardTest, RememberedTextsAreReadInTheRecordsUnits) {
    const DesignerTexts texts = {
        {"txtStrings", "7"},          {"txtFirstScale", "25.4"}, {"txtLastScale", "abc"},
        {"txtNutSpacing", "1e999"},   {"cboPerpendicular", "0"}, {"txtPerpendicular", "9"},
        {"txtOverhang", "0.125"},     {"unitsType", "0"},        {"txtMarkers", " 3  5 12 "},
        {"txtDoubleMarkers", "12 x"}, {"chkZeroFret", "1"},      {"txtNutGap", "0.25"}};
    DesignerInputs in;
    EXPECT_EQ(readDesignerTexts(texts, Units::Millimetres, in),
              (std::vector<std::string>{"txtLastScale", "txtNutSpacing", "txtDoubleMarkers"}));
    EXPECT_EQ(in.workshop.markers, (std::vector<int>{3, 5, 12}));
    EXPECT_EQ(in.workshop.doubleMarkers, Workshop().doubleMarkers);
    EXPECT_TRUE(in.workshop.zeroFret);
    EXPECT_DOUBLE_EQ(in.workshop.nutGap, 6.35);
    EXPECT_EQ(in.strings, 7);
    EXPECT_DOUBLE_EQ(in.firstScale, 645.16);
    EXPECT_EQ(in.lastScale, DesignerInputs().lastScale);
    EXPECT_EQ(in.perpendicularFret, 9);
    EXPECT_DOUBLE_EQ(in.bassOverhang, 3.175);
    DesignerInputs inches;
    EXPECT_TRUE(readDesignerTexts(texts, Units::Inches, inches).size() == 3);
    EXPECT_EQ(inches.firstScale, 25.4);
    // The bass side overhangs by its own box when that is not blank.
    for (const auto& [bass, treble, expected] :
         {std::tuple{"", 3.0, 3.0}, {" ", 3.0, 3.0}, {"10", 3.0, 10.0}, {"0", 3.0, 0.0}}) {
        DesignerInputs sides;
        EXPECT_TRUE(readDesignerTexts({{"txtOverhang", "3"}, {"txtBassOverhang", bass}},
                                      Units::Millimetres, sides)
                        .empty());
        EXPECT_EQ(sides.trebleOverhang, treble);
        EXPECT_EQ(sides.bassOverhang, expected) << bass;
    }
}

}  // namespace
}  // namespace varnel
