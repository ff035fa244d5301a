#include "core/tuning.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>

#include "core/designerboard.h"

namespace varnel {
namespace {

std::string writeFile(const std::string& name, const std::string& text) {
    const auto path = std::filesystem::temp_directory_path() / ("varnel-tuning-" + name);
    std::ofstream(path, std::ios::binary) << text;
    return path.string();
}

// Each tuning through the designer's texts to the board: fret j stands along the first string at
// (1 - 1/R(j)) of its length, R worked out here from the scale's own numbers.
TEST(TuningTest, EqualDivisionsAndScalaScalesPlaceTheFrets) {
    const std::vector<double> just = {16.0 / 15, 9.0 / 8, 6.0 / 5, 5.0 / 4, 4.0 / 3,  45.0 / 32,
                                      3.0 / 2,   8.0 / 5, 5.0 / 3, 9.0 / 5, 15.0 / 8, 2.0};
    const std::vector<double> meantoneCents = {76.049,  193.157,  310.265,  386.314,
                                               503.422, 579.471,  696.578,  772.627,
                                               889.735, 1006.843, 1082.892, 1200.0};
    const std::string justFile =
        writeFile("just.scl",
                  "! 5-limit just\n5-limit just intonation\n 12\n!\n16/15\n9/8\n6/5 minor third\n"
                  "5/4\n4/3\n45/32\n3/2\n8/5\n5/3\n9/5\n15/8\n2\n");
    std::string meantone = "! quarter-comma\r\nQuarter-comma meantone\r\n12\r\n";
    for (const double c : meantoneCents) meantone += "  " + std::to_string(c).substr(0, 9) + "\r\n";
    const std::string meantoneFile = writeFile("meantone.scl", meantone);
    const auto equal = [](int n, double period) {
        std::vector<double> r;
        for (int k = 1; k <= n; ++k) r.push_back(std::pow(period, double(k) / n));
        return r;
    };
    std::vector<double> cents;
    for (const double c : meantoneCents) cents.push_back(std::exp2(c / 1200));
    const struct {
        DesignerTexts texts;
        std::vector<double> ratios;
    } rows[] = {
        {{{"cboTemperament", "1"}, {"txtDivisions", "19"}}, equal(19, 2)},
        {{{"cboTemperament", "1"}, {"txtDivisions", "24"}, {"txtPeriod", "2/1"}}, equal(24, 2)},
        {{{"cboTemperament", "1"}, {"txtDivisions", "31"}, {"txtPeriod", "1200.0"}}, equal(31, 2)},
        {{{"cboTemperament", "1"}, {"txtDivisions", "13"}, {"txtPeriod", "3/1"}}, equal(13, 3)},
        {{{"cboTemperament", "2"}, {"txtScalaFile", justFile}}, just},
        {{{"cboTemperament", "2"}, {"txtScalaFile", meantoneFile}}, cents},
    };
    FretboardSettings s;
    s.nFrets = 30;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.ratios.size());
        DesignerInputs in{6, 648, 686, 35, 52, 0.5, 3, 3, {}, {}};
        in.workshop.markers = {};
        in.workshop.doubleMarkers = {};
        ASSERT_TRUE(readDesignerTexts(row.texts, Units::Millimetres, in).empty());
        ASSERT_FALSE(designerRefusal(in, s));
        const DesignerBoard board = layOutBoard(in, s);
        const int n = static_cast<int>(row.ratios.size());
        for (int j = 1; j <= s.nFrets; ++j) {
            const double r = std::pow(row.ratios.back(), j / n) *
                             (j % n == 0 ? 1.0 : row.ratios[static_cast<std::size_t>(j % n - 1)]);
            EXPECT_NEAR(board.table[j - 1].alongFirst, 648 * (1 - 1 / r), 1e-9) << j;
            EXPECT_NEAR(board.table[j - 1].cents, 1200 * std::log2(r), 1e-9) << j;
        }
    }
}

// Strings tuned to different degrees of a just scale: each string's frets where its own ratios
// fall, measured along the string; partial frets joined where neighbouring strings agree, each
// piece ending on its bands' bounds. With equal degrees every fret is one line, as before.
TEST(TuningTest, StringsTunedApartGetTheirOwnPartialFrets) {
    const std::vector<double> just = {9.0 / 8, 5.0 / 4, 4.0 / 3, 3.0 / 2, 5.0 / 3, 15.0 / 8, 2.0};
    const std::string file =
        writeFile("major.scl", "Just major\n7\n9/8\n5/4\n4/3\n3/2\n5/3\n15/8\n2/1\n");
    const auto R = [&](int m) {  // worked out here, not by the scale
        return std::pow(2.0, m / 7) *
               (m % 7 == 0 ? 1.0 : just[static_cast<std::size_t>(m % 7 - 1)]);
    };
    FretboardSettings s;
    s.nFrets = 10;
    for (const auto& [tuning, joined] : {std::pair{"0 3 3 0", true}, {"2 2 2 2", false}}) {
        SCOPED_TRACE(tuning);
        DesignerInputs in{4, 640, 680, 30, 44, 0.5, 3, 3, {}, {}};
        in.workshop.markers = {};
        in.workshop.doubleMarkers = {};
        ASSERT_TRUE(
            readDesignerTexts(
                {{"cboTemperament", "2"}, {"txtScalaFile", file}, {"txtStringTuning", tuning}},
                Units::Millimetres, in)
                .empty());
        ASSERT_FALSE(designerRefusal(in, s));
        const DesignerBoard board = layOutBoard(in, s);
        const Segment& first = board.strings.front();
        const Segment& last = board.strings.back();
        const auto at = [](const Segment& g, double t) {
            return Point{g.from.x + t * (g.to.x - g.from.x), g.from.y + t * (g.to.y - g.from.y)};
        };
        const auto meet = [](Point a, Point b, Point c, Point e) {
            const double rx = b.x - a.x, ry = b.y - a.y, sx = e.x - c.x, sy = e.y - c.y;
            const double t = ((c.x - a.x) * sy - (c.y - a.y) * sx) / (rx * sy - ry * sx);
            return Point{a.x + t * rx, a.y + t * ry};
        };
        ASSERT_EQ(board.fretPoints.size(), 4u * 10);
        for (const FretPoint& p : board.fretPoints) {
            const int degree = tuning[2 * (p.string - 1)] - '0';
            const int fret = std::stoi(p.fret);
            const double f = 1 - R(degree) / R(degree + fret);
            const Segment& string = board.strings[static_cast<std::size_t>(p.string - 1)];
            const Point x = meet(at(first, f), at(last, f), string.from, string.to);
            EXPECT_NEAR(p.fromNut, std::hypot(x.x - string.from.x, x.y - string.from.y), 1e-9);
            EXPECT_NEAR(p.cents, 1200 * std::log2(R(degree + fret) / R(degree)), 1e-9);
        }
        if (!joined) {
            EXPECT_TRUE(board.fretPieces.empty());
            continue;
        }
        // Strings 1 and 4 (degree 0) and strings 2 and 3 (degree 3): three pieces a fret unless
        // the two degrees' fractions meet, the middle one across two bands.
        ASSERT_EQ(board.fretPieces.size(), 10u);
        const auto bound = [&](std::size_t k) {  // between strings k - 1 and k
            const Segment& a = board.strings[k - 1];
            const Segment& b = board.strings[k];
            return Segment{{(a.from.x + b.from.x) / 2, (a.from.y + b.from.y) / 2},
                           {(a.to.x + b.to.x) / 2, (a.to.y + b.to.y) / 2}};
        };
        for (int j = 1; j <= 10; ++j) {
            const auto& pieces = board.fretPieces[static_cast<std::size_t>(j - 1)];
            // Where both degrees rise by the same ratio (the octave) the fret is whole.
            const bool whole = std::fabs(R(j) - R(3 + j) / R(3)) < 1e-12;
            ASSERT_EQ(pieces.size(), whole ? 1u : 3u) << j;
            if (whole) continue;
            for (const auto& [p, line] : {std::pair{pieces[0].to, bound(1)},
                                          {pieces[1].from, bound(1)},
                                          {pieces[1].to, bound(3)},
                                          {pieces[2].from, bound(3)}}) {
                const double dx = line.to.x - line.from.x, dy = line.to.y - line.from.y;
                EXPECT_NEAR(
                    (dx * (p.y - line.from.y) - dy * (p.x - line.from.x)) / std::hypot(dx, dy), 0,
                    1e-9);
            }
        }
    }
}

// A dulcimer: the diatonic frets of twelve equal, numbered in order, with the extra frets named
// among them; extra frets that are none, or stand on a diatonic fret, are refused.
TEST(TuningTest, DiatonicFretSetsAndTheirExtraFrets) {
    FretboardSettings s;
    s.nFrets = 14;
    DesignerInputs in{4, 700, 700, 30, 40, 0, 3, 3, {}, {}};
    in.workshop.markers = {3, 5, 7, 10, 14};
    in.workshop.doubleMarkers = {};
    readDesignerTexts({{"cboFretSet", "1"}, {"txtExtraFrets", "6+ 13+"}}, Units::Millimetres, in);
    ASSERT_FALSE(designerRefusal(in, s));
    const DesignerBoard board = layOutBoard(in, s);
    const int steps[] = {2, 4, 5, 7, 9, 10, 11, 12, 14, 16, 17, 19, 21, 22, 23, 24};
    const char* labels[] = {"1", "2", "3",  "4",  "5",  "6",  "6+",  "7",
                            "8", "9", "10", "11", "12", "13", "13+", "14"};
    ASSERT_EQ(board.table.size(), std::size(steps));
    for (std::size_t i = 0; i < std::size(steps); ++i) {
        EXPECT_EQ(board.table[i].label, labels[i]);
        EXPECT_NEAR(board.table[i].alongFirst, 700 * (1 - std::exp2(-steps[i] / 12.0)), 1e-9);
    }
    EXPECT_EQ(board.table[10].marker, MarkerKind::Single);  // 10, the 11th fret of the board
    EXPECT_EQ(board.table[6].marker, MarkerKind::None);     // 6+
    for (const auto& [extra, message] :
         {std::pair{"2+", "Extra Frets: 2+ stands on diatonic fret 3."},
          {"15+", "Extra Frets: \"15+\" is not k+ for a diatonic fret k from 1 to 14."},
          {"6", "Extra Frets: \"6\" is not k+ for a diatonic fret k from 1 to 14."}}) {
        in.tuning.extraFrets = extra;
        EXPECT_EQ(designerRefusal(in, s).value_or(""), message);
    }
}

// Cents are the pitches' own numbers, not a ratio's round trip: twelve-equal fret 3 is 300, and
// a Scala pitch written 38.70968 is 38.70968, in the table and the fret points alike.
TEST(TuningTest, CentsComeFromThePitchesAsGiven) {
    const std::string file = writeFile("cents.scl", "cents\n2\n38.70968\n2/1\n");
    const struct {
        DesignerTexts texts;
        int fret;
        double cents;
    } rows[] = {
        {{}, 3, 300},
        {{{"txtStringTuning", "0 2 2 2 2 5"}}, 7, 700},
        {{{"cboTemperament", "1"}, {"txtDivisions", "19"}}, 3, 1200.0 * 3 / 19},
        {{{"cboTemperament", "1"}, {"txtDivisions", "31"}, {"txtPeriod", "1200.0"}}, 31, 1200},
        {{{"cboTemperament", "2"}, {"txtScalaFile", file}}, 1, 38.70968},
        {{{"cboTemperament", "2"}, {"txtScalaFile", file}}, 3, 1200 + 38.70968},
    };
    FretboardSettings s;
    s.nFrets = 31;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.cents);
        DesignerInputs in{6, 648, 686, 35, 52, 0.5, 3, 3, {}, {}};
        in.workshop.markers = in.workshop.doubleMarkers = {};
        in.workshop.slotWidth = 0;  // the two-note scale's frets stand close
        ASSERT_TRUE(readDesignerTexts(row.texts, Units::Millimetres, in).empty());
        ASSERT_EQ(designerRefusal(in, s).value_or(""), "");
        const DesignerBoard board = layOutBoard(in, s);
        EXPECT_EQ(board.table[row.fret - 1].cents, row.cents);
        EXPECT_EQ(board.fretPoints[static_cast<std::size_t>(row.fret - 1) * 6].cents, row.cents);
    }
}

// The default markers are the twelve-equal guitar's; another tuning gets its own default (a
// dulcimer's on the diatonic set, none where the frets fall elsewhere) instead of a refusal for
// markers nobody asked for. Markers typed are kept and checked as typed.
TEST(TuningTest, DefaultMarkersFollowTheTuning) {
    const std::string just =
        writeFile("just5.scl",
                  "5-limit\n12\n16/15\n9/8\n6/5\n5/4\n4/3\n45/32\n3/2\n8/5\n5/3\n9/5\n15/8\n2\n");
    const struct {
        DesignerTexts texts;
        std::vector<int> typed;  // empty: the default markers
        const char* markers;     // label and kind of each fret with a marker
    } rows[] = {
        {{}, {}, "3s 5s 7s 9s 12d 15s 17s 19s 21s 24d"},
        {{{"cboFretSet", "1"}, {"txtExtraFrets", "6+ 13+"}}, {}, "3s 5s 7d 10s 12s 14d"},
        {{{"cboTemperament", "2"}, {"txtScalaFile", just}, {"txtStringTuning", "0 5 10 3 7 0"}},
         {},
         ""},
        {{{"cboTemperament", "1"}, {"txtDivisions", "19"}}, {}, ""},
        // Twelve equal divisions of the octave are twelve equal, however they are chosen.
        {{{"cboTemperament", "1"}, {"txtDivisions", "12"}, {"txtPeriod", "1200.0"}},
         {},
         "3s 5s 7s 9s 12d 15s 17s 19s 21s 24d"},
        {{{"cboTemperament", "1"}, {"txtDivisions", "12"}, {"txtPeriod", "3/1"}}, {}, ""},
        {{{"cboTemperament", "1"}, {"txtDivisions", "19"}}, {5, 11}, "5s 11s"},
    };
    FretboardSettings s;
    s.nFrets = 24;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.markers);
        DesignerInputs in{6, 648, 686, 35, 52, 0.5, 3, 3, {}, {}};
        if (!row.typed.empty()) {
            in.workshop.markers = row.typed;
            in.workshop.doubleMarkers = {};
        }
        ASSERT_TRUE(readDesignerTexts(row.texts, Units::Millimetres, in).empty());
        ASSERT_EQ(designerRefusal(in, s).value_or(""), "");
        std::string shown;
        for (const BoardFret& f : layOutBoard(in, s).table) {
            if (f.marker == MarkerKind::None) continue;
            shown +=
                (shown.empty() ? "" : " ") + f.label + (f.marker == MarkerKind::Double ? "d" : "s");
        }
        EXPECT_EQ(shown, row.markers);
    }
}

// A Scala file that is no scale is refused, naming the file and the line; a missing one lets
// twelve equal steps stand in.
TEST(TuningTest, ScalaFilesThatAreNoScaleAreRefusedByLine) {
    const struct {
        std::string text;
        std::string message;  // after "FILE, line "
    } rows[] = {
        {"! only a comment\nA description\n", "2: the file has no note count."},
        {"Two notes\n2\n9/8\n", "3: the scale has 1 of its 2 pitches."},
        {"x\n1\n 3/0\n", "3: the pitch is not cents, a ratio or a whole number."},
        {"x\n1\nfifth\n", "3: the pitch is not cents, a ratio or a whole number."},
        {"x\n1\n4294967296/1\n", "3: the pitch is not cents, a ratio or a whole number."},
        {"x\n2\n3/2\n!\n4/3\n",
         "5: the pitch is not above the one before it; frets need rising "
         "pitches."},
        {"x\n1\n-100.0\n",
         "3: the pitch is not above the one before it; frets need rising "
         "pitches."},
        {"x\n0\n", "2: the scale has no notes."},
        {"x\nmany\n", "2: the note count is not a whole number."},
    };
    for (const auto& row : rows) {
        const auto scale = readScala(row.text, "a.scl");
        ASSERT_TRUE(std::holds_alternative<Message>(scale)) << row.message;
        EXPECT_EQ(std::get<Message>(scale).english(), "a.scl, line " + row.message);
    }
    EXPECT_TRUE(
        std::get<Message>(readScalaFile(writeFile("nul.scl", std::string("x\n1\n\0", 5))).scale)
            .english()
            .ends_with("is not text: no Scala file."));
    EXPECT_TRUE(std::get<Message>(
                    readScalaFile(writeFile("big.scl", std::string(kMaxScalaBytes + 1, '!'))).scale)
                    .english()
                    .ends_with("is larger than 1 MiB: no Scala file."));
    // A folder is no file; reading one threw before.
    EXPECT_TRUE(readScalaFile(std::filesystem::temp_directory_path().string()).missing);
    DesignerInputs in;
    readDesignerTexts({{"cboTemperament", "2"}, {"txtScalaFile", "/nonexistent/a.scl"}},
                      Units::Millimetres, in);
    EXPECT_FALSE(in.tuning.scale);
    EXPECT_EQ(in.tuning.note,
              "/nonexistent/a.scl could not be read. The frets follow twelve equal steps.");
}

}  // namespace
}  // namespace varnel
